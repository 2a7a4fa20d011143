// The Qt views: a person types, clicks and sees what the window models make of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "files/SavedComputation.h"
#include "qt/Binding.h"
#include "qt/ButtonPages.h"
#include "qt/DesktopViews.h"
#include "qt/FormBuilder.h"
#include "qt/FormView.h"
#include "qt/GrafodporuView.h"
#include "qt/MildotView.h"
#include "qt/OprogramuView.h"
#include "qt/QtPlatform.h"
#include "qt/ReseniView.h"
#include "qt/SplitterBar.h"
#include "qt/StringGridWidget.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "qt/ZasahView.h"
#include "tests/qtview_support.h"
#include "ui/Application.h"
#include "ui/Grafodporu1.h"
#include "ui/Karta1.h"
#include "ui/Mildot1.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Nmv1.h"
#include "ui/Oprogramu1.h"
#include "ui/Prevody1.h"
#include "ui/Reseni1.h"
#include "ui/Tabulka1.h"
#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"
#include "ui/Zasah1.h"

namespace {

// ---- The filters of the file dialogs

struct FilterCase {
  const char* name;
  const char* filter;
  QStringList expected;
};

class QtNameFiltersTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(QtNameFiltersTest, Converts) {
  EXPECT_EQ(QtNameFilters(GetParam().filter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Filters, QtNameFiltersTest,
                         ::testing::Values(FilterCase{"CaptionNamingItsPatternIsKept",
                                                      "Funkce odporu  (*.drg)|*.drg",
                                                      {"Funkce odporu  (*.drg)"}},
                                           FilterCase{"EveryPairBecomesOneFilter",
                                                      "Text  (*.txt)|*.txt|Obrázek  (*.bmp)|*.bmp",
                                                      {"Text  (*.txt)", "Obrázek  (*.bmp)"}},
                                           FilterCase{"SeveralPatternsAreSeparatedBySpaces",
                                                      "Seznamy|*.txt;*.csv",
                                                      {"Seznamy (*.txt *.csv)"}},
                                           FilterCase{"PatternWinsOverAMisleadingCaption",
                                                      "Obrázek (*.png)|*.bmp",
                                                      {"Obrázek (*.bmp)"}},
                                           FilterCase{"CaptionWithoutPatternIsIgnored", "Text", {}},
                                           FilterCase{"EmptyFilterGivesNone", "", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Binders, on a window of their own

struct Counter {
  int runs = 0;
  std::function<void()> Handler() {
    return [this] { ++runs; };
  }
};

class TestWindow : public forms::Window {
 public:
  explicit TestWindow(forms::Platform& platform) : forms::Window("Ttest", "Test", platform) {
    RegisterAll(Edit, Check, Group, Combo, Bar, Radio1, Radio2, Memo, Picture);
    Group.SetItems({"Jedna", "Dvě", "Tři"});
    Combo.SetItems({"a", "b", "c"});
    Bar.SetRange(1, 300);
    Radio1.SetCaption("První");
    Radio2.SetCaption("Druhá");
  }
  forms::Edit Edit{"Edit"};
  forms::CheckBox Check{"Check"};
  forms::RadioGroup Group{"Group"};
  forms::ComboBox Combo{"Combo"};
  forms::ScrollBar Bar{"Bar"};
  forms::RadioButton Radio1{"Radio1"}, Radio2{"Radio2"};
  forms::Memo Memo{"Memo"};
  forms::Image Picture{"Picture", 60, 40};
};

class BindingTest : public QtViewTest {
 protected:
  void SetUp() override {
    QtViewTest::SetUp();
    window_ = std::make_unique<TestWindow>(*platform_);
    view_ = std::make_unique<FormView>(*window_, *platform_, QSize(400, 300), FormBorder::Single);
    FormBuilder b(*platform_);
    QWidget* c = view_->client();
    b.Edit(c, window_->Edit, 100, 10, 60);
    b.CheckBox(c, window_->Check, 10, 40, 80);
    b.RadioGroup(c, window_->Group, QRect(10, 60, 120, 70));
    b.ComboBox(c, window_->Combo, 10, 140, 80);
    b.ScrollBar(c, window_->Bar, QRect(10, 170, 150, 17));
    b.RadioButton(c, window_->Radio1, 200, 40, 80);
    b.RadioButton(c, window_->Radio2, 200, 60, 80);
    b.Memo(c, window_->Memo, QRect(200, 90, 180, 100), false);
    b.Image(c, window_->Picture, QRect(200, 200, 60, 40));
    view_->show();
  }
  void TearDown() override {
    view_.reset();
    window_.reset();
    QtViewTest::TearDown();
  }
  TestWindow& w() { return *window_; }

  std::unique_ptr<TestWindow> window_;
  std::unique_ptr<FormView> view_;
};

TEST_F(BindingTest, CodeChangesShowWithoutComingBackAsAPersonsAct) {
  Counter check, group, combo, bar;
  w().Check.OnClick = check.Handler();
  w().Group.OnClick = group.Handler();
  w().Combo.OnChange = combo.Handler();
  w().Bar.OnChange = bar.Handler();

  w().Edit.SetText("12,5");
  w().Check.SetChecked(true);
  w().Group.SetItemIndex(2);
  w().Combo.SetItemIndex(1);
  w().Bar.SetPosition(37);

  EXPECT_EQ(Widget<QLineEdit>(w().Edit)->text(), "12,5");
  EXPECT_TRUE(Widget<QCheckBox>(w().Check)->isChecked());
  EXPECT_TRUE(Widget<RadioGroupBox>(w().Group)->Buttons()[2]->isChecked());
  EXPECT_FALSE(Widget<RadioGroupBox>(w().Group)->Buttons()[0]->isChecked());
  EXPECT_EQ(Widget<TextComboBox>(w().Combo)->currentIndex(), 1);
  EXPECT_EQ(Widget<QScrollBar>(w().Bar)->value(), 37);
  // Each handler ran once, from the code; a second run would be the widget echoing.
  EXPECT_EQ(check.runs, 1);
  EXPECT_TRUE(w().Check.Checked());
  EXPECT_EQ(group.runs, 1);
  EXPECT_EQ(combo.runs, 0);
  EXPECT_EQ(bar.runs, 1);
}

TEST_F(BindingTest, PersonsActsReachTheModel) {
  Counter check, group, combo, bar;
  w().Check.OnClick = check.Handler();
  w().Group.OnClick = group.Handler();
  w().Combo.OnChange = combo.Handler();
  w().Bar.OnChange = bar.Handler();

  Type(Widget<QLineEdit>(w().Edit), "7,85");
  Click(Widget<QCheckBox>(w().Check));
  Click(Widget<RadioGroupBox>(w().Group)->Buttons()[1]);
  auto* comboBox = Widget<TextComboBox>(w().Combo);
  comboBox->setFocus();
  QTest::keyClick(comboBox, Qt::Key_Down);
  Widget<QScrollBar>(w().Bar)->triggerAction(QAbstractSlider::SliderSingleStepAdd);

  EXPECT_EQ(w().Edit.Text(), "7,85");
  EXPECT_TRUE(w().Check.Checked());
  EXPECT_EQ(check.runs, 1);
  EXPECT_EQ(w().Group.ItemIndex(), 1);
  EXPECT_EQ(group.runs, 1);
  EXPECT_EQ(w().Combo.ItemIndex(), 0);
  EXPECT_EQ(w().Combo.Text(), "a");
  EXPECT_EQ(combo.runs, 1);
  EXPECT_EQ(w().Bar.Position(), 2);
  EXPECT_EQ(bar.runs, 1);
}

TEST_F(BindingTest, ClickingACheckedRadioItemAgainKeepsItChecked) {
  w().Group.SetItemIndex(0);
  QRadioButton* first = Widget<RadioGroupBox>(w().Group)->Buttons()[0];
  Click(first);
  EXPECT_TRUE(first->isChecked());
  EXPECT_EQ(w().Group.ItemIndex(), 0);
}

TEST_F(BindingTest, ARefusedClickShowsItsMessageAndLeavesTheButtonsAsTheModelHasThem) {
  w().Radio2.SetChecked(true);
  w().Radio1.OnClick = [this] {
    w().Radio1.SetChecked(false);
    ShowMessageAbort("Vodorovná vzdálenost menší nebo rovna nule.");
  };
  Click(Widget<QRadioButton>(w().Radio1));
  EXPECT_EQ(TakeBoxes(), std::vector<std::string>{
                             "Vnější trajekta: Vodorovná vzdálenost menší nebo rovna nule."});
  EXPECT_FALSE(Widget<QRadioButton>(w().Radio1)->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>(w().Radio2)->isChecked());
}

TEST_F(BindingTest, PlaceVisibilityAndEnabledFollowTheModel) {
  auto* edit = Widget<QLineEdit>(w().Edit);
  const int home = edit->x();
  w().Edit.SetOffsetX(-24);
  EXPECT_EQ(edit->x(), home - 24);
  w().Edit.SetOffsetX(0);
  EXPECT_EQ(edit->x(), home);
  w().Edit.SetVisible(false);
  w().Edit.SetEnabled(false);
  EXPECT_TRUE(edit->isHidden());
  EXPECT_FALSE(edit->isEnabled());
  w().Edit.SetVisible(true);
  EXPECT_TRUE(edit->isVisible());
}

TEST_F(BindingTest, MemoShowsAddedLinesAfterAClear) {
  auto* memo = Widget<QPlainTextEdit>(w().Memo);
  w().Memo.Add("Výsledek výpočtu:");
  w().Memo.Add("  X [m]");
  EXPECT_EQ(memo->toPlainText(), "Výsledek výpočtu:\n  X [m]");
  w().Memo.Clear();
  EXPECT_EQ(memo->toPlainText(), "");
  w().Memo.Add("nový");
  EXPECT_EQ(memo->toPlainText(), "nový");
}

TEST_F(BindingTest, ImageShowsItsPictureWithTheBandAndPassesTheMouseInPicturePixels) {
  auto* image = Widget<ImageWidget>(w().Picture);
  forms::Canvas& c = w().Picture.Picture();
  c.brush.color = forms::kWhite;
  c.FillRect(0, 0, 60, 40);
  w().Picture.PictureChanged();
  w().Picture.SetBand(forms::Overlay{true, 5, 5, 50, 30, forms::kRed});
  const QImage shown = image->grab().toImage();
  EXPECT_EQ(shown.pixelColor(30, 20), QColor(Qt::white));
  EXPECT_GT(CountPixels(shown, QColor(255, 0, 0)), 40);

  std::vector<std::pair<int, int>> presses;
  w().Picture.OnMouseDown = [&](int x, int y) { presses.emplace_back(x, y); };
  QTest::mousePress(image, Qt::LeftButton, {}, QPoint(12, 34));
  QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(12, 34));
  EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{12, 34}}));
}

// ---- The windows of the program

TEST_F(QtViewTest, ZeroMassStopsTheComputationWithItsMessage) {
  VstupView& view = OpenCalculation();
  Tvstup& w = app_->vstup();
  Type(Widget<QLineEdit>(w.Edit2), "0");
  EXPECT_EQ(w.Edit2.Text(), "0");
  Click(Widget<QPushButton>(w.Button3));
  EXPECT_EQ(TakeBoxes(),
            std::vector<std::string>{"Vnější trajekta: Hmotnost menší nebo rovna nule."});
  EXPECT_FALSE(Widget<QPushButton>(w.Button5)->isEnabled());
  EXPECT_EQ(view.Result()->toPlainText(), "Výsledek výpočtu:");
}

TEST_F(QtViewTest, ComputingShowsTheReportAndARedTrajectory) {
  VstupView& view = OpenCalculation();
  Tvstup& w = app_->vstup();
  const QImage before = view.Graph()->grab().toImage();
  EXPECT_EQ(CountPixels(before, QColor(255, 0, 0)), 0);

  Click(Widget<QPushButton>(w.Button3));

  const QString report = view.Result()->toPlainText();
  EXPECT_TRUE(report.startsWith("Výsledek výpočtu:\n")) << report.toStdString();
  EXPECT_TRUE(report.contains("Počet kroků výpočtu")) << report.toStdString();
  EXPECT_GT(CountPixels(view.Graph()->grab().toImage(), QColor(255, 0, 0)), 200);
  EXPECT_TRUE(Widget<QPushButton>(w.Button5)->isEnabled());
  EXPECT_TRUE(Widget<QCheckBox>(w.CheckBox1)->isChecked());
  EXPECT_TRUE(Widget<QLabel>(w.Label49)->isHidden());

  Click(Widget<QPushButton>(w.Button2));
  EXPECT_EQ(view.Result()->toPlainText(), "");
}

TEST_F(QtViewTest, TextsOpenAtTheirTopAndTheReportFollowsItsNewestLine) {
  VstupView& view = OpenCalculation();
  // Reports enough for the panel to scroll.
  for (int i = 0; i < 3; ++i) Click(Widget<QPushButton>(app_->vstup().Button3));
  app_->vstup().N6.Click();
  QCoreApplication::processEvents();
  auto* history = Widget<QPlainTextEdit>(app_->oprogramu().Memo2);
  EXPECT_EQ(history->verticalScrollBar()->value(), 0);
  EXPECT_GT(history->verticalScrollBar()->maximum(), 0);
  QScrollBar* report = view.Result()->verticalScrollBar();
  EXPECT_GT(report->maximum(), 0);
  EXPECT_EQ(report->value(), report->maximum());
}

TEST_F(QtViewTest, ModeRadioButtonsShowTheirFields) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  auto* modes = Widget<RadioGroupBox>(w.RadioGroup3);
  auto* zero = Widget<QLineEdit>(w.Edit19);
  const int zeroHome = zero->x();

  Click(modes->Buttons()[0]);
  EXPECT_TRUE(Widget<QLineEdit>(w.Edit6)->isVisibleTo(modes->window()));
  EXPECT_TRUE(zero->isHidden());
  EXPECT_EQ(Widget<QLabel>(w.Label3)->text(), "Úhel výstřelu:");
  EXPECT_EQ(Widget<QLabel>(w.Label4)->text(), "stup.");

  Click(modes->Buttons()[2]);
  auto* height = Widget<QLineEdit>(w.Edit63);
  EXPECT_EQ(zero->x(), zeroHome - 24);
  EXPECT_FALSE(height->isHidden());
  EXPECT_FALSE(zero->geometry().intersects(height->geometry()));
  EXPECT_TRUE(Widget<QLineEdit>(w.Edit6)->isHidden());
  EXPECT_EQ(Widget<QLabel>(w.Label3)->text(), "Záměrná X,Y:");
}

TEST_F(QtViewTest, ClickCounterWritesTheAngleAndSwitchesTheMode) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  auto* counter = Widget<UpDownWidget>(w.UpDown1);
  for (int i = 0; i < 3; ++i) Click(counter->Up());
  EXPECT_EQ(Widget<QLabel>(w.Label12)->text(), "3");
  EXPECT_EQ(Widget<QLineEdit>(w.Edit6)->text(), QString::fromStdString(w.Edit6.Text()));
  // Three quarter-MOA clicks, each sum rounded to six decimals.
  EXPECT_EQ(w.Edit6.Text(), "0,112501");
  EXPECT_TRUE(Widget<RadioGroupBox>(w.RadioGroup3)->Buttons()[0]->isChecked());

  Click(Widget<QPushButton>(w.Button8));
  EXPECT_EQ(Widget<QLabel>(w.Label12)->text(), "0");
  EXPECT_EQ(w.Edit6.Text(), "0,112501");
}

TEST_F(QtViewTest, DraggingOverTheGraphReadsOutAndZooms) {
  VstupView& view = OpenCalculation();
  Tvstup& w = app_->vstup();
  Click(Widget<QPushButton>(w.Button3));
  ImageWidget* graph = view.Graph();
  const double xMax = w.graph().XMax();

  QTest::mousePress(graph, Qt::LeftButton, {}, QPoint(100, 60));
  EXPECT_NE(Widget<QLineEdit>(w.Edit17)->text(), "0");
  EXPECT_NE(Widget<QLineEdit>(w.Edit18)->text(), "0");
  QTest::mouseMove(graph, QPoint(300, 200));
  EXPECT_TRUE(w.Graf0.Band().visible);
  QTest::mouseRelease(graph, Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_FALSE(w.Graf0.Band().visible);
  EXPECT_LT(w.graph().XMax(), xMax);
}

TEST_F(QtViewTest, GraphIsSavedUnderTheChosenNameWithItsExtension) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  Click(Widget<QPushButton>(w.Button3));
  fileAnswer_ = folder_.filePath("graf");
  Click(Widget<QPushButton>(w.Button9));
  EXPECT_EQ(TakeFileDialogs(), std::vector<std::string>{"Uložit jako"});
  QImageReader saved(folder_.filePath("graf.bmp"));
  EXPECT_EQ(saved.format(), "bmp");
  EXPECT_EQ(saved.size(), QSize(Tvstup::kGraphWidth, Tvstup::kGraphHeight));
}

TEST_F(QtViewTest, ReticleReportOpensReticleWindowThatSavesAndRanges) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  Tmildot& m = app_->mildot();
  Widget<QPushButton>(w.Button19)->click();  // on a page not shown
  ASSERT_TRUE(views_->reticle().isVisible());
  const QImage picture = Widget<ImageWidget>(m.Image1)->grab().toImage();
  EXPECT_EQ(picture.size(), QSize(360, 385));
  EXPECT_GT(CountPixels(picture, QColor(255, 0, 0)), 40) << "the aiming cross";

  Type(Widget<QLineEdit>(m.Edit1), "1,8");
  Type(Widget<QLineEdit>(m.Edit2), "4");
  Click(Widget<QPushButton>(m.Button3));
  EXPECT_EQ(Widget<QLabel>(m.Label3)->text(), "450");

  fileAnswer_ = folder_.filePath("osnova");
  Click(Widget<QPushButton>(m.Button2));
  EXPECT_EQ(TakeFileDialogs(), std::vector<std::string>{"Uložit jako"});
  QImageReader saved(folder_.filePath("osnova.bmp"));
  EXPECT_EQ(saved.format(), "bmp");
  EXPECT_EQ(saved.size(), QSize(360, 385));
}

TEST_F(QtViewTest, MaximisedWindowStretchesGraphAndResultPanel) {
  VstupView& view = OpenCalculation();
  Tvstup& w = app_->vstup();
  const QRect memo = view.Result()->geometry();
  view.setWindowState(Qt::WindowMaximized);
  QTRY_VERIFY(view.client()->height() > view.DesignClientSize().height());

  const QSize client = view.client()->size();
  EXPECT_EQ(view.Graph()->geometry().right(), client.width() - 1);
  EXPECT_EQ(view.Graph()->geometry().bottom(), client.height() - 1);
  EXPECT_EQ(w.Graf0.Width(), view.Graph()->width());
  EXPECT_EQ(w.Graf0.Picture().Width(), view.Graph()->width());
  EXPECT_GT(view.Result()->height(), memo.height());
}

TEST_F(QtViewTest, BarBetweenResultAndGraphMovesTheirBorder) {
  VstupView& view = OpenCalculation();
  Tvstup& w = app_->vstup();
  const QRect memo = view.Result()->geometry(), graph = view.Graph()->geometry();
  QWidget* bar = view.ResultGraphBar();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 50));
  QTest::mouseMove(bar, QPoint(152, 50));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(152, 50));
  EXPECT_EQ(view.Result()->width(), memo.width() + 150);
  EXPECT_EQ(view.Graph()->x(), graph.x() + 150);
  EXPECT_EQ(view.Graph()->geometry().right(), graph.right());
  EXPECT_EQ(w.Graf0.Width(), view.Graph()->width());
  EXPECT_EQ(w.Graf0.Picture().Width(), view.Graph()->width());
}

TEST_F(QtViewTest, SpustitOpensTheCalculationWindowModallyUntilItIsClosed) {
  QWidget* modalWhileOpen = nullptr;
  WithModalCalculation([&](VstupView&) { modalWhileOpen = QApplication::activeModalWidget(); });
  VstupView& calculation = views_->calculation();
  EXPECT_EQ(modalWhileOpen, &calculation);
  EXPECT_FALSE(calculation.isVisible());
  EXPECT_FALSE(app_->vstup().Shown());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtViewTest, AboutOpenedFromTheModalCalculationWindowTakesInput) {
  BlockedWatcher about;
  bool blockedWhileOpen = true;
  WithModalCalculation([&](VstupView&) {
    views_->about().installEventFilter(&about);
    app_->vstup().N6.Click();
    QCoreApplication::processEvents();
    blockedWhileOpen = about.blocked;
  });
  EXPECT_FALSE(blockedWhileOpen);
}

TEST_F(QtViewTest, KonecClosesTheStartWindow) {
  StartApplication();
  platform_->ShowWindow(app_->zakladni(), false);
  QSignalSpy closed(&views_->start(), &FormView::Closed);
  Click(Widget<QPushButton>(app_->zakladni().Button2));
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(views_->start().isVisible());
}

TEST_F(QtViewTest, AboutOpenedTwiceIsOneWindow) {
  VstupView& view = OpenCalculation();
  QAction* about = nullptr;
  for (QAction* a : view.findChildren<QAction*>()) {
    if (a->text() == "O programu") about = a;
  }
  ASSERT_NE(about, nullptr);
  about->trigger();
  about->trigger();
  int shown = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    shown += top->isVisible() && top->windowTitle() == "O programu";
  }
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(app_->oprogramu().Shown());
  EXPECT_TRUE(views_->about().isVisible());
}

// A run goes on in the background: the window keeps painting and shows its progress while
// it runs, and "Přerušit" ends it leaving the previous result.
TEST_F(QtViewTest, HitProbabilityRunsInTheBackgroundAndCanBeCancelled) {
  VstupView& view = OpenCalculation();
  for (QAction* a : view.findChildren<QAction*>()) {
    if (a->text() == "Pravděpodobnost zásahu") a->trigger();
  }
  ZasahView& window = views_->hitProbability();
  ASSERT_TRUE(window.isVisible());
  Tzasah& z = app_->zasah();
  auto* memo = Widget<QPlainTextEdit>(z.Memo1);
  Type(Widget<QLineEdit>(z.Edit11), "64");
  Click(Widget<QPushButton>(z.Button1));
  QTRY_VERIFY_WITH_TIMEOUT(!z.Running(), 60000);
  const QString result = memo->toPlainText();
  EXPECT_TRUE(result.contains("Maximální vzdálenost s pravděpodobností zásahu alespoň 90 %"))
      << result.toStdString();
  EXPECT_GT(CountPixels(Widget<ImageWidget>(z.Graf0)->grab().toImage(), QColor(255, 0, 0)), 100);
  EXPECT_TRUE(Widget<QLabel>(z.Label1)->isHidden());

  // Paints counted while a timer asks for them every 10 ms.
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      paints += e->type() == QEvent::Paint;
      return false;
    }
  } counter;
  memo->viewport()->installEventFilter(&counter);
  QTimer repaint;
  QObject::connect(&repaint, &QTimer::timeout, memo->viewport(),
                   [memo] { memo->viewport()->update(); });
  repaint.start(10);

  auto* progress = window.findChild<QProgressBar*>();
  ASSERT_NE(progress, nullptr);
  Type(Widget<QLineEdit>(z.Edit11), "100000");
  Click(Widget<QPushButton>(z.Button1));
  EXPECT_TRUE(z.Running());
  EXPECT_FALSE(Widget<QPushButton>(z.Button2)->isEnabled());
  QTRY_VERIFY_WITH_TIMEOUT(counter.paints >= 5 && progress->value() > 0, 120000);
  EXPECT_TRUE(z.Running());
  EXPECT_TRUE(progress->isVisible());
  Click(Widget<QPushButton>(z.Button3));
  QTRY_VERIFY_WITH_TIMEOUT(!z.Running(), 60000);
  EXPECT_EQ(memo->toPlainText(), result);
  EXPECT_TRUE(progress->isHidden());
  EXPECT_TRUE(Widget<QPushButton>(z.Button1)->isEnabled());
}

}  // namespace

// Each calculator of the menu opens without blocking the calculation window, and takes input.
TEST_F(QtViewTest, MenuOpensTheCalculatorsWhichComputeWhatIsTyped) {
  VstupView& view = OpenCalculation();
  for (const char* item :
       {"Převody jednotek", "Atmosféra ICAO", "Teplota prachu a délka hlavně", "Energie"}) {
    QAction* action = nullptr;
    for (QAction* a : view.findChildren<QAction*>()) {
      if (a->text() == item) action = a;
    }
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  Tprevody& conversions = app_->prevody();
  QPushButton* arrow = Widget<QPushButton>(conversions.BitBtn9);
  ASSERT_TRUE(arrow->isVisible());
  EXPECT_FALSE(arrow->icon().isNull());
  Type(Widget<QLineEdit>(conversions.Edit9), "100");
  Click(arrow);
  EXPECT_EQ(Widget<QLineEdit>(conversions.Edit10)->text(), "39,37");

  Tnmv& icao = app_->nmv();
  Type(Widget<QLineEdit>(icao.Edit4), "20000,1");
  Click(Widget<QPushButton>(icao.Button1));
  ASSERT_EQ(TakeBoxes().size(), 1u);
  EXPECT_EQ(Widget<QLabel>(icao.Label14)->text(), "0");
  Type(Widget<QLineEdit>(icao.Edit4), "15000");
  Click(Widget<QPushButton>(icao.Button1));
  EXPECT_EQ(Widget<QLabel>(icao.Label14)->text(), "120,36");
}

// The firing solution opens from the menu beside the calculation window and shows its solution.
TEST_F(QtViewTest, FiringSolutionOpensFromTheMenuAndPrintsItsSolution) {
  VstupView& view = OpenCalculation();
  for (QAction* a : view.findChildren<QAction*>()) {
    if (a->text() == "Palebné řešení") a->trigger();
  }
  ASSERT_TRUE(views_->firingSolution().isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  Treseni& r = app_->reseni();
  Type(Widget<QLineEdit>(r.Edit1), "300");
  Click(Widget<QPushButton>(r.Button1));
  const QString result = Widget<QPlainTextEdit>(r.Memo1)->toPlainText();
  EXPECT_TRUE(result.contains("Palebné řešení pro cíl ve vzdálenosti 300 m"))
      << result.toStdString();
  EXPECT_TRUE(Widget<QLabel>(r.Label1)->isHidden());
}

// ---- The drag function graph

TEST_F(QtViewTest, DragGraphIsRecomputedWhenAPersonComesBackToIt) {
  VstupView& calculation = OpenCalculation();
  Tvstup& w = app_->vstup();
  GrafodporuView& graph = views_->dragGraph();
  const TCurveSlot& curve = app_->grafodporu().graph().Slot(0);
  Click(Widget<QPushButton>(w.Button16));
  QTRY_VERIFY(graph.isActiveWindow());
  const double g1At400 = curve.y[200];

  calculation.activateWindow();
  QTRY_VERIFY(calculation.isActiveWindow());
  w.ComboBox6.Pick(kDragG7);
  graph.activateWindow();
  QTRY_VERIFY(curve.y[200] != g1At400);
  EXPECT_DOUBLE_EQ(curve.y[200], w.computation().in.formFactor * w.computation().dragGrid.cd[400]);

  // A refused activation shows its message once: closing the box is no new activation.
  calculation.activateWindow();
  QTRY_VERIFY(calculation.isActiveWindow());
  w.Edit1.SetText("0");
  graph.activateWindow();
  QTRY_COMPARE(boxes_.size(), 1u);
  QTest::qWait(100);
  EXPECT_EQ(TakeBoxes(), std::vector<std::string>{
                             "Vnější trajekta: Balistický koeficient menší nebo roven nule."});
}

TEST_F(QtViewTest, MaximisedDragGraphFillsTheWindow) {
  OpenCalculation();
  GrafodporuView& view = views_->dragGraph();
  Tgrafodporu& g = app_->grafodporu();
  Click(Widget<QPushButton>(app_->vstup().Button16));
  view.setWindowState(Qt::WindowMaximized);
  QTRY_VERIFY(view.client()->width() > view.DesignClientSize().width());
  EXPECT_EQ(view.Graph()->geometry().right(), view.client()->width() - 5);
  EXPECT_EQ(g.Graf1.Width(), view.Graph()->width());
  EXPECT_EQ(g.Graf1.Picture().Width(), view.Graph()->width());
  EXPECT_EQ(g.Graf1.Picture().Height(), view.Graph()->height());
}

// ---- The cartridge list and the save-options dialog

TEST_F(QtViewTest, ListTableShowsTheModelAndTakesEditsAndRowClicks) {
  OpenCalculation();
  Ttabulka& list = app_->tabulka();
  platform_->ShowWindow(list, false);
  list.Button1.Click();
  list.Button5Click();
  list.StringGrid1.SetCell(1, 2, "6,5");
  list.StringGrid1.SetCell(3, 2, "G7");
  list.StringGrid1.SetCell(7, 2, "Lapua Scenar");
  auto* grid = Widget<StringGridWidget>(list.StringGrid1);
  ASSERT_NE(grid, nullptr);
  // The grid's first row is the header, which does not scroll away with the rows.
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), " Průměr [mm]");
  EXPECT_TRUE(grid->horizontalHeader()->isVisible());
  EXPECT_EQ(grid->item(1, 7)->text(), "Lapua Scenar");
  // A person types into a cell; the row numbers take no typing.
  grid->item(1, 2)->setText("0,31");
  EXPECT_EQ(list.StringGrid1.Cell(2, 2), "0,31");
  EXPECT_FALSE(grid->item(1, 0)->flags() & Qt::ItemIsEditable);
  // A press on the row copies it into the calculation window.
  const QRect cell = grid->visualItemRect(grid->item(1, 4));
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(app_->vstup().Edit33.Text(), "Lapua Scenar");
  EXPECT_EQ(app_->vstup().Edit1.Text(), "0,31");
  EXPECT_EQ(app_->vstup().ComboBox6.ItemIndex(), 5);
  EXPECT_EQ(list.Edit1.Text(), "2");
}

TEST_F(QtViewTest, ListOverAMaximisedWindowStaysOnTheScreenWithWholeHeaders) {
  VstupView& calc = OpenCalculation();
  calc.setWindowState(Qt::WindowMaximized);
  QTRY_VERIFY(calc.client()->height() > calc.DesignClientSize().height());
  Ttabulka& list = app_->tabulka();
  platform_->ShowWindow(list, false);
  auto* grid = Widget<StringGridWidget>(list.StringGrid1);
  ASSERT_NE(grid, nullptr);
  QWidget* view = grid->window();
  EXPECT_EQ(view->height(), calc.height() - 40);
  EXPECT_LE(view->frameGeometry().bottom(), view->screen()->availableGeometry().bottom());
  // The headers are in the cells' font; one that its column cuts tells itself whole.
  EXPECT_EQ(grid->horizontalHeader()->font(), grid->font());
  int cut = 0;
  for (int c = 1; c < grid->columnCount(); ++c) {
    const QTableWidgetItem* header = grid->horizontalHeaderItem(c);
    const bool fits = grid->HeaderFits(c);
    if (fits) {
      EXPECT_LT(QFontMetrics(grid->font()).horizontalAdvance(header->text()), grid->columnWidth(c));
    }
    cut += !fits;
    EXPECT_EQ(header->toolTip(), fits ? QString() : header->text().trimmed())
        << header->text().toStdString();
  }
  EXPECT_GT(cut, 0) << "no header needs its tooltip in these fonts";
}

TEST_F(QtViewTest, SaveOptionsDialogIsModalAndPokracovatConfirmsIt) {
  OpenCalculation();
  Tnastaveniuloz& dialog = app_->nastaveniuloz();
  Tvstup& w = app_->vstup();
  bool sawDialog = false;
  expectedModal_ = platform_->ViewOf(dialog);
  QTimer::singleShot(0, [&] {
    auto* view = platform_->ViewOf(dialog);
    sawDialog = view && view->isVisible() && QApplication::activeModalWidget() == view;
    Click(Widget<QCheckBox>(dialog.CheckBox4));
    Click(Widget<QPushButton>(dialog.Button1));
  });
  w.CheckBox12.SetChecked(false);
  platform_->ShowWindow(dialog, true);
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(w.CheckBox12.Checked());
  EXPECT_TRUE(dialog.Options().columns[3]);
  EXPECT_FALSE(platform_->ViewOf(dialog)->isVisible());
}

TEST_F(QtViewTest, RangeCardDialogIsModalEscCancelsAndEnterWritesThePdf) {
  OpenCalculation();
  Tvstup& w = app_->vstup();
  Click(Widget<QPushButton>(w.Button3));
  ASSERT_TRUE(Widget<QPushButton>(w.Button21)->isEnabled());
  FormView* dialog = platform_->ViewOf(app_->karta());
  expectedModal_ = dialog;
  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    bool modal = false;
    QTimer::singleShot(0, [&] {
      modal = QApplication::activeModalWidget() == dialog;
      QTest::keyClick(dialog, key);
    });
    fileAnswer_ = folder_.filePath("karta.pdf");
    platform_->RunAct([&] { w.Button21.Click(); });
    EXPECT_TRUE(modal);
    EXPECT_EQ(TakeFileDialogs().size(), key == Qt::Key_Return ? 1u : 0u);
  }
  QFile pdf(folder_.filePath("karta.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.read(5), "%PDF-");
}

// ---- The program's folder

// An installed program (lists in ../share/trajekta) uses the user's folder even where it could
// write into its own, as root can; a build or portable copy its own folder while writable.
TEST(ProgramFolder, InstalledProgramsKeepToTheUserFolderWithTheirLists) {
  for (const auto& [installed, writable, userFolder] :
       {std::tuple{true, true, true}, std::tuple{false, true, false},
        std::tuple{false, false, true}}) {
    QTemporaryDir root;
    auto write = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    };
    // An executable folder that takes no file is a path through a file.
    const QString exe = root.path() + (writable ? "/bin" : "/file/bin");
    writable ? (void)QDir().mkpath(exe) : write(root.path() + "/file", "");
    if (installed) QDir().mkpath(root.path() + "/share/trajekta");
    if (writable)
      write((installed ? root.path() + "/share/trajekta" : exe) + "/strely.txt", "shipped");
    const QString data = root.path() + "/user/trajekta";
    const std::string expected = (userFolder ? data : exe).toStdString();
    EXPECT_EQ(ResolveProgramFolder(exe, data), expected) << installed << writable;
    EXPECT_EQ(QFile::exists(data + "/strely.txt"), installed) << installed << writable;
    if (!installed) continue;
    // The copy is the user's: changed, it is never overwritten; a missing list stays missing.
    QFile copied(data + "/strely.txt");
    ASSERT_TRUE(copied.open(QIODevice::ReadWrite));
    EXPECT_EQ(copied.readAll(), "shipped");
    copied.resize(0);
    copied.write("mine");
    copied.close();
    EXPECT_EQ(ResolveProgramFolder(exe, data), expected);
    QFile again(data + "/strely.txt");
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), "mine");
    EXPECT_FALSE(QFile::exists(data + "/naboje.txt"));
  }
}
