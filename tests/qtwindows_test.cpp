// How the windows live together: where they open, whom their dialogs belong to, the keys of
// dialogs and fields, and the result panel's room.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QWindow>

#include "qt/Binding.h"
#include "qt/Placement.h"
#include "qt/SplitterBar.h"
#include "qt/TabulkaView.h"
#include "tests/qtview_support.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui/Teplotaprachu1.h"
#include "ui/Vstup1.h"

namespace {

struct PlaceCase {
  const char* name;
  QRect owner;
  QSize size;
  QPoint expected;
};

class PlaceBesideTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBesideTest, KeepsClearOfTheOwnersFieldsAndOnTheScreen) {
  const QRect area(0, 0, 1366, 728);
  const QRect at = PlaceBeside(GetParam().owner, GetParam().size, area);
  EXPECT_EQ(at.topLeft(), GetParam().expected);
  EXPECT_TRUE(area.contains(at));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceBesideTest,
    ::testing::Values(
        PlaceCase{"RightOfTheOwner", {100, 50, 777, 540}, {376, 520}, {877, 50}},
        PlaceCase{"LeftWhenTheRightIsFull", {600, 80, 777, 540}, {376, 520}, {224, 80}},
        // Over the owner's graph, which is on its right.
        PlaceCase{"AgainstTheRightEdge", {138, 50, 1090, 540}, {760, 500}, {606, 50}},
        PlaceCase{"RaisedToStayOnTheScreen", {100, 400, 600, 300}, {376, 520}, {700, 208}}),
    [](const auto& info) { return std::string(info.param.name); });

// The list window opened from the modal calculation window takes input, owns its message boxes
// and file dialogs, and closes with the calculation window.
TEST_F(QtViewTest, ListWindowOwnsItsDialogsAndClosesWithTheCalculationWindow) {
  FormView* list = nullptr;
  BlockedWatcher watcher;
  WithModalCalculation([&](VstupView& calculation) {
    list = platform_->ViewOf(app_->tabulka());
    list->installEventFilter(&watcher);
    Click(Widget<QPushButton>(app_->vstup().Button1));
    QCoreApplication::processEvents();
    ASSERT_TRUE(list->isVisible());
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
  bool onCheckBox;  // the focus on a check box of the dialog, else on its button
  bool saves;
};

class SaveOptionsKeysTest : public QtViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SaveOptionsKeysTest, EscCancelsAndEnterContinues) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  Click(Widget<QPushButton>(w.Button3));
  FormView* dialog = platform_->ViewOf(app_->nastaveniuloz());
  expectedModal_ = dialog;
  bool minimisable = true, stuck = false;
  // A key that does nothing fails the test instead of hanging it.
  QTimer rescue;
  rescue.setSingleShot(true);
  QObject::connect(&rescue, &QTimer::timeout, [&] {
    stuck = dialog->isVisible();
    dialog->close();
  });
  QTimer::singleShot(0, [&] {
    minimisable = dialog->windowFlags() & Qt::WindowMinimizeButtonHint;
    auto* box = Widget<QCheckBox>(app_->nastaveniuloz().CheckBox3);
    QWidget* focus = GetParam().onCheckBox ? static_cast<QWidget*>(box)
                                           : Widget<QPushButton>(app_->nastaveniuloz().Button1);
    focus->setFocus();
    QTest::keyClick(focus, GetParam().key);
    rescue.start(1000);
  });
  Click(Widget<QPushButton>(w.Button5));
  EXPECT_FALSE(minimisable);
  EXPECT_FALSE(stuck);
  EXPECT_EQ(w.CheckBox12.Checked(), GetParam().saves);
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
  Tvstup& w = app_->vstup();
  auto enter = [](QLineEdit* field, Qt::Key key) {
    field->setFocus();
    QTest::keyClick(field, key);
  };
  enter(Widget<QLineEdit>(w.Edit4), Qt::Key_Return);
  EXPECT_TRUE(view.Result()->toPlainText().contains("Počet kroků výpočtu"));

  Tteplotaprachu& t = app_->teplotaprachu();
  w.N4.Click();
  Type(Widget<QLineEdit>(t.Edit6), "50");
  enter(Widget<QLineEdit>(t.Edit6), Qt::Key_Return);
  EXPECT_NE(Widget<QLabel>(t.Label10)->text(), "0");
  EXPECT_EQ(Widget<QLabel>(t.Label1)->text(), "0");
  enter(Widget<QLineEdit>(t.Edit2), Qt::Key_Enter);
  EXPECT_NE(Widget<QLabel>(t.Label1)->text(), "0");
}

// Scrolled to its end, the result panel shows its last line above "Vymaž", however wide it is.
TEST_F(QtViewTest, ResultPanelKeepsItsLastLineClearOfVymaz) {
  VstupView& view = OpenCalculation();
  QPlainTextEdit* memo = view.Result();
  for (int i = 0; i < 60; ++i) app_->vstup().Memo1.Add("  Maximální vzdálenost střelby: 298 m");
  for (const int dx : {0, -400, 200}) {
    QTest::mousePress(view.ResultGraphBar(), Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(view.ResultGraphBar(), QPoint(2 + dx, 50));
    QTest::mouseRelease(view.ResultGraphBar(), Qt::LeftButton, {}, QPoint(2 + dx, 50));
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    const QTextCursor last(memo->document()->lastBlock());
    const QRect line = memo->cursorRect(last).translated(memo->viewport()->pos());
    const QRect shown = memo->viewport()->geometry();
    EXPECT_TRUE(line.top() >= shown.top() && line.bottom() <= shown.bottom()) << dx;
    EXPECT_FALSE(line.adjusted(-memo->width(), 0, memo->width(), 0)
                     .intersects(view.ClearButton()->geometry()))
        << dx;
  }
}

// A wider window gives the panel the table's width first, then the graph; the window's size and
// the bar are there again at the next start.
TEST_F(QtViewTest, ResultPanelTakesTheTablesWidthFirstAndKeepsItsPlaceAcrossStarts) {
  VstupView* view = &OpenCalculation();
  const int design = view->DesignClientSize().width(), table = view->TableWidth();
  ASSERT_GT(table, VstupView::kMemoWidth);
  const int graphAtDesign = design - VstupView::kGraphLeft;
  for (const int extra : {0, 40, table - VstupView::kMemoWidth + 150}) {
    view->resize(design + extra, view->height());
    const int panelGrowth = std::min(extra, table - VstupView::kMemoWidth);
    EXPECT_EQ(view->Result()->width(), VstupView::kMemoWidth + panelGrowth) << extra;
    EXPECT_EQ(view->Graph()->width(), graphAtDesign + extra - panelGrowth) << extra;
  }
  QTest::mousePress(view->ResultGraphBar(), Qt::LeftButton, {}, QPoint(2, 50));
  QTest::mouseMove(view->ResultGraphBar(), QPoint(-28, 50));
  QTest::mouseRelease(view->ResultGraphBar(), Qt::LeftButton, {}, QPoint(-28, 50));
  const QSize size = view->size();
  const int panel = view->Result()->width();
  view->close();
  EXPECT_TRUE(QFile::exists(folder_.filePath("trajekta.ini")));

  views_.reset();
  views_ = std::make_unique<DesktopViews>(*platform_, *app_);
  platform_->ShowWindow(app_->vstup(), false);
  view = &views_->calculation();
  EXPECT_EQ(view->size(), size);
  EXPECT_EQ(view->Result()->width(), panel);
}

TEST_F(QtViewTest, ReticleListShowsEveryNameWhole) {
  OpenCalculation();
  auto* reticles = Widget<TextComboBox>(app_->vstup().ComboBox7);
  for (int i = 0; i < reticles->count(); ++i) {
    EXPECT_TRUE(reticles->ShowsWhole(reticles->itemText(i))) << reticles->itemText(i).toStdString();
  }
}

}  // namespace
