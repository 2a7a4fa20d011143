// How the windows live together: where they open, whom their dialogs belong to, the keys of
// dialogs and fields, and the result panel's room.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QWindow>

#include "qt/Binding.h"
#include "qt/Placement.h"
#include "qt/SplitterBar.h"
#include "tests/qtview_support.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui/Teplotaprachu1.h"

namespace {

TEST(PlaceBesideTest, KeepsClearOfTheOwnersFieldsAndOnTheScreen) {
  const QRect area(0, 0, 1366, 728);
  const struct {
    QRect owner;
    QPoint expected;
  } cases[] = {
      {{100, 50, 777, 540}, {877, 50}},    // right of the owner
      {{600, 80, 777, 540}, {224, 80}},    // left when the right is full
      {{138, 50, 1090, 540}, {990, 50}},   // neither: over the owner's graph on its right
      {{100, 400, 600, 300}, {700, 208}},  // raised to stay on the screen
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlaceBeside(c.owner, QSize(376, 520), area), QRect(c.expected, QSize(376, 520)))
        << c.owner.x() << "," << c.owner.y();
  }
}

// A window taller than the screen's free area gives up the difference from its report, never
// more than the report can spare and nothing when it fits.
TEST(HeightToGiveUpTest, TakesTheOverflowFromThePartDownToItsMinimum) {
  const struct {
    int outer, area, part, minimum, expected;
  } cases[] = {
      {670, 768, 242, 120, 0},    // fits
      {836, 614, 302, 120, 182},  // the report keeps its minimum
      {700, 614, 242, 120, 86},   // the overflow alone
      {700, 614, 100, 120, 0},    // a report already below its minimum stays
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HeightToGiveUp(c.outer, c.area, c.part, c.minimum), c.expected) << c.outer;
  }
}

// The list opened from the modal calculation window takes input, owns its message boxes and
// file dialogs, and closes with the calculation window.
TEST_F(QtViewTest, ListWindowOwnsItsDialogsAndClosesWithTheCalculationWindow) {
  FormView* list = nullptr;
  BlockedWatcher watcher;
  WithModalCalculation([&](VstupView& calculation) {
    list = platform_->ViewOf(app_->tabulka());
    list->installEventFilter(&watcher);
    Click(Widget<QPushButton>(app_->vstup().Button1));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->Owner(), &calculation);
    EXPECT_EQ(list->windowHandle()->transientParent(), nullptr);
    EXPECT_FALSE(watcher.blocked);
    Type(Widget<QLineEdit>(app_->tabulka().Edit1), "9");
    Click(Widget<QPushButton>(app_->tabulka().Button2));
    Click(Widget<QPushButton>(app_->tabulka().Button3));
  });
  EXPECT_EQ(TakeBoxes(), std::vector<std::string>{"CHYBA: Tento řádek neexistuje."});
  EXPECT_EQ(TakeFileDialogs().size(), 1u);
  EXPECT_EQ(dialogParents_, (std::vector<QWidget*>{list, list}));
  EXPECT_FALSE(list->isVisible());
}

struct KeyCase {
  const char* name;
  Qt::Key key;
  bool onCheckBox;  // else on "Pokračovat"
  bool saves;
};

class SaveOptionsKeysTest : public QtViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SaveOptionsKeysTest, EscCancelsAndEnterContinues) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  Tnastaveniuloz& options = app_->nastaveniuloz();
  Click(Widget<QPushButton>(w.Button3));
  FormView* dialog = platform_->ViewOf(options);
  expectedModal_ = dialog;
  bool minimisable = true, stuck = false;
  QTimer rescue;  // a key that does nothing fails the test instead of hanging it
  rescue.setSingleShot(true);
  QObject::connect(&rescue, &QTimer::timeout, [&] {
    stuck = dialog->isVisible();
    dialog->close();
  });
  QTimer::singleShot(0, [&] {
    minimisable = dialog->windowFlags() & Qt::WindowMinimizeButtonHint;
    QWidget* focus = GetParam().onCheckBox
                         ? static_cast<QWidget*>(Widget<QCheckBox>(options.CheckBox3))
                         : Widget<QPushButton>(options.Button1);
    focus->setFocus();
    QTest::keyClick(focus, GetParam().key);
    rescue.start(1000);
  });
  Click(Widget<QPushButton>(w.Button5));
  EXPECT_FALSE(minimisable);
  EXPECT_FALSE(stuck);
  EXPECT_EQ(TakeFileDialogs().size(), GetParam().saves ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Keys, SaveOptionsKeysTest,
                         ::testing::Values(KeyCase{"Esc", Qt::Key_Escape, true, false},
                                           KeyCase{"EnterOnACheckBox", Qt::Key_Return, true, true},
                                           KeyCase{"EnterOnTheButton", Qt::Key_Enter, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter in a field runs the computation of its window, or of its group where a window has two.
TEST_F(QtViewTest, EnterInAFieldRunsItsComputation) {
  VstupView& view = OpenCalculation();
  Tteplotaprachu& t = app_->teplotaprachu();
  app_->vstup().N4.Click();
  for (forms::Edit* field : {&app_->vstup().Edit4, &t.Edit6, &t.Edit2}) {
    auto* edit = Widget<QLineEdit>(*field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
  }
  EXPECT_TRUE(view.Result()->toPlainText().contains("Počet kroků výpočtu"));
  EXPECT_NE(Widget<QLabel>(t.Label10)->text(), "0");
  EXPECT_NE(Widget<QLabel>(t.Label1)->text(), "0");
}

void DragBar(VstupView& view, int dx) {
  QTest::mousePress(view.ResultGraphBar(), Qt::LeftButton, {}, QPoint(2, 50));
  QTest::mouseMove(view.ResultGraphBar(), QPoint(2 + dx, 50));
  QTest::mouseRelease(view.ResultGraphBar(), Qt::LeftButton, {}, QPoint(2 + dx, 50));
}

// Scrolled to its end, the result panel shows its last line above "Vymaž", however wide it is.
TEST_F(QtViewTest, ResultPanelKeepsItsLastLineClearOfVymaz) {
  VstupView& view = OpenCalculation();
  QPlainTextEdit* memo = view.Result();
  for (int i = 0; i < 60; ++i) app_->vstup().Memo1.Add("  Maximální vzdálenost střelby: 298 m");
  for (const int dx : {0, -400, 200}) {
    DragBar(view, dx);
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    const QRect line = memo->cursorRect(QTextCursor(memo->document()->lastBlock()))
                           .translated(memo->viewport()->pos());
    const QRect shown = memo->viewport()->geometry();
    EXPECT_TRUE(line.top() >= shown.top() && line.bottom() <= shown.bottom()) << dx;
    EXPECT_LT(line.bottom(), view.ClearButton()->geometry().top()) << dx;
  }
}

// A wider window gives the panel the table's width first, then the graph; the window's size and
// the bar are there again at the next start.
TEST_F(QtViewTest, ResultPanelTakesTheTablesWidthFirstAndKeepsItsPlaceAcrossStarts) {
  VstupView* view = &OpenCalculation();
  const int design = view->DesignClientSize().width(), table = view->TableWidth();
  for (const int extra : {0, 40, table - VstupView::kMemoWidth + 150}) {
    view->resize(design + extra, view->height());
    const int panelGrowth = std::min(extra, table - VstupView::kMemoWidth);
    EXPECT_EQ(view->Result()->width(), VstupView::kMemoWidth + panelGrowth) << extra;
    EXPECT_EQ(view->Graph()->width(), design - VstupView::kGraphLeft + extra - panelGrowth);
  }
  DragBar(*view, -30);
  const QSize size = view->size();
  const int panel = view->Result()->width();
  view->close();
  views_.reset();
  views_ = std::make_unique<DesktopViews>(*platform_, *app_);
  platform_->ShowWindow(app_->vstup(), false);
  EXPECT_EQ(views_->calculation().size(), size);
  EXPECT_EQ(views_->calculation().Result()->width(), panel);
}

}  // namespace
