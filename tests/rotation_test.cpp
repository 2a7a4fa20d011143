#include <gtest/gtest.h>

#include "engine/Rotation.h"
#include "engine_support.h"

namespace {

class RotationTest : public enginetest::FloatingPointTraps {
 protected:
  // The documented example: a 10.89 g, 7.62 mm boat-tail at 800 m/s with a 30.5 cm twist.
  static TShotInputs Example() {
    TShotInputs in = enginetest::StartInputs();
    in.diameterM = 0.00762;
    in.twistM = 0.305;
    in.lengthCal = 3.98;
    in.noseLengthCal = 1.86;
    in.tailLengthCal = 0.51;
    in.baseDiameterCal = 0.74;
    in.meplatDiameterCal = 0.25;
    return in;
  }
};

TEST_F(RotationTest, ExampleProjectileHasItsDocumentedFigures) {
  TRotation r;
  ComputeRotation(Example(), r);
  EXPECT_NEAR(r.projectileDensity, 11140, 20);
  EXPECT_NEAR(r.axialInertia, 6.77e-08, 0.005e-08);
  EXPECT_NEAR(r.transverseInertia, 5.61e-07, 0.005e-07);
  EXPECT_NEAR(r.cgFromTipCal, 2.40, 0.005);
  EXPECT_NEAR(r.stabilityFactor, 1.62, 0.005);
  EXPECT_NEAR(r.maxTwistCm, 31.7, 0.05);
  EXPECT_NEAR(r.muzzleSpin / kTwoPi, 800 / 0.305, 0.01);
}

TEST_F(RotationTest, MassModelAgreesWithSlicingTheProjectileIntoDiscs) {
  const TShotInputs in = Example();
  TRotation r;
  ComputeRotation(in, r);
  // Radius along the axis: frustum nose, cylinder, frustum boat tail.
  const double d = in.diameterM, R = d / 2, l = in.lengthCal * d;
  const double ln = in.noseLengthCal * d, lt = in.tailLengthCal * d;
  const double rm = in.meplatDiameterCal * R, rb = in.baseDiameterCal * R;
  auto radius = [&](double x) {
    if (x < ln) return rm + (R - rm) * x / ln;
    if (x > l - lt) return R + (rb - R) * (x - (l - lt)) / lt;
    return R;
  };
  const int slices = 200000;
  const double dx = l / slices;
  double volume = 0, moment = 0;
  for (int i = 0; i < slices; ++i) {
    const double x = (i + 0.5) * dx, r2 = radius(x) * radius(x);
    volume += M_PI * r2 * dx;
    moment += M_PI * r2 * dx * x;
  }
  const double rho = in.massKg / volume, cg = moment / volume;
  double ix = 0, iy = 0;
  for (int i = 0; i < slices; ++i) {
    const double x = (i + 0.5) * dx, r2 = radius(x) * radius(x);
    const double dm = rho * M_PI * r2 * dx;
    ix += dm * r2 / 2;
    iy += dm * (r2 / 4 + (x - cg) * (x - cg));
  }
  EXPECT_NEAR(r.axialInertia / ix, 1, 1e-6);
  EXPECT_NEAR(r.transverseInertia / iy, 1, 1e-6);
  EXPECT_NEAR(r.cgFromTipCal, cg / d, 1e-6);
  EXPECT_NEAR(r.projectileDensity / (rho * M_PI / 3.14159), 1, 1e-6);
}

TEST_F(RotationTest, ReportLinesHaveTheirExactFormats) {
  TRotation r;
  ComputeRotation(Example(), r);
  const auto lines = RotationReport(r);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], "  Průměrná hustota střely:                        11141.9  kg/m3");
  EXPECT_EQ(lines[1], "  Podélný moment setrvačnosti:               6.77e-08  kg.m2");
  EXPECT_EQ(lines[2], "  Příčný moment setrvačnosti:                 5.61e-07  kg.m2");
  EXPECT_EQ(lines[3], "  Vzdálenost těžiště od špice:                  2.40  kal");
  EXPECT_EQ(lines[4], "  Statický stabilizační faktor Sg pro v0:   1.62  ");
  EXPECT_EQ(lines[5], "  Maximální stoupání (pro Sg = 1.5):        31.70  cm");
  EXPECT_EQ(lines[6], "  Maximální stoupání (pro Sg = 1.5):        12.48  in");
  EXPECT_EQ(lines[8], "  Počáteční rotace střely:                        2623  ot/s");
  EXPECT_EQ(FinalSpinLine(2000 * kTwoPi),
            "  Koncová rotace střely:                          2000  ot/s");
}

TEST_F(RotationTest, TwistDirectionDoesNotChangeStability) {
  TShotInputs in = Example();
  TRotation right, left;
  ComputeRotation(in, right);
  in.twistLeft = true;
  ComputeRotation(in, left);
  EXPECT_DOUBLE_EQ(left.stabilityFactor, right.stabilityFactor);
}

TEST_F(RotationTest, MomentSlopeIsAStraightLineAcrossTheSpeedOfSound) {
  TRotation r;
  ComputeRotation(Example(), r);
  const double slope = (r.momentSlope[410] - r.momentSlope[310]) / 100;
  for (int j = 310; j <= 410; j += 7) {
    EXPECT_NEAR(r.momentSlope[j], r.momentSlope[310] + slope * (j - 310), 1e-12) << j;
  }
  EXPECT_NE(r.momentSlope[309] - r.momentSlope[308], slope);
}

TEST_F(RotationTest, SpinDecaysExponentially) {
  TRotation r;
  ComputeRotation(Example(), r);
  EXPECT_DOUBLE_EQ(SpinAt(r, 0), r.muzzleSpin);
  const double d = 0.00762, l = 3.98 * d;
  EXPECT_NEAR(SpinAt(r, 1.0), r.muzzleSpin * std::exp(-0.45 * d * d * d * l / r.axialInertia),
              1e-9);
}

TEST_F(RotationTest, NoPositiveMomentSlopeGivesAClearLineInsteadOfNumbers) {
  TRotation r;
  ComputeRotation(Example(), r);
  r.stabilityFactor = NAN;
  r.maxTwistCm = NAN;
  const auto lines = RotationReport(r);
  for (const auto& line : lines) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
  EXPECT_NE(lines[4].find("nelze určit"), std::string::npos);
}

struct TwistCase {
  const char* name;
  TwistRule rule;
  double velocity;
  double expectedInches;
};

class TwistRuleTest : public ::testing::TestWithParam<TwistCase> {};

TEST_P(TwistRuleTest, GivesTheLongestTwist) {
  const auto& c = GetParam();
  // 7.62 mm and 31.4 mm in inches.
  EXPECT_NEAR(MaxTwistInches(c.rule, 7.62, 31.4, c.velocity), c.expectedInches, 1e-9);
}

constexpr double kD = 7.62 * 0.03937007874015748, kL = 31.4 * 0.03937007874015748;
INSTANTIATE_TEST_SUITE_P(
    Rules, TwistRuleTest,
    ::testing::Values(TwistCase{"GreenhillSlow", TwistRule::Greenhill, 400, 120 * kD* kD / kL},
                      TwistCase{"GreenhillFast", TwistRule::Greenhill, 800, 150 * kD* kD / kL},
                      TwistCase{"GreenhillVeryFast", TwistRule::Greenhill, 900, 180 * kD* kD / kL},
                      TwistCase{"Sierra", TwistRule::Sierra, 800, 0.06 * 800 * 3.28 * kD* kD / kL},
                      TwistCase{"CharlieDell", TwistRule::CharlieDell, 800,
                                3.5 * std::sqrt(800 * 3.28) * kD* kD / kL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwistReportTest, PrintsInchesAndCentimetres) {
  EXPECT_EQ(TwistReport(10),
            (std::vector<std::string>{"  ", "  Maximální délka stoupání:      10.0  in.",
                                      "  Maximální délka stoupání:      25.4  cm"}));
}

}  // namespace
