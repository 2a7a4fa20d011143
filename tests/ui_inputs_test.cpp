// Reading the computation inputs from the calculation window: messages, their order,
// values written back into the window and the conversions of the fields.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

using Step = std::pair<std::string, std::string>;  // control, what a person does to it

struct CheckCase {
  int check;  // number of the check in the documented order
  std::string name;
  std::vector<Step> steps;
  std::string message;
};

const char* const kAltitudeLow = "Nadmořská výška menší než 0 m.n.m.";
const char* const kAltitudeHigh = "Nadmořská výška větší než 9000 m.n.m.";
const char* const kGravity = "Gravitační zrychlení menší než 0 m/s2";
const char* const kLatitudeLowCz = "Zeměpisná šířka menší než -90 stupňů.";
const char* const kLatitudeHighCz = "Zeměpisná šířka větší než +90 stupňů.";
const char* const kClick = "Klik puškohledu menší nebo roven nule.";
const char* const kStations = "Pořadí stanovišť přehozeno nebo shodné.";
const char* const kMass = "Hmotnost menší nebo rovna nule.";
const char* const kDiameter = "Průměr střely menší nebo roven nule.";
const char* const kVelocityLow = "Rychlost menší nebo rovna nule.";
const char* const kVelocityHigh = "Rychlost větší než 1700 m/s.";
const char* const kAngle = "Úhel větší než 90 stupňů.";
const char* const kZero = "Záměrná vzdálenost menší nebo rovna 1 m.";
const char* const kHumidityLow = "Vlhkost vzduchu menší než 0%.";
const char* const kHumidityHigh = "Vlhkost vzduchu větší než 100%.";
const char* const kColdAir = "Příliš nízká teplota vzduchu.";
const char* const kHotAir = "Příliš vysoká teplota vzduchu.";
const char* const kCrossWind = "Příliš velký příčný vítr.";
const char* const kRangeWind = "Příliš velký podélný vítr.";
const char* const kVerticalWind = "Příliš velký vertikální vítr.";
const char* const kFormFactor = "Koeficient tvaru menší nebo roven nule.";
const char* const kCoefficient = "Balistický koeficient menší nebo roven nule.";
const char* const kBandCoefficient = "Jeden z balistických koeficientů menší nebo roven nule.";
const char* const kBandSpeed = "Jedna z rychlostí menší nebo rovna nule.";
const char* const kChronoLow = "Vzdálenost hradel menší než 0 m.";
const char* const kChronoHigh = "Vzdálenost hradel větší než 30 m.";
const char* const kLatitudeLowEn = "Latitude less than -90 deg.";
const char* const kLatitudeHighEn = "Latitude greater than +90 deg.";
const char* const kTwist = "Stoupání menší nebo rovno 0 cm.";
const char* const kLengthMetres = "Délka střely menší nebo rovna 0 cm.";
const char* const kNoseVsLength = "Délka přední části střely stejná nebo větší než délka střely.";
const char* const kNose = "Délka přední části střely mimo rozsah 0.5 až 3 ráže.";
const char* const kTail = "Délka zadní části střely mimo rozsah 0.1 až 1.2 ráže.";
const char* const kBase = "Průměr zadní části střely mimo rozsah 0.5 až 0.95 ráže.";
const char* const kMeplat = "Průměr přední části střely mimo rozsah 0 až 0.5 ráže.";

// One way a user reaches each check, starting from the window's start values. Cases that
// share a control set it to the same value, so that any two compatible cases can be
// combined. Check 31 (length in calibres) cannot fire on its own: check 30 multiplies the
// same number by a diameter that check 9 has already required to be positive, so every
// length that check 31 would reject is rejected by check 30 first.
const std::vector<CheckCase>& Cases() {
  static const std::vector<CheckCase> cases = {
      {1, "AltitudeBelowZero", {{"Edit29", "-1"}}, kAltitudeLow},
      {2, "AltitudeAbove9000", {{"Edit29", "9000,5"}}, kAltitudeHigh},
      {3, "GravityNegative", {{"Edit58", "-0,01"}}, kGravity},
      {4,
       "LatitudeBelowMinus90ForGravity",
       {{"CheckBox11", "on"}, {"Edit56", "-90,5"}},
       kLatitudeLowCz},
      {5, "LatitudeAbove90ForGravity", {{"CheckBox11", "on"}, {"Edit56", "90,5"}}, kLatitudeHighCz},
      {6, "OwnClickInMillimetresZero", {{"ComboBox2", "7"}, {"Edit24", "0"}}, kClick},
      {6, "OwnClickInMoaNegative", {{"ComboBox2", "8"}, {"Edit24", "-1"}}, kClick},
      {7,
       "VariableWindStationDistanceEqualToPrevious",
       {{"RadioGroup4", "1"}, {"Edit45", "0"}},
       kStations},
      {7,
       "VariableWindThirdStationBeforeSecond",
       {{"RadioGroup4", "1"}, {"ComboBox3", "1"}, {"Edit46", "50"}},
       kStations},
      {8, "MassZero", {{"Edit2", "0"}}, kMass},
      {9, "DiameterZero", {{"Edit3", "0"}}, kDiameter},
      {10, "MuzzleVelocityZero", {{"Edit4", "0"}}, kVelocityLow},
      {11, "MuzzleVelocityAbove1700", {{"Edit4", "1700,1"}}, kVelocityHigh},
      {12, "LaunchAngleAbove90", {{"RadioGroup3", "0"}, {"Edit6", "90,1"}}, kAngle},
      {13, "ZeroDistanceRoundedDownToOne", {{"Edit19", "1,9"}}, kZero},
      {14, "HumidityNegative", {{"Edit9", "-0,1"}}, kHumidityLow},
      {15, "HumidityAbove100", {{"Edit9", "100,1"}}, kHumidityHigh},
      {16, "TemperatureBelowMinus21", {{"Edit13", "-21,1"}}, kColdAir},
      {17, "TemperatureAbove40", {{"Edit13", "40,1"}}, kHotAir},
      {18, "CrossWindAbove100", {{"Edit10", "100,1"}}, kCrossWind},
      {19, "RangeWindBelowMinus100", {{"Edit11", "-100,1"}}, kRangeWind},
      {20, "VerticalWindAbove100", {{"Edit55", "100,1"}}, kVerticalWind},
      {21, "FormFactorZero", {{"RadioGroup5", "0"}, {"Edit1", "0"}}, kFormFactor},
      {22,
       "BallisticCoefficientNegative",
       {{"RadioGroup5", "1"}, {"Edit1", "-0,462"}},
       kCoefficient},
      {23, "FirstBandCoefficientZero", {{"RadioGroup5", "2"}, {"Edit36", "0"}}, kBandCoefficient},
      {24, "FirstBandSpeedZero", {{"RadioGroup5", "2"}, {"Edit30", "0"}}, kBandSpeed},
      {24, "SecondBandSpeedNegative", {{"RadioGroup5", "2"}, {"Edit31", "-1"}}, kBandSpeed},
      {25, "ChronographDistanceNegative", {{"Edit22", "-0,1"}}, kChronoLow},
      {26, "ChronographDistanceAbove30", {{"Edit22", "30,1"}}, kChronoHigh},
      {27,
       "LatitudeBelowMinus90ForCoriolis",
       {{"CheckBox10", "on"}, {"Edit56", "-90,5"}},
       kLatitudeLowEn},
      {28,
       "LatitudeAbove90ForCoriolis",
       {{"CheckBox10", "on"}, {"Edit56", "90,5"}},
       kLatitudeHighEn},
      {29, "TwistZero", {{"CheckBox3", "on"}, {"Edit12", "0"}}, kTwist},
      {30, "LengthZero", {{"CheckBox3", "on"}, {"Edit57", "0"}}, kLengthMetres},
      // Check 31 shadowed: a negative length in calibres shows check 30's message.
      {30,
       "LengthInCalibresNegativeShowsMetreCheck",
       {{"CheckBox3", "on"}, {"Edit57", "-3,98"}},
       kLengthMetres},
      {32, "NoseAsLongAsProjectile", {{"CheckBox3", "on"}, {"Edit59", "3,98"}}, kNoseVsLength},
      {33, "NoseBelowHalfCalibre", {{"CheckBox3", "on"}, {"Edit59", "0,49"}}, kNose},
      {33, "NoseAboveThreeCalibres", {{"CheckBox3", "on"}, {"Edit59", "3,01"}}, kNose},
      {34, "TailBelowTenthCalibre", {{"CheckBox3", "on"}, {"Edit60", "0,09"}}, kTail},
      {34, "TailAbove1_2Calibres", {{"CheckBox3", "on"}, {"Edit60", "1,21"}}, kTail},
      {35, "BaseBelowHalfCalibre", {{"CheckBox3", "on"}, {"Edit61", "0,49"}}, kBase},
      {35, "BaseAbove0_95Calibre", {{"CheckBox3", "on"}, {"Edit61", "0,96"}}, kBase},
      {36, "MeplatNegative", {{"CheckBox3", "on"}, {"Edit62", "-0,01"}}, kMeplat},
      {36, "MeplatAboveHalfCalibre", {{"CheckBox3", "on"}, {"Edit62", "0,51"}}, kMeplat},
  };
  return cases;
}

std::string Join(const Shown& shown) {
  std::string out;
  for (const auto& s : shown) out += (out.empty() ? "" : " | ") + s;
  return out.empty() ? "(nothing)" : out;
}

// Applies the steps as a person would; returns what the steps themselves showed.
Shown ApplySteps(Session& s, const std::vector<Step>& steps) {
  return s.Act([&] {
    for (const auto& [control, value] : steps) uitest::Apply(s.w(), control, value);
  });
}

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << "check " << c.check << " " << c.name;
}

class InputCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(InputCheck, Message) {
  Session s;
  ASSERT_EQ(ApplySteps(s, GetParam().steps), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(GetParam().message)});
}

INSTANTIATE_TEST_SUITE_P(Each, InputCheck, testing::ValuesIn(Cases()), [](const auto& info) {
  return "Check" + std::to_string(info.param.check) + "_" + info.param.name;
});

bool Compatible(const CheckCase& a, const CheckCase& b) {
  for (const auto& [ca, va] : a.steps) {
    for (const auto& [cb, vb] : b.steps) {
      if (ca == cb && va != vb) return false;
    }
  }
  return true;
}

// Every compatible pair of cases fails at once: the earlier check must win. The later
// case is set up first so that its mode switches cannot undo the earlier case's values.
TEST(ReadShotInputsOrder, EarlierCheckWinsForEveryCompatiblePair) {
  const auto& cases = Cases();
  std::vector<std::string> differing;
  int pairs = 0;
  for (const auto& early : cases) {
    for (const auto& late : cases) {
      if (early.check >= late.check || !Compatible(early, late)) continue;
      ++pairs;
      std::vector<Step> steps = late.steps;
      for (const auto& step : early.steps) {
        bool present = false;
        for (const auto& have : steps) present = present || have == step;
        if (!present) steps.push_back(step);
      }
      Session s;
      const Shown setup = ApplySteps(s, steps);
      const Shown shown = s.Act([&] { s.w().ReadShotInputs(); });
      if (!setup.empty() || shown != Shown{Msg(early.message)}) {
        differing.push_back(early.name + " + " + late.name + ": setup " + Join(setup) + ", shown " +
                            Join(shown) + ", expected " + early.message);
      }
    }
  }
  EXPECT_GT(pairs, 500);
  std::ostringstream rows;
  for (const auto& row : differing) rows << "  " << row << "\n";
  EXPECT_TRUE(differing.empty()) << differing.size() << " of " << pairs << " pairs differ:\n"
                                 << rows.str();
}

// Check 31 cannot be reached: whatever the diameter that passed check 9, a length in
// calibres not above zero makes the length in metres not above zero too.
TEST(ReadShotInputsOrder, LengthInCalibresCheckIsAlwaysShadowedByMetreCheck) {
  const std::vector<std::string> diameters = {"7,85", "1e-300", "1e300"};
  const std::vector<std::string> lengths = {"0", "-0", "-1e-300", "-3,98", "-1e300"};
  std::vector<std::string> differing;
  for (const auto& diameter : diameters) {
    for (const auto& length : lengths) {
      Session s;
      const Shown setup =
          ApplySteps(s, {{"Edit3", diameter}, {"CheckBox3", "on"}, {"Edit57", length}});
      const Shown shown = s.Act([&] { s.w().ReadShotInputs(); });
      if (!setup.empty() || shown != Shown{Msg(kLengthMetres)}) {
        differing.push_back("diameter " + diameter + " mm, length " + length +
                            " cal: " + Join(setup) + " / " + Join(shown));
      }
    }
  }
  std::string rows;
  for (const auto& row : differing) rows += "  " + row + "\n";
  EXPECT_TRUE(differing.empty()) << rows;
}

TEST(ReadShotInputsOrder, AltitudeComesBeforeMass) {
  Session s;
  s.w().Edit29.SetText("-5");
  s.w().Edit2.SetText("0");
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kAltitudeLow)});
}

TEST(ReadShotInputsOrder, HumidityComesBeforeCoefficient) {
  Session s;
  s.w().Edit9.SetText("101");
  s.w().Edit1.SetText("0");
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kHumidityHigh)});
}

// Bands are checked one after the other, coefficient then speed of each: a bad speed of
// band 1 wins over a bad coefficient of band 2.
TEST(ReadShotInputsOrder, BandsAreCheckedBandByBand) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup5", "2"}, {"Edit30", "0"}, {"Edit37", "0"}}), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kBandSpeed)});
}

// Band 5 is read last, so its start zeros only show once the earlier bands pass.
TEST(ReadShotInputsOrder, FifthBandSwitchedOnWithStartZerosFailsAfterEarlierBands) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup5", "2"}, {"CheckBox9", "on"}}), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kBandCoefficient)});
  s.w().Edit31.SetText("0");
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kBandSpeed)});
}

TEST(ReadShotInputsOrder, LatitudeWithBothBoxesOnGetsCzechWording) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"CheckBox11", "on"}, {"CheckBox10", "on"}, {"Edit56", "91"}}), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kLatitudeHighCz)});
}

// ---- Station order

struct StationCase {
  std::string name;
  std::vector<Step> steps;
  bool fails;
};

void PrintTo(const StationCase& c, std::ostream* os) {
  *os << c.name;
}

class StationOrder : public testing::TestWithParam<StationCase> {};

TEST_P(StationOrder, Checked) {
  Session s;
  ASSERT_EQ(ApplySteps(s, GetParam().steps), Shown{});
  const Shown expected = GetParam().fails ? Shown{Msg(kStations)} : Shown{};
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StationOrder,
    testing::Values(
        StationCase{"ConstantWindAcceptsAnyOrder",
                    {{"Edit45", "0"}, {"Edit46", "-50"}, {"Edit47", "20"}, {"Edit48", "20"}},
                    false},
        StationCase{
            "VariableWindStartDistancesPass", {{"RadioGroup4", "1"}, {"ComboBox3", "3"}}, false},
        StationCase{
            "TwoStationsIgnoreThirdOutOfOrder", {{"RadioGroup4", "1"}, {"Edit46", "50"}}, false},
        StationCase{"ThreeStationsIgnoreFourthOutOfOrder",
                    {{"RadioGroup4", "1"}, {"ComboBox3", "1"}, {"Edit47", "0"}},
                    false},
        StationCase{"ThreeStationsThirdEqualToSecond",
                    {{"RadioGroup4", "1"}, {"ComboBox3", "1"}, {"Edit46", "100"}},
                    true},
        StationCase{"FiveStationsLastEqualToFourth",
                    {{"RadioGroup4", "1"}, {"ComboBox3", "3"}, {"Edit48", "300"}},
                    true}),
    [](const auto& info) { return info.param.name; });

// ---- Bounds: a value equal to a limit passes

struct BoundCase {
  std::string name;
  std::vector<Step> steps;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
  *os << c.name;
}

class BoundValue : public testing::TestWithParam<BoundCase> {};

TEST_P(BoundValue, PassesWithoutMessage) {
  Session s;
  ASSERT_EQ(ApplySteps(s, GetParam().steps), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundValue,
    testing::Values(BoundCase{"AltitudeZero", {{"Edit29", "0"}}},
                    BoundCase{"Altitude9000", {{"Edit29", "9000"}}},
                    BoundCase{"GravityZero", {{"Edit58", "0"}}},
                    BoundCase{"GravityLatitudeMinus90", {{"CheckBox11", "on"}, {"Edit56", "-90"}}},
                    BoundCase{"CoriolisLatitude90", {{"CheckBox10", "on"}, {"Edit56", "90"}}},
                    BoundCase{"MuzzleVelocity1700", {{"Edit4", "1700"}}},
                    BoundCase{"LaunchAngle90", {{"RadioGroup3", "0"}, {"Edit6", "90"}}},
                    BoundCase{"ZeroDistanceTwo", {{"Edit19", "2"}}},
                    BoundCase{"Humidity100", {{"Edit9", "100"}}},
                    BoundCase{"Temperature40", {{"Edit13", "40"}}},
                    BoundCase{"TemperatureMinus21", {{"Edit13", "-21"}}},
                    BoundCase{"Winds100",
                              {{"Edit10", "-100"}, {"Edit11", "100"}, {"Edit55", "-100"}}},
                    BoundCase{"Chronograph30", {{"Edit22", "30"}}},
                    BoundCase{"FifthBandOffKeepsItsZeros", {{"RadioGroup5", "2"}}},
                    BoundCase{"ShapeLowerBounds",
                              {{"CheckBox3", "on"},
                               {"Edit59", "0,5"},
                               {"Edit60", "0,1"},
                               {"Edit61", "0,5"},
                               {"Edit62", "0"}}},
                    BoundCase{"ShapeUpperBounds",
                              {{"CheckBox3", "on"},
                               {"Edit59", "3"},
                               {"Edit60", "0,51"},
                               {"Edit61", "0,95"},
                               {"Edit62", "0,5"}}},
                    BoundCase{"TailUpperBound", {{"CheckBox3", "on"}, {"Edit60", "1,2"}}}),
    [](const auto& info) { return info.param.name; });

// ---- Fields that hold no number

struct TextCase {
  std::string name;
  std::vector<Step> steps;
  std::string text;  // quoted in the message; empty when the field is not read
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class NonNumericField : public testing::TestWithParam<TextCase> {};

TEST_P(NonNumericField, StopsWhenRead) {
  Session s;
  ASSERT_EQ(ApplySteps(s, GetParam().steps), Shown{});
  const Shown shown = s.Act([&] { s.w().ReadShotInputs(); });
  if (GetParam().text.empty()) {
    EXPECT_EQ(shown, Shown{});
    return;
  }
  ASSERT_EQ(shown.size(), 1u) << Join(shown);
  EXPECT_NE(shown[0].find("'" + GetParam().text + "'"), std::string::npos) << shown[0];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NonNumericField,
    testing::Values(
        TextCase{"MuzzleVelocityLetters", {{"Edit4", "abc"}}, "abc"},
        TextCase{"MassWithPointInCommaLocale", {{"Edit2", "10.89"}}, "10.89"},
        TextCase{"HiddenLaunchAngleIsStillRead", {{"Edit6", "x"}}, "x"},
        TextCase{"StationWindReadWithConstantWind", {{"Edit53", "abc"}}, "abc"},
        TextCase{
            "AltitudeNotReadInDirectPressureMode", {{"RadioGroup6", "0"}, {"Edit29", "abc"}}, ""},
        TextCase{"LatitudeNotReadWithoutItsBoxes", {{"Edit56", "abc"}, {"Edit54", "abc"}}, ""},
        TextCase{"OwnClickNotReadForListedClick", {{"Edit24", "abc"}}, ""},
        TextCase{"TwistNotReadWithoutSpinDrift", {{"Edit12", "abc"}, {"Edit57", "abc"}}, ""},
        TextCase{"BandsNotReadForConstantCoefficient", {{"Edit36", "abc"}, {"Edit30", "abc"}}, ""},
        TextCase{
            "CoefficientFieldNotReadForVariableBc", {{"RadioGroup5", "2"}, {"Edit1", "abc"}}, ""},
        TextCase{"SwitchedOffBandNotRead",
                 {{"RadioGroup5", "2"}, {"CheckBox6", "off"}, {"Edit38", "abc"}},
                 ""}),
    [](const auto& info) { return info.param.name; });

TEST(NonNumericFieldEmpty, ZeroDistanceEmptyIsQuoted) {
  Session s;
  s.w().Edit19.SetText("");
  const Shown shown = s.Act([&] { s.w().ReadShotInputs(); });
  ASSERT_EQ(shown.size(), 1u) << Join(shown);
  EXPECT_NE(shown[0].find("''"), std::string::npos) << shown[0];
}

// ---- Conversions and derived values

TEST(ReadShotInputsValues, StartValuesConvertToSiUnits) {
  Session s;
  Tvstup& w = s.w();
  w.computation().sightLineRiseM = 1.5;
  ASSERT_EQ(s.Act([&] { w.ReadShotInputs(); }), Shown{});
  const TShotInputs& in = w.computation().in;
  EXPECT_DOUBLE_EQ(in.massKg, 10.89 * 0.001);
  EXPECT_DOUBLE_EQ(in.diameterM, 7.85 * 0.001);
  EXPECT_DOUBLE_EQ(in.muzzleVelocity, 800);
  EXPECT_DOUBLE_EQ(in.sightHeightM, 0.04);
  EXPECT_DOUBLE_EQ(in.launchAngleDeg, 0.1);
  EXPECT_DOUBLE_EQ(in.zeroDistanceM, 100);
  EXPECT_DOUBLE_EQ(in.temperatureK, 288.15);
  EXPECT_DOUBLE_EQ(in.gravity, 9.81);
  EXPECT_DOUBLE_EQ(in.ballisticCoefficient, 0.462);
  EXPECT_DOUBLE_EQ(in.formFactor, 10.89e-3 * 0.001422341 / (7.85e-3 * 7.85e-3 * 0.462));
  EXPECT_DOUBLE_EQ(in.clickDeg, 1.0 / 240);
  EXPECT_DOUBLE_EQ(in.tableStepM, 25);
  EXPECT_EQ(in.solveMode, 1);
  EXPECT_EQ(in.stationCount, 2);
  EXPECT_EQ(w.computation().sightLineRiseM, 0);
  // Pressure from altitude 300 m at 15 °C, shown with one decimal.
  const double hPa = uitest::Round(1013.25 * std::pow(288.15 / (288.15 + 0.0065 * 300), 5.258), 1);
  EXPECT_EQ(w.Edit8.Text(), FormatNumber(hPa));
  EXPECT_DOUBLE_EQ(in.pressurePa, hPa * 100);
}

struct WindCase {
  std::string name;
  const char* speed;
  const char* direction;
  double cross, range;
};

void PrintTo(const WindCase& c, std::ostream* os) {
  *os << c.name;
}

class WindBySpeedAndDirection : public testing::TestWithParam<WindCase> {};

TEST_P(WindBySpeedAndDirection, SplitsIntoCrossAndRangeWind) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup7", "1"},
                           {"Edit10", GetParam().speed},
                           {"Edit11", GetParam().direction}}),
            Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_NEAR(s.w().computation().in.crossWind, GetParam().cross, 1e-9);
  EXPECT_NEAR(s.w().computation().in.rangeWind, GetParam().range, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindBySpeedAndDirection,
                         testing::Values(WindCase{"Tailwind", "10", "0", 0, 10},
                                         WindCase{"FromTheLeft", "10", "90", 10, 0},
                                         WindCase{"FromTheRight", "10", "-90", -10, 0},
                                         WindCase{"Thirty", "10", "30", 5, 10 * std::sqrt(0.75)},
                                         WindCase{"Headwind", "4", "180", 0, -4}),
                         [](const auto& info) { return info.param.name; });

TEST(ReadShotInputsWriteBack, AltitudeZeroAt15CShowsRoundedSeaLevelPressure) {
  Session s;
  s.w().Edit29.SetText("0");
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_EQ(s.w().Edit8.Text(), "1013,3");
  EXPECT_DOUBLE_EQ(s.w().computation().in.pressurePa, 101330);
}

TEST(ReadShotInputsWriteBack, ZeroDistanceIsRoundedDownToWholeMetres) {
  Session s;
  s.w().Edit19.SetText("150,7");
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_EQ(s.w().Edit19.Text(), "150");
  EXPECT_EQ(s.w().computation().in.zeroDistanceM, 150);
}

class GravityByLatitude : public testing::TestWithParam<double> {};

TEST_P(GravityByLatitude, ThreeDecimals) {
  const double latitude = GetParam();
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"CheckBox11", "on"}, {"Edit56", FormatNumber(latitude)}}), Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  const double expected =
      uitest::Round((1 - 0.0026 * std::cos(2 * latitude * M_PI / 180)) * 9.80665, 3);
  EXPECT_EQ(s.w().Edit58.Text(), FormatNumber(expected));
  EXPECT_DOUBLE_EQ(s.w().computation().in.gravity, expected);
}

INSTANTIATE_TEST_SUITE_P(Latitudes, GravityByLatitude, testing::Values(0.0, 50.0, -30.0, 90.0),
                         [](const auto& info) {
                           return uitest::TestName("Latitude" + FormatNumber(info.param));
                         });

TEST(ReadShotInputsWriteBack, GravityAt50DegreesShows9_811) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"CheckBox11", "on"}}), Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_EQ(s.w().Edit58.Text(), "9,811");
}

TEST(ReadShotInputsWriteBack, WrittenValuesStayWhenALaterCheckFails) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"Edit29", "0"},
                           {"CheckBox11", "on"},
                           {"Edit56", "0"},
                           {"Edit19", "150,7"},
                           {"Edit9", "-1"}}),
            Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kHumidityLow)});
  EXPECT_EQ(s.w().Edit8.Text(), "1013,3");
  EXPECT_EQ(s.w().Edit58.Text(), "9,781");
  EXPECT_EQ(s.w().Edit19.Text(), "150");
}

TEST(ReadShotInputsWriteBack, PressureWrittenBeforeGravityCheckStays) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"Edit29", "0"}, {"Edit58", "-1"}}), Shown{});
  EXPECT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{Msg(kGravity)});
  EXPECT_EQ(s.w().Edit8.Text(), "1013,3");
}

class AirlessPressure : public testing::TestWithParam<const char*> {};

TEST_P(AirlessPressure, DirectPressureNotAboveZeroPassesSilently) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup6", "0"}, {"Edit8", GetParam()}}), Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_EQ(s.w().computation().in.pressurePa, 1e-11);
  EXPECT_EQ(s.w().Edit8.Text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Pressures, AirlessPressure, testing::Values("0", "-5"),
                         [](const auto& info) { return uitest::TestName(info.param); });

TEST(ReadShotInputsValues, DirectPressureIsTakenInHectopascals) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup6", "0"}, {"Edit8", "1000,5"}}), Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_DOUBLE_EQ(s.w().computation().in.pressurePa, 100050);
  EXPECT_EQ(s.w().Edit8.Text(), "1000,5");
}

struct ZeroDistanceCase {
  std::string name;
  int mode;
  bool passes;
};

void PrintTo(const ZeroDistanceCase& c, std::ostream* os) {
  *os << c.name;
}

class ZeroDistanceZero : public testing::TestWithParam<ZeroDistanceCase> {};

TEST_P(ZeroDistanceZero, PassesOnlyInLaunchAngleMode) {
  Session s;
  ASSERT_EQ(ApplySteps(s, {{"RadioGroup3", std::to_string(GetParam().mode)}, {"Edit19", "0"}}),
            Shown{});
  const Shown shown = s.Act([&] { s.w().ReadShotInputs(); });
  if (GetParam().passes) {
    EXPECT_EQ(shown, Shown{});
    EXPECT_EQ(s.w().computation().in.zeroDistanceM, 999);
    EXPECT_EQ(s.w().Edit19.Text(), "999");
  } else {
    EXPECT_EQ(shown, Shown{Msg(kZero)});
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, ZeroDistanceZero,
                         testing::Values(ZeroDistanceCase{"LaunchAngle", 0, true},
                                         ZeroDistanceCase{"ZeroDistance", 1, false},
                                         ZeroDistanceCase{"ZeroPoint", 2, false}),
                         [](const auto& info) { return info.param.name; });

struct ChronoCase {
  std::string name;
  const char* distance;
  double velocity;
  double tolerance;
};

void PrintTo(const ChronoCase& c, std::ostream* os) {
  *os << c.name;
}

class ChronographCorrection : public testing::TestWithParam<ChronoCase> {};

TEST_P(ChronographCorrection, GivesMuzzleVelocity) {
  Session s;
  ASSERT_EQ(
      ApplySteps(s, {{"RadioGroup6", "0"}, {"Edit8", "1013,25"}, {"Edit22", GetParam().distance}}),
      Shown{});
  ASSERT_EQ(s.Act([&] { s.w().ReadShotInputs(); }), Shown{});
  EXPECT_NEAR(s.w().computation().in.muzzleVelocity, GetParam().velocity, GetParam().tolerance);
  EXPECT_EQ(s.w().Edit4.Text(), "800");
}

INSTANTIATE_TEST_SUITE_P(Distances, ChronographCorrection,
                         testing::Values(ChronoCase{"AtMuzzleUntouched", "0", 800, 0},
                                         ChronoCase{"TenMetres", "10", 806.6, 0.05}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
