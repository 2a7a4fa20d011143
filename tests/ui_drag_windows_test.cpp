// The drag function graph window and the coefficient conversion window.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "engine/DragComparison.h"
#include "tests/ui_test_support.h"
#include "ui/Grafodporu1.h"
#include "ui/Koeficienty1.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

// ---- The application and its menu

TEST(Windows, DragGraphAndCoefficientsOpenFromTheCalculationWindow) {
  Session s;
  EXPECT_EQ(s.Act([&] { s.w().N2.Click(); }), Shown{});
  EXPECT_TRUE(s.app().koeficienty().Shown());
  EXPECT_EQ(s.Act([&] { s.w().Button16.Click(); }), Shown{});
  EXPECT_TRUE(s.app().grafodporu().Shown());
}

// ---- Coefficient conversion

TEST(CoefficientConversion, ActivationTakesTheCalculationWindowsValues) {
  Session s;
  Tvstup& calc = s.w();
  Tkoeficienty& k = s.app().koeficienty();
  ASSERT_EQ(s.Act([&] { calc.RadioGroup5.Pick(0); }), Shown{});
  calc.ComboBox6.Pick(kDragG7);
  calc.Edit4.SetText("812,5");
  s.platform().ShowWindow(k, false);
  EXPECT_EQ(k.RadioGroup1.ItemIndex(), 0);
  EXPECT_EQ(k.Label1.Caption(), "Koeficient tvaru:");
  EXPECT_FALSE(k.Label2.Visible());
  EXPECT_EQ(k.Edit1.Text(), calc.Edit1.Text());
  EXPECT_EQ(k.Edit2.Text(), "10,89");
  EXPECT_EQ(k.Edit3.Text(), "7,85");
  EXPECT_EQ(k.Edit4.Text(), "812,5");
  EXPECT_EQ(k.ComboBox1.ItemIndex(), kDragG7);
  EXPECT_EQ(k.ComboBox1.Text(), "G7");

  // The variable coefficient is taken as a coefficient.
  ASSERT_EQ(s.Act([&] { calc.RadioGroup5.Pick(2); }), Shown{});
  s.platform().ShowWindow(k, false);
  EXPECT_EQ(k.RadioGroup1.ItemIndex(), 1);
  EXPECT_EQ(k.Label1.Caption(), "Balistický koeficient:");
  EXPECT_TRUE(k.Label2.Visible());
}

struct Refusal {
  std::string name;
  std::vector<std::pair<std::string, std::string>> fields;  // control of Tkoeficienty, value
  int calcFunction;
  std::string message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
  *os << r.name;
}

class ConversionRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(ConversionRefusal, ShowsOneMessageAndAddsNothing) {
  Session s;
  Tkoeficienty& k = s.app().koeficienty();
  s.w().ComboBox6.Pick(GetParam().calcFunction);
  s.platform().ShowWindow(k, false);
  for (const auto& [control, value] : GetParam().fields) uitest::Apply(k, control, value);
  const std::vector<std::string> before = k.Memo1.Lines();
  EXPECT_EQ(s.Act([&] { k.Button1.Click(); }), Shown{Msg(GetParam().message)});
  EXPECT_EQ(k.Memo1.Lines(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ConversionRefusal,
    testing::Values(
        Refusal{"loaded_while_G7", {{"ComboBox1", "0"}}, kDragG7, "Není načtena funkce odporu"},
        Refusal{"form_factor_zero",
                {{"RadioGroup1", "0"}, {"Edit1", "0"}},
                kDragG1,
                "Koeficient tvaru menší nebo roven nule."},
        Refusal{"coefficient_negative",
                {{"RadioGroup1", "1"}, {"Edit1", "-0,3"}},
                kDragG1,
                "Balistický koeficient menší nebo roven nule."},
        Refusal{"speed_zero", {{"Edit4", "0"}}, kDragG1, "Rychlost mimo rozsah 0 až 1700 m/s."},
        Refusal{"speed_above_tables",
                {{"Edit4", "1700,2"}},
                kDragG1,
                "Rychlost mimo rozsah 0 až 1700 m/s."},
        Refusal{"mass_zero", {{"Edit2", "0"}}, kDragG1, "Hmotnost menší nebo rovna nule."},
        Refusal{"diameter_zero", {{"Edit3", "0"}}, kDragG1, "Průměr střely menší nebo roven nule."},
        Refusal{"not_a_number", {{"Edit4", "8OO"}}, kDragG1, "'8OO' není platné desetinné číslo."}),
    [](const auto& info) { return info.param.name; });

// The lines a conversion adds, without the memo's earlier lines.
std::vector<std::string> Convert(Session& s, const std::string& speed) {
  Tkoeficienty& k = s.app().koeficienty();
  k.Edit4.SetText(speed);
  const size_t before = k.Memo1.Lines().size();
  EXPECT_EQ(s.Act([&] { k.Button1.Click(); }), Shown{});
  return {k.Memo1.Lines().begin() + before, k.Memo1.Lines().end()};
}

TEST(CoefficientConversion, G1LineShowsTheFormFactorOfTheCalculationWindow) {
  Session s;
  Tkoeficienty& k = s.app().koeficienty();
  s.platform().ShowWindow(k, false);  // 10,89 g, 7,85 mm, 800 m/s, G1 coefficient 0,462
  ASSERT_EQ(k.RadioGroup1.ItemIndex(), 1);
  const std::vector<std::string> lines = Convert(s, "800");
  ASSERT_EQ(lines.size(), 24u);
  ASSERT_EQ(s.Act([&] { s.w().RadioGroup5.Pick(0); }), Shown{});
  const std::string shown = s.w().Edit1.Text();  // "0,5441" with the decimal comma
  std::string expected =
      "  Koeficient tvaru (G1):        " + std::string(9 - shown.size(), ' ') + shown + "  ";
  std::replace(expected.begin(), expected.end(), ',', '.');
  EXPECT_EQ(lines[1], expected);
  EXPECT_EQ(lines[12], "  Balistický koeficient (G1)      [lb/in2]:       0.4620  ");
}

TEST(CoefficientConversion, VelocityIsRoundedToWholeMetresPerSecond) {
  Session s;
  s.platform().ShowWindow(s.app().koeficienty(), false);
  s.app().koeficienty().RadioGroup1.Pick(0);
  // GL changes slope at 782.7 and 816.7 m/s, so the neighbouring speeds give other lines.
  s.app().koeficienty().ComboBox1.Pick(kDragGL);
  EXPECT_EQ(Convert(s, "800,4"), Convert(s, "800"));
  EXPECT_EQ(Convert(s, "800,5"), Convert(s, "801"));
  EXPECT_NE(Convert(s, "800"), Convert(s, "801"));
}

TEST(CoefficientConversion, LoadedFunctionUsesTheGridOfTheCalculationWindow) {
  Session s;
  Tkoeficienty& k = s.app().koeficienty();
  s.w().ComboBox6.Pick(kDragLoaded);  // by hand: the G1 grid stays in use
  s.platform().ShowWindow(k, false);
  ASSERT_EQ(k.ComboBox1.ItemIndex(), kDragLoaded);
  k.RadioGroup1.Pick(0);
  k.Edit1.SetText("1");
  const std::vector<std::string> lines = Convert(s, "300");
  EXPECT_EQ(lines[1], "  Koeficient tvaru (G1):           1.0000  ");
  k.Button2.Click();
  EXPECT_TRUE(k.Memo1.Lines().empty());
}

// ---- Drag function graph

double CurveValueAt(const TCurveSlot& slot, double speed) {
  for (int p = 0; p < slot.Count(); ++p) {
    if (slot.x[p] == speed) return slot.y[p];
  }
  ADD_FAILURE() << "no point at " << speed;
  return 0;
}

TEST(DragGraph, FormFactorOneDrawsTheChosenFunction) {
  Session s;
  Tvstup& calc = s.w();
  Tgrafodporu& g = s.app().grafodporu();
  calc.ComboBox6.Pick(kDragG7);
  ASSERT_EQ(s.Act([&] { calc.RadioGroup5.Pick(0); }), Shown{});
  calc.Edit1.SetText("1");
  ASSERT_EQ(s.Act([&] { calc.Button16.Click(); }), Shown{});
  const TDragGrid& grid = calc.computation().dragGrid;
  for (int v = 0; v <= kDragGridMax; ++v) ASSERT_EQ(g.Coefficients()[v], grid.cd[v]) << v;
  const TCurveSlot& slot = g.graph().Slot(0);
  EXPECT_TRUE(slot.visible);
  EXPECT_EQ(slot.Count(), 851);
  EXPECT_EQ(slot.x[850], 1700);
  EXPECT_EQ(slot.y[850], grid.cd[1700]);
}

TEST(DragGraph, VariableBandsJumpAtTheSecondBandsSpeed) {
  Session s;
  Tvstup& calc = s.w();
  ASSERT_EQ(s.Act([&] { calc.RadioGroup5.Pick(2); }), Shown{});
  calc.CheckBox6.Click();  // bands 3 and 4 off: bands 1 and 2 only
  calc.CheckBox7.Click();
  ASSERT_EQ(s.Act([&] { calc.Button16.Click(); }), Shown{});
  const TCurveSlot& slot = s.app().grafodporu().graph().Slot(0);
  const TDragGrid& grid = calc.computation().dragGrid;
  const double m = 10.89e-3, d = 7.85e-3;
  EXPECT_DOUBLE_EQ(CurveValueAt(slot, 792), FormFactorFromCoefficient(m, d, 0.447) * grid.cd[792]);
  EXPECT_DOUBLE_EQ(CurveValueAt(slot, 794), FormFactorFromCoefficient(m, d, 0.462) * grid.cd[794]);
  EXPECT_DOUBLE_EQ(s.app().grafodporu().Coefficients()[793],
                   FormFactorFromCoefficient(m, d, 0.462) * grid.cd[793]);
  // The last band chosen stays the engine's coefficient.
  EXPECT_DOUBLE_EQ(calc.computation().in.ballisticCoefficient, 0.462);
}

TEST(DragGraph, FailedActivationKeepsThePreviousCurve) {
  Session s;
  Tvstup& calc = s.w();
  Tgrafodporu& g = s.app().grafodporu();
  ASSERT_EQ(s.Act([&] { calc.Button16.Click(); }), Shown{});
  const TCurveSlot before = g.graph().Slot(0);
  calc.Edit1.SetText("0");
  EXPECT_EQ(s.Act([&] { calc.Button16.Click(); }),
            Shown{Msg("Balistický koeficient menší nebo roven nule.")});
  EXPECT_EQ(g.graph().Slot(0).y, before.y);
  calc.Edit1.SetText("0,462");
  calc.Edit3.SetText("0");
  EXPECT_EQ(s.Act([&] { calc.Button16.Click(); }),
            Shown{Msg("Průměr střely menší nebo roven nule.")});
  EXPECT_EQ(g.graph().Slot(0).y, before.y);
}

TEST(DragGraph, ClonesKeepEarlierCurvesUntilCleared) {
  Session s;
  Tvstup& calc = s.w();
  Tgrafodporu& g = s.app().grafodporu();
  ASSERT_EQ(s.Act([&] { calc.Button16.Click(); }), Shown{});
  g.Button1.Click();
  calc.ComboBox6.Pick(kDragG7);
  ASSERT_EQ(s.Act([&] { calc.Button16.Click(); }), Shown{});
  g.Button3.Click();
  EXPECT_NE(g.graph().Slot(1).y, g.graph().Slot(0).y);
  EXPECT_EQ(g.graph().Slot(3).y, g.graph().Slot(0).y);
  EXPECT_FALSE(g.graph().Slot(2).visible);
  g.Button4.Click();
  for (int slot : {1, 2, 3}) EXPECT_FALSE(g.graph().Slot(slot).visible) << slot;
  EXPECT_TRUE(g.graph().Slot(0).visible);
}

TEST(DragGraph, SavesUnderExactlyTheTypedName) {
  Session s;
  Tgrafodporu& g = s.app().grafodporu();
  std::vector<std::string> written;
  s.platform().pictureWriter = [&](const forms::Canvas&, const std::string& path) {
    written.push_back(path);
    return true;
  };
  s.platform().QueueFileAnswer("porovnani");
  s.platform().QueueFileAnswer(std::nullopt);
  EXPECT_EQ(s.Act([&] { g.Button6.Click(); }), Shown{});
  EXPECT_EQ(s.Act([&] { g.Button6.Click(); }), Shown{});
  EXPECT_EQ(written, std::vector<std::string>{"porovnani"});
  const forms::FileDialogOptions& options = s.platform().Dialogs().front();
  EXPECT_EQ(options.defaultName, "Odpor.bmp");
  EXPECT_EQ(options.defaultExt, "");
  EXPECT_EQ(options.filter, "Obrázek  (*.bmp)|*.bmp");
  EXPECT_TRUE(options.overwritePrompt);
}

}  // namespace
