// Control effects of the calculation window: what each control does on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Round;
using uitest::Session;
using uitest::Shown;

constexpr double kLbPerIn2 = 0.001422341;  // kg/m2 to lb/in2
const char* const kCoefficientCaption = "Balistický koeficient:";
const char* const kFormFactorCaption = "Koeficient tvaru:";

double FormFactorOf(double massKg, double diameterM, double bc) {
  return massKg * kLbPerIn2 / (bc * diameterM * diameterM);
}

// ---- RadioGroup5 "Při výpočtu použít"

struct RoundTripCase {
  std::string name;
  const char* diameterMm;
  double diameterM;
  const char* formFactorText;  // worked out by hand from the documented formula
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
  *os << c.name;
}

class CoefficientRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(CoefficientRoundTrip, FormFactorAndBackRestoresCoefficient) {
  Session s;
  Tvstup& w = s.w();
  w.Edit3.SetText(GetParam().diameterMm);

  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(0); }), Shown{});
  const double formFactor = Round(FormFactorOf(10.89e-3, GetParam().diameterM, 0.462), 4);
  EXPECT_EQ(w.Edit1.Text(), FormatNumber(formFactor));
  EXPECT_EQ(w.Edit1.Text(), GetParam().formFactorText);
  EXPECT_EQ(w.Label1.Caption(), kFormFactorCaption);
  EXPECT_FALSE(w.Label2.Visible());

  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(1); }), Shown{});
  const double back = Round(FormFactorOf(10.89e-3, GetParam().diameterM, formFactor), 4);
  EXPECT_EQ(w.Edit1.Text(), FormatNumber(back));
  EXPECT_EQ(w.Edit1.Text(), "0,462");
  EXPECT_EQ(w.Label1.Caption(), kCoefficientCaption);
  EXPECT_TRUE(w.Label2.Visible());
  EXPECT_EQ(w.Label2.Caption(), "lb/in2");
}

INSTANTIATE_TEST_SUITE_P(Diameters, CoefficientRoundTrip,
                         testing::Values(RoundTripCase{"D7_85mm", "7,85", 7.85e-3, "0,5441"},
                                         RoundTripCase{"D7_62mm", "7,62", 7.62e-3, "0,5774"}),
                         [](const auto& info) { return info.param.name; });

TEST(CoefficientMode, VariableThenCoefficientKeepsCoefficientText) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(2); }), Shown{});
  EXPECT_FALSE(w.Edit1.Enabled());
  EXPECT_EQ(w.Label1.Caption(), kCoefficientCaption);
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(1); }), Shown{});
  // Converting 0,462 as a form factor would give 0,5441.
  EXPECT_EQ(w.Edit1.Text(), "0,462");
  EXPECT_TRUE(w.Edit1.Enabled());
  EXPECT_EQ(w.Label1.Caption(), kCoefficientCaption);
}

TEST(CoefficientMode, FormFactorThenVariableThenCoefficientConverts) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(0); }), Shown{});
  ASSERT_EQ(w.Edit1.Text(), "0,5441");
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(2); }), Shown{});
  EXPECT_EQ(w.Edit1.Text(), "0,5441");
  EXPECT_EQ(w.Label1.Caption(), kFormFactorCaption);
  EXPECT_FALSE(w.Label2.Visible());
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(1); }), Shown{});
  EXPECT_EQ(w.Edit1.Text(), "0,462");
  EXPECT_EQ(w.Label1.Caption(), kCoefficientCaption);
}

// Variable BC enables bands 1 and 2, the switched-on bands and the switches; leaving it
// disables them all again.
TEST(CoefficientMode, BandFieldsFollowModeAndSwitches) {
  Session s;
  Tvstup& w = s.w();
  struct Field {
    const char* name;
    forms::Control* control;
    bool inVariableMode;  // band 5 is switched off at start
  };
  const std::vector<Field> fields = {
      {"Edit30", &w.Edit30, true},       {"Edit36", &w.Edit36, true},
      {"Edit31", &w.Edit31, true},       {"Edit37", &w.Edit37, true},
      {"Edit32", &w.Edit32, true},       {"Edit38", &w.Edit38, true},
      {"Edit34", &w.Edit34, true},       {"Edit39", &w.Edit39, true},
      {"Edit35", &w.Edit35, false},      {"Edit40", &w.Edit40, false},
      {"CheckBox6", &w.CheckBox6, true}, {"CheckBox7", &w.CheckBox7, true},
      {"CheckBox9", &w.CheckBox9, true},
  };
  for (const auto& f : fields) EXPECT_FALSE(f.control->Enabled()) << "start: " << f.name;

  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(2); }), Shown{});
  for (const auto& f : fields) EXPECT_EQ(f.control->Enabled(), f.inVariableMode) << f.name;

  w.CheckBox9.Click();
  w.CheckBox6.Click();
  EXPECT_TRUE(w.Edit35.Enabled());
  EXPECT_TRUE(w.Edit40.Enabled());
  EXPECT_FALSE(w.Edit32.Enabled());
  EXPECT_FALSE(w.Edit38.Enabled());

  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(1); }), Shown{});
  for (const auto& f : fields) EXPECT_FALSE(f.control->Enabled()) << "mode 1: " << f.name;
}

TEST(CoefficientMode, NonNumericMassStopsHandlerAndLeavesCoefficient) {
  Session s;
  Tvstup& w = s.w();
  w.Edit2.SetText("abc");
  const Shown shown = s.Act([&] { w.RadioGroup5.Pick(0); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("'abc'"), std::string::npos) << shown[0];
  EXPECT_EQ(w.Edit1.Text(), "0,462");
  EXPECT_EQ(w.Label1.Caption(), kCoefficientCaption);
}

// ---- Wind entry

TEST(WindEntry, SpeedAndAngleForcesConstantCrossWindUntilBack) {
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup4.Pick(1);
  ASSERT_TRUE(w.ComboBox3.Enabled());

  w.RadioGroup7.Pick(1);
  EXPECT_EQ(w.RadioGroup4.ItemIndex(), 0);
  EXPECT_FALSE(w.RadioGroup4.Enabled());
  EXPECT_TRUE(w.Edit10.Enabled());
  EXPECT_FALSE(w.ComboBox3.Enabled());
  EXPECT_FALSE(w.Edit49.Enabled());
  EXPECT_EQ(w.Label6.Caption(), "Velikost větru:");
  EXPECT_EQ(w.Label7.Caption(), "Úhel větru:");
  EXPECT_EQ(w.Label8.Caption(), "stup.");

  w.RadioGroup7.Pick(0);
  EXPECT_TRUE(w.RadioGroup4.Enabled());
  EXPECT_EQ(w.RadioGroup4.ItemIndex(), 0);
  EXPECT_EQ(w.Label6.Caption(), "Příčný vítr:");
  EXPECT_EQ(w.Label7.Caption(), "Podélný vítr:");
  EXPECT_EQ(w.Label8.Caption(), "m/s");
}

class StationCount : public testing::TestWithParam<int> {};

TEST_P(StationCount, EnablesUsedStationsButNeverFirstDistance) {
  const int n = GetParam();
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup4.Pick(1);
  w.ComboBox3.Pick(n - 2);
  forms::Edit* distances[] = {&w.Edit44, &w.Edit45, &w.Edit46, &w.Edit47, &w.Edit48};
  forms::Edit* winds[] = {&w.Edit49, &w.Edit50, &w.Edit51, &w.Edit52, &w.Edit53};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(winds[i]->Enabled(), i < n) << winds[i]->Name();
    EXPECT_EQ(distances[i]->Enabled(), i > 0 && i < n) << distances[i]->Name();
  }
  EXPECT_FALSE(w.Edit10.Enabled());

  w.RadioGroup4.Pick(0);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FALSE(winds[i]->Enabled()) << winds[i]->Name();
    EXPECT_FALSE(distances[i]->Enabled()) << distances[i]->Name();
  }
  EXPECT_FALSE(w.ComboBox3.Enabled());
  EXPECT_TRUE(w.Edit10.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Counts, StationCount, testing::Values(2, 3, 4, 5),
                         [](const auto& info) { return "Stations" + std::to_string(info.param); });

// ---- Solving mode and click counter

TEST(SolveMode, ZeroPointShiftsDistanceFieldAndShowsHeight) {
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup3.Pick(2);
  EXPECT_EQ(w.Edit19.OffsetX(), -24);
  EXPECT_TRUE(w.Edit19.Usable());
  EXPECT_TRUE(w.Edit63.Usable());
  EXPECT_FALSE(w.Edit6.Visible());
  EXPECT_EQ(w.Label3.Caption(), "Záměrná X,Y:");
  EXPECT_EQ(w.Label4.Caption(), "m");

  w.RadioGroup3.Pick(1);
  EXPECT_EQ(w.Edit19.OffsetX(), 0);
  EXPECT_TRUE(w.Edit19.Usable());
  EXPECT_FALSE(w.Edit63.Visible());
  EXPECT_FALSE(w.Edit63.Enabled());
  EXPECT_EQ(w.Label3.Caption(), "Záměrná vzálenost:");

  w.RadioGroup3.Pick(2);
  w.RadioGroup3.Pick(0);
  EXPECT_EQ(w.Edit19.OffsetX(), 0);
  EXPECT_TRUE(w.Edit6.Usable());
  EXPECT_FALSE(w.Edit19.Visible());
  EXPECT_FALSE(w.Edit63.Visible());
  EXPECT_EQ(w.Label3.Caption(), "Úhel výstřelu:");
  EXPECT_EQ(w.Label4.Caption(), "stup.");
}

struct ClickCase {
  std::string name;
  int item;
  const char* own;  // Edit24 for the last two items
  double clickDeg;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
  *os << c.name;
}

class ClickCounter : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickCounter, AddsClicksToAngle) {
  Session s;
  Tvstup& w = s.w();
  w.ComboBox2.Pick(GetParam().item);
  w.Edit24.SetText(GetParam().own);

  double angle = 0.1;
  for (int i = 1; i <= 3; ++i) {
    ASSERT_EQ(s.Act([&] { w.UpDown1.Click(true); }), Shown{});
    angle = Round(angle + GetParam().clickDeg, 6);
    EXPECT_EQ(w.Edit6.Text(), FormatNumber(angle)) << "after click " << i;
  }
  EXPECT_EQ(w.Label12.Caption(), "3");
  EXPECT_EQ(w.RadioGroup3.ItemIndex(), 0);
  EXPECT_TRUE(w.Edit6.Usable());
  EXPECT_FALSE(w.Edit19.Visible());
  EXPECT_FALSE(w.Edit63.Visible());

  ASSERT_EQ(s.Act([&] { w.UpDown1.Click(false); }), Shown{});
  angle = Round(angle - GetParam().clickDeg, 6);
  EXPECT_EQ(w.Edit6.Text(), FormatNumber(angle));
  EXPECT_EQ(w.Label12.Caption(), "2");

  const std::string kept = w.Edit6.Text();
  w.Button8.Click();
  EXPECT_EQ(w.Label12.Caption(), "0");
  EXPECT_EQ(w.UpDown1.Position(), 0);
  EXPECT_EQ(w.Edit6.Text(), kept);
}

INSTANTIATE_TEST_SUITE_P(Items, ClickCounter,
                         testing::Values(ClickCase{"QuarterMoa", 2, "10", 1.0 / 240},
                                         ClickCase{"HalfMoa", 0, "10", 1.0 / 120},
                                         ClickCase{"OwnTenMmPer100m", 7, "10",
                                                   std::atan(1e-4) * 180 / M_PI},
                                         ClickCase{"OwnTwoMoa", 8, "2", 2.0 / 60}),
                         [](const auto& info) { return info.param.name; });

TEST(ClickCounter, QuarterMoaThreeUpClicksFromStartShowExactAngle) {
  Session s;
  Tvstup& w = s.w();
  for (int i = 0; i < 3; ++i) w.UpDown1.Click(true);
  // 0,1 + 1/240 rounded to 6 decimals each time: 0,104167; 0,108334; 0,112501.
  EXPECT_EQ(w.Edit6.Text(), "0,112501");
}

TEST(ClickCounter, NonNumericAngleStopsAndKeepsField) {
  Session s;
  Tvstup& w = s.w();
  w.Edit6.SetText("abc");
  const Shown shown = s.Act([&] { w.UpDown1.Click(true); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("'abc'"), std::string::npos) << shown[0];
  EXPECT_EQ(w.Edit6.Text(), "abc");
}

// ---- Click value list

struct ListedClick {
  int item;
  double clickDeg;
};

TEST(ClickValue, ListedItemsStoreTheirValueAtOnce) {
  const std::vector<ListedClick> items = {{0, 1.0 / 120},  {1, 1.0 / 180},   {2, 1.0 / 240},
                                          {3, 1.0 / 480},  {4, 0.005729577}, {5, 0.004010704},
                                          {6, 0.002864788}};
  Session s;
  Tvstup& w = s.w();
  EXPECT_DOUBLE_EQ(w.computation().in.clickDeg, 1.0 / 240);
  for (const auto& c : items) {
    w.ComboBox2.Pick(c.item);
    EXPECT_DOUBLE_EQ(w.computation().in.clickDeg, c.clickDeg) << "item " << c.item;
    EXPECT_FALSE(w.Edit24.Enabled()) << "item " << c.item;
  }
}

struct OwnClickCase {
  std::string name;
  int item;
  const char* unit;
  const char* value;
  double clickDeg;
};

void PrintTo(const OwnClickCase& c, std::ostream* os) {
  *os << c.name;
}

class OwnClickValue : public testing::TestWithParam<OwnClickCase> {};

TEST_P(OwnClickValue, FieldUnitAndRead) {
  Session s;
  Tvstup& w = s.w();
  w.ComboBox2.Pick(GetParam().item);
  EXPECT_TRUE(w.Edit24.Enabled());
  EXPECT_EQ(w.Label5.Caption(), GetParam().unit);
  w.Edit24.SetText(GetParam().value);
  ASSERT_EQ(s.Act([&] { w.ReadShotInputs(); }), Shown{});
  EXPECT_NEAR(w.computation().in.clickDeg, GetParam().clickDeg, 1e-10);

  w.ComboBox2.Pick(2);
  EXPECT_FALSE(w.Edit24.Enabled());
  EXPECT_DOUBLE_EQ(w.computation().in.clickDeg, 1.0 / 240);
}

INSTANTIATE_TEST_SUITE_P(Items, OwnClickValue,
                         testing::Values(OwnClickCase{"Millimetres", 7, "mm/100m", "10",
                                                      std::atan(10 * 0.001 * 0.01) * 180 / M_PI},
                                         OwnClickCase{"MillimetresFraction", 7, "mm/100m", "3,5",
                                                      std::atan(3.5 * 0.001 * 0.01) * 180 / M_PI},
                                         OwnClickCase{"Moa", 8, "MOA", "10", 10.0 / 60},
                                         OwnClickCase{"MoaFraction", 8, "MOA", "0,25", 0.25 / 60}),
                         [](const auto& info) { return info.param.name; });

// ---- Integration step

TEST(IntegrationStep, StartsAtHalfMillisecondUntilBarMoves) {
  Session s;
  Tvstup& w = s.w();
  EXPECT_EQ(w.ScrollBar1.Position(), 10);
  EXPECT_EQ(w.Label50.Caption(), "1");
  EXPECT_DOUBLE_EQ(w.computation().in.stepS, 0.0005);

  struct Move {
    int position;
    const char* label;
  };
  for (const Move m : {Move{8, "0,8"}, Move{300, "30"}, Move{1, "0,1"}, Move{25, "2,5"}}) {
    w.ScrollBar1.Scroll(m.position);
    EXPECT_EQ(w.Label50.Caption(), m.label) << "position " << m.position;
    EXPECT_DOUBLE_EQ(w.computation().in.stepS, m.position * 0.0001) << "position " << m.position;
  }
}

// ---- Earth: CheckBox10 and CheckBox11

struct EarthCase {
  std::string name;
  std::vector<const char*> clicks;  // in order
  bool azimuth, latitude, gravity;  // Edit54, Edit56, Edit58 enabled
};

void PrintTo(const EarthCase& c, std::ostream* os) {
  *os << c.name;
}

class EarthBoxes : public testing::TestWithParam<EarthCase> {};

TEST_P(EarthBoxes, EnableTheirFields) {
  Session s;
  Tvstup& w = s.w();
  for (const char* box : GetParam().clicks) {
    if (std::string(box) == "CheckBox10") w.CheckBox10.Click();
    if (std::string(box) == "CheckBox11") w.CheckBox11.Click();
  }
  EXPECT_EQ(w.Edit54.Enabled(), GetParam().azimuth);
  EXPECT_EQ(w.Edit56.Enabled(), GetParam().latitude);
  EXPECT_EQ(w.Edit58.Enabled(), GetParam().gravity);
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, EarthBoxes,
    testing::Values(
        EarthCase{"BothOff", {}, false, false, true},
        EarthCase{"GravityByLatitudeOnly", {"CheckBox11"}, false, true, false},
        EarthCase{"CoriolisOnly", {"CheckBox10"}, true, true, true},
        EarthCase{"Both", {"CheckBox11", "CheckBox10"}, true, true, false},
        EarthCase{
            "BothThenGravityOff", {"CheckBox10", "CheckBox11", "CheckBox11"}, true, true, true},
        EarthCase{
            "BothThenCoriolisOff", {"CheckBox11", "CheckBox10", "CheckBox10"}, false, true, false},
        EarthCase{"BothOnAndOffAgain",
                  {"CheckBox11", "CheckBox10", "CheckBox11", "CheckBox10"},
                  false,
                  false,
                  true}),
    [](const auto& info) { return info.param.name; });

// ---- Other enabling switches

TEST(Switches, PressureModeSpinDriftAndRangeLimitsEnableTheirFields) {
  Session s;
  Tvstup& w = s.w();
  EXPECT_FALSE(w.Edit8.Enabled());
  EXPECT_TRUE(w.Edit29.Enabled());
  w.RadioGroup6.Pick(0);
  EXPECT_TRUE(w.Edit8.Enabled());
  EXPECT_FALSE(w.Edit29.Enabled());
  w.RadioGroup6.Pick(1);
  EXPECT_FALSE(w.Edit8.Enabled());
  EXPECT_TRUE(w.Edit29.Enabled());

  const std::vector<forms::Control*> shape = {&w.Edit57, &w.Edit59, &w.Edit60,   &w.Edit61,
                                              &w.Edit62, &w.Edit12, &w.ComboBox5};
  for (auto* c : shape) EXPECT_FALSE(c->Enabled()) << c->Name();
  w.CheckBox3.Click();
  for (auto* c : shape) EXPECT_TRUE(c->Enabled()) << c->Name();
  w.CheckBox3.Click();
  for (auto* c : shape) EXPECT_FALSE(c->Enabled()) << c->Name();

  EXPECT_FALSE(w.Edit15.Enabled());
  EXPECT_TRUE(w.Edit16.Enabled());
  w.CheckBox4.Click();
  w.CheckBox5.Click();
  EXPECT_TRUE(w.Edit15.Enabled());
  EXPECT_FALSE(w.Edit16.Enabled());
}

// ---- Incline conversion

struct InclineCase {
  std::string name;
  const char* slant;
  const char* angle;
  double slantM, angleDeg;
};

void PrintTo(const InclineCase& c, std::ostream* os) {
  *os << c.name;
}

class InclineFields : public testing::TestWithParam<InclineCase> {};

TEST_P(InclineFields, HorizontalAndBackReturnsSlantAndAngle) {
  const double rad = 0.0174532925239284;
  const double L = GetParam().slantM, theta = GetParam().angleDeg;
  Session s;
  Tvstup& w = s.w();
  w.Edit7.SetText(GetParam().slant);
  w.Edit14.SetText(GetParam().angle);

  ASSERT_EQ(s.Act([&] { w.RadioButton1.Click(); }), Shown{});
  const double x = Round(L * std::cos(theta * rad), 1);
  const double h = Round(L * std::sin(theta * rad), 1);
  EXPECT_EQ(w.Edit7.Text(), FormatNumber(x));
  EXPECT_EQ(w.Edit14.Text(), FormatNumber(h));
  EXPECT_TRUE(w.RadioButton1.Checked());
  EXPECT_FALSE(w.RadioButton2.Checked());
  EXPECT_EQ(w.Label9.Caption(), "Vodorovná vzd.:");
  EXPECT_EQ(w.Label10.Caption(), "Výška:");
  EXPECT_EQ(w.Label11.Caption(), "m");

  ASSERT_EQ(s.Act([&] { w.RadioButton2.Click(); }), Shown{});
  const double angle = Round(std::atan(h / x) * 57.2957795, 1);
  EXPECT_EQ(w.Edit14.Text(), FormatNumber(angle));
  EXPECT_EQ(w.Edit7.Text(), FormatNumber(Round(x / std::cos(angle * rad), 1)));
  EXPECT_NEAR(ParseNumber(w.Edit14.Text()), theta, 0.1);
  EXPECT_NEAR(ParseNumber(w.Edit7.Text()), L, 0.1);
  EXPECT_FALSE(w.RadioButton1.Checked());
  EXPECT_TRUE(w.RadioButton2.Checked());
  EXPECT_EQ(w.Label9.Caption(), "Šikmá vzd.:");
  EXPECT_EQ(w.Label10.Caption(), "Úhel:");
  EXPECT_EQ(w.Label11.Caption(), "st.");
}

INSTANTIATE_TEST_SUITE_P(Values, InclineFields,
                         testing::Values(InclineCase{"Start100m45deg", "100", "45", 100, 45},
                                         InclineCase{"Slope250m12_5deg", "250", "12,5", 250, 12.5},
                                         InclineCase{"Far1000m3deg", "1000", "3", 1000, 3},
                                         InclineCase{"Downhill300m20deg", "300", "-20", 300, -20}),
                         [](const auto& info) { return info.param.name; });

// The slant distance is worked out from the angle as shown, after its rounding:
// atan(364,7 / 1000) is 20,037 degrees, shown as 20; 1000 / cos(20°) is 1064,18.
TEST(InclineFieldsText, SlantDistanceUsesShownRoundedAngle) {
  Session s;
  Tvstup& w = s.w();
  w.RadioButton1.Click();
  w.Edit7.SetText("1000");
  w.Edit14.SetText("364,7");
  ASSERT_EQ(s.Act([&] { w.RadioButton2.Click(); }), Shown{});
  EXPECT_EQ(w.Edit14.Text(), "20");
  EXPECT_EQ(w.Edit7.Text(), "1064,2");
}

TEST(InclineFieldsText, NonNumericSlantKeepsSlantMode) {
  Session s;
  Tvstup& w = s.w();
  w.Edit7.SetText("abc");
  const Shown shown = s.Act([&] { w.RadioButton1.Click(); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("'abc'"), std::string::npos) << shown[0];
  EXPECT_EQ(w.Edit7.Text(), "abc");
  EXPECT_EQ(w.Edit14.Text(), "45");
  EXPECT_TRUE(w.RadioButton2.Checked());
  EXPECT_EQ(w.Label9.Caption(), "Šikmá vzd.:");
}

// ---- Start texts follow the separator in force at creation

struct SeparatorCase {
  std::string name;
  char separator;
  const char* angle;
  const char* diameter;
  const char* pressure;
  const char* coefficient;
};

void PrintTo(const SeparatorCase& c, std::ostream* os) {
  *os << c.name;
}

class StartTexts : public testing::TestWithParam<SeparatorCase> {};

TEST_P(StartTexts, UseSeparatorAndComputeWithoutMessage) {
  Session s(GetParam().separator);
  Tvstup& w = s.w();
  EXPECT_EQ(w.Edit6.Text(), GetParam().angle);
  EXPECT_EQ(w.Edit3.Text(), GetParam().diameter);
  EXPECT_EQ(w.Edit8.Text(), GetParam().pressure);
  EXPECT_EQ(w.Edit1.Text(), GetParam().coefficient);

  const size_t linesBefore = w.Memo1.Lines().size();
  EXPECT_EQ(s.Act([&] { w.Button3.Click(); }), Shown{});
  EXPECT_GT(w.Memo1.Lines().size(), linesBefore);
  EXPECT_TRUE(w.Button5.Enabled());
  EXPECT_GT(w.computation().trajectory.stepCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, StartTexts,
    testing::Values(SeparatorCase{"Comma", ',', "0,1", "7,85", "977,9", "0,462"},
                    SeparatorCase{"Point", '.', "0.1", "7.85", "977.9", "0.462"}),
    [](const auto& info) { return info.param.name; });

}  // namespace

// ---- The whole program: twelve windows, each with its caption, and no dead button

TEST(Application, CreatesTheWindowsInOrderAndEveryButtonHasAnAction) {
  Session s;
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Tzakladni", "Vnější trajekta 2018"},
      {"Tvstup", "Vnější trajekta"},
      {"Toprogramu", "O programu"},
      {"Ttabulka", "Seznam nábojů"},
      {"Tprevody", "Převody jednotek"},
      {"Tnmv", "Atmosféra ICAO"},
      {"Tkoeficienty", "Převody koeficientů"},
      {"Tgrafodporu", "Koeficient čelního odporu (Drag Function)"},
      {"Tmildot", "Záměrná osnova"},
      {"Tnastaveniuloz", "Uložení výpočtu do txt "},
      {"Tteplotaprachu", "Přepočet počáteční rychlosti"},
      {"Tenergie", "Energie střely"},
      {"Tzasah", "Pravděpodobnost zásahu"},  // beyond the program's twelve, last
      {"Treseni", "Palebné řešení"},
      {"Tkarta", "Karta do PDF"}};
  std::vector<std::pair<std::string, std::string>> created;
  for (forms::Window* w : s.app().Windows()) {
    created.emplace_back(w->Name(), w->Caption());
    for (forms::Control* c : w->Controls()) {
      if (auto* button = dynamic_cast<forms::Button*>(c)) {
        EXPECT_TRUE(button->OnClick) << w->Name() << "." << c->Name() << " does nothing";
      }
    }
  }
  EXPECT_EQ(created, expected);
}
