#include <gtest/gtest.h>

#include "core/LinearInterp.h"
#include "engine/Atmosphere.h"
#include "engine/DragFunctions.h"
#include "engine/DragTablesData.h"
#include "engine_support.h"

namespace {

using enginetest::FloatingPointTraps;
using enginetest::StartInputs;

class AtmosphereTest : public FloatingPointTraps {};

TEST_F(AtmosphereTest, StandardAirAtTheMuzzle) {
  TShotInputs in = StartInputs();
  EXPECT_NEAR(AirStateAt(in, 0).density, 1.2250, 0.00005);
  EXPECT_DOUBLE_EQ(AirStateAt(in, 0).speedScale, 1.0);
  EXPECT_DOUBLE_EQ(PressureFromAltitude(288.15, 0), 1013.25);
  EXPECT_NEAR(HumidityFactor(288.15, 100), 0.995, 0.0005);
}

TEST_F(AtmosphereTest, HumidityLowersDensityAtEveryHeight) {
  TShotInputs in = StartInputs();
  in.humidityPct = 100;
  const double dry = DensityAtSite(in.pressurePa, in.temperatureK);
  EXPECT_DOUBLE_EQ(AirStateAt(in, 0).density, dry * HumidityFactor(288.15, 100));
}

TEST_F(AtmosphereTest, WithoutTheGradientTheAirIsTheSameEverywhere) {
  TShotInputs in = StartInputs();
  in.noIcaoGradient = true;
  in.temperatureK = 263.15;
  in.humidityPct = 50;
  const double expected =
      in.pressurePa / (287.05 * in.temperatureK) * HumidityFactor(in.temperatureK, 50);
  for (double y : {-500.0, 0.0, 1200.0, 15000.0}) {
    EXPECT_NEAR(AirStateAt(in, y).density, expected, 1e-12) << y;
    EXPECT_DOUBLE_EQ(AirStateAt(in, y).temperatureK, in.temperatureK);
  }
}

TEST_F(AtmosphereTest, AboveTheTropopauseTemperatureAndDensityStop) {
  TShotInputs in = StartInputs();
  const TAirState at12 = AirStateAt(in, 12000), at15 = AirStateAt(in, 15000);
  EXPECT_DOUBLE_EQ(at12.temperatureK, 288.15 - 71.5);
  EXPECT_DOUBLE_EQ(at12.density, at15.density);
  EXPECT_GT(AirStateAt(in, -100).temperatureK, 288.15);  // warmer below the muzzle
}

TEST_F(AtmosphereTest, NearVacuumHasPracticallyNoDensity) {
  TShotInputs in = StartInputs();
  in.pressurePa = 1e-11;
  EXPECT_LT(AirStateAt(in, 0).density, 1e-15);
}

TEST_F(AtmosphereTest, SiteTermsComputedOnceGiveTheSameAir) {
  TShotInputs in = StartInputs();
  in.temperatureK = 300;
  in.pressurePa = 95000;
  in.humidityPct = 70;
  for (bool noGradient : {false, true}) {
    in.noIcaoGradient = noGradient;
    const SiteAir site(in);
    for (double y = -300; y < 14000; y += 377) {
      const TAirState a = AirStateAt(in, y), b = site.At(y);
      EXPECT_NEAR(b.density, a.density, 1e-15 * a.density + 1e-300) << y;
      EXPECT_DOUBLE_EQ(b.speedScale, a.speedScale) << y;
      EXPECT_DOUBLE_EQ(b.temperatureK, a.temperatureK) << y;
    }
  }
}

// Near() continues the centre's air with the series only where that is exact enough, and
// gives At() itself wherever the series does not apply.
TEST_F(AtmosphereTest, NearAgreesWithAtAroundEveryCentre) {
  struct NearCase {
    const char* name;
    bool noGradient;
    double centerM, heightM;
    bool series;  // within a few units of the last place; otherwise the same bits
  };
  const NearCase cases[] = {
      {"the centre itself", false, 500, 500, false},
      {"30 m higher", false, 500, 530, true},
      {"30 m lower", false, 500, 470, true},
      {"beyond the series", false, 500, 600, false},
      {"up across the tropopause", false, 10990, 11005, false},
      {"down across the tropopause", false, 11005, 10990, false},
      {"both above the tropopause", false, 11100, 11130, false},
      {"without a gradient", true, 500, 530, false},
      {"without a gradient, above", true, 10990, 11005, false},
  };
  TShotInputs in = StartInputs();
  in.temperatureK = 300;
  in.pressurePa = 95000;
  in.humidityPct = 70;
  for (const NearCase& c : cases) {
    in.noIcaoGradient = c.noGradient;
    SiteAir site(in);
    site.Center(c.centerM);
    const TAirState a = site.At(c.heightM), b = site.Near(c.heightM);
    if (c.series) {
      EXPECT_NEAR(b.density, a.density, 1e-15 * a.density) << c.name;
      EXPECT_NEAR(b.speedScale, a.speedScale, 1e-15 * a.speedScale) << c.name;
    } else {
      EXPECT_EQ(b.density, a.density) << c.name;
      EXPECT_EQ(b.speedScale, a.speedScale) << c.name;
      EXPECT_EQ(b.temperatureK, a.temperatureK) << c.name;
    }
  }
}

// ---- Built-in drag tables

struct TableShape {
  int id;
  int points;
  double firstCd, lastCd;
};

class DragTableTest : public ::testing::TestWithParam<TableShape> {
 protected:
  static const TDragTableStore& Store() {
    static const TDragTableStore store;
    return store;
  }
};

TEST_P(DragTableTest, HasItsPointCountEndsAndRisingSpeeds) {
  const auto& shape = GetParam();
  const TDragTable t = Store().Table(shape.id);
  ASSERT_EQ(t.n, shape.points) << "function " << shape.id;
  EXPECT_EQ(t.speeds[0], 0);
  EXPECT_EQ(t.speeds[t.n - 1], 1700);
  EXPECT_DOUBLE_EQ(t.coefficients[0], shape.firstCd);
  EXPECT_DOUBLE_EQ(t.coefficients[t.n - 1], shape.lastCd);
  for (int i = 1; i < t.n; ++i) EXPECT_LT(t.speeds[i - 1], t.speeds[i]) << "point " << i;
  // The unused rest of the slot holds the empty marker.
  const auto slot = Store().Slot(shape.id);
  for (int i = 2 * t.n; i < kDragSlotSize; ++i) ASSERT_EQ(slot[i], -1.0) << i;
}

INSTANTIATE_TEST_SUITE_P(
    AllFunctions, DragTableTest,
    ::testing::Values(
        TableShape{kDragG1, 80, 0.2629, 0.4988}, TableShape{kDragG2, 85, 0.2303, 0.1648},
        TableShape{kDragG5, 76, 0.171, 0.228}, TableShape{kDragG6, 79, 0.2617, 0.1574},
        TableShape{kDragG7, 84, 0.1198, 0.1618}, TableShape{kDragG8, 78, 0.2105, 0.1713},
        TableShape{kDragGL, 50, 0.3331, 0.5546}, TableShape{kDragGS, 44, 0.4662, 0.9189},
        TableShape{kDragGC, 49, 0.647, 1.7}, TableShape{kDragRA4, 48, 0.2283, 0.4893},
        TableShape{kDrag1943, 50, 0.1574, 0.2602}),
    [](const auto& info) { return std::string("Id") + std::to_string(info.param.id); });

double SpeedOfPeak(const TDragTable& t, double* peak) {
  int best = 0;
  for (int i = 1; i < t.n; ++i) {
    if (t.coefficients[i] > t.coefficients[best]) best = i;
  }
  *peak = t.coefficients[best];
  return t.speeds[best];
}

TEST(DragTablesTest, PublishedMachPointsBecomeSpeeds) {
  const TDragTableStore store;
  const TDragTable g1 = store.Table(kDragG1);
  const double firstSpeeds[] = {0, 17.0, 34.0, 51.0, 68.1, 85.1, 102.1};
  for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(g1.speeds[i], firstSpeeds[i]) << i;
  EXPECT_DOUBLE_EQ(g1.speeds[13], 222.0);  // Mach 0.65
  EXPECT_DOUBLE_EQ(g1.coefficients[13], 0.2103);
  EXPECT_DOUBLE_EQ(g1.speeds[10], 170.1);  // Mach 0.5: a tie falls to the lower tenth
  double peak = 0;
  EXPECT_DOUBLE_EQ(SpeedOfPeak(g1, &peak), 476.4);
  EXPECT_DOUBLE_EQ(peak, 0.6625);
  const TDragTable g7 = store.Table(kDragG7);
  EXPECT_DOUBLE_EQ(g7.speeds[13], 221.2);
  EXPECT_DOUBLE_EQ(SpeedOfPeak(g7, &peak), 357.3);
  EXPECT_DOUBLE_EQ(peak, 0.4043);
  for (int id : {kDragG2, kDragG5, kDragG6, kDragG8}) {
    const TDragTable t = store.Table(id);
    EXPECT_DOUBLE_EQ(t.speeds[13], 222.0) << id;
  }
}

TEST(DragTablesTest, TablesGivenBySpeedHaveTheirTellingPoints) {
  const TDragTableStore store;
  double peak = 0;
  EXPECT_DOUBLE_EQ(SpeedOfPeak(store.Table(kDragGL), &peak), 986.8);
  EXPECT_DOUBLE_EQ(peak, 0.8139);
  const TDragTable gs = store.Table(kDragGS);
  EXPECT_DOUBLE_EQ(gs.speeds[1], 51.0);
  EXPECT_DOUBLE_EQ(SpeedOfPeak(gs, &peak), 527.4);
  EXPECT_DOUBLE_EQ(peak, 1.009);
  const TDragTable gc = store.Table(kDragGC);
  EXPECT_DOUBLE_EQ(gc.speeds[11], 330.0);
  EXPECT_DOUBLE_EQ(gc.coefficients[11], 0.97685);
  for (int i = 1; i < gc.n; ++i) EXPECT_GT(gc.coefficients[i], gc.coefficients[i - 1]) << i;
  const TDragTable ra4 = store.Table(kDragRA4);
  EXPECT_DOUBLE_EQ(ra4.speeds[1], 246.7);
  EXPECT_DOUBLE_EQ(ra4.coefficients[1], 0.2296);
  EXPECT_DOUBLE_EQ(SpeedOfPeak(ra4, &peak), 391.3);
  const TDragTable m1943 = store.Table(kDrag1943);
  EXPECT_DOUBLE_EQ(m1943.speeds[1], 260.0);
  EXPECT_DOUBLE_EQ(SpeedOfPeak(m1943, &peak), 400.0);
  EXPECT_DOUBLE_EQ(peak, 0.3846);
  EXPECT_DOUBLE_EQ(m1943.coefficients[m1943.n - 2], 0.2602);
}

// ---- The grid and its lookup

class DragGridTest : public FloatingPointTraps {
 protected:
  void SetUp() override {
    FloatingPointTraps::SetUp();
    SelectBuiltInDragFunction(grid_, store_, kDragG1);
  }
  TDragTableStore store_;
  TDragGrid grid_;
};

TEST_F(DragGridTest, G1GridHasTheTableValuesAtItsPoints) {
  EXPECT_DOUBLE_EQ(grid_.cd[0], 0.2629);
  EXPECT_DOUBLE_EQ(grid_.cd[17], 0.2558);
  EXPECT_DOUBLE_EQ(grid_.cd[1700], 0.4988);
  EXPECT_DOUBLE_EQ(grid_.cd[34], 0.2487);
  // Between points the grid lies on the line through the table points around it.
  const double onLine = 0.2034 + (0.2103 - 0.2034) * (210 - 204.2) / (222.0 - 204.2);
  EXPECT_NEAR(grid_.cd[210], onLine, 1e-12);
}

TEST_F(DragGridTest, EveryBuiltInFunctionFillsTheWholeGrid) {
  for (int id = kDragG1; id < kDragFunctionCount; ++id) {
    TDragGrid g;
    g.cd.fill(-7);
    SelectBuiltInDragFunction(g, store_, id);
    const TDragTable t = store_.Table(id);
    for (int j = 0; j <= kDragGridMax; ++j)
      ASSERT_GT(g.cd[j], 0) << "function " << id << " speed " << j;
    EXPECT_DOUBLE_EQ(g.cd[1700], t.coefficients[t.n - 1]) << id;
  }
}

TEST_F(DragGridTest, LookupRoundsHalfUpAndInterpolatesAcrossTwoGridSpeeds) {
  EXPECT_EQ(DragGridIndex(100.5), 101);
  EXPECT_EQ(DragGridIndex(100.49), 100);
  const double expected = grid_.cd[100] + (grid_.cd[102] - grid_.cd[100]) * (100.5 - 100) / 2;
  EXPECT_NEAR(DragCoefficientAt(grid_, 100.5), expected, 1e-15);
  EXPECT_DOUBLE_EQ(DragCoefficientAt(grid_, 0.4), grid_.cd[0]);
  EXPECT_DOUBLE_EQ(DragCoefficientAt(grid_, 1699.6), grid_.cd[1700]);
  // Above the grid (head wind, cold air) the last coefficient holds.
  EXPECT_DOUBLE_EQ(DragCoefficientAt(grid_, 1900.0), grid_.cd[1700]);
}

TEST_F(DragGridTest, GridIndexIsTheCeilingLessOneAboveTheHalf) {
  // The index rule as stated, against the short form the lookup uses.
  auto rule = [](double vs) {
    const double c = std::ceil(vs);
    return static_cast<int>(c > vs + 0.5 ? c - 1 : c);
  };
  for (int k = 0; k < 1700; ++k) {
    for (double f : {0.0, 0.25, 0.5, 0.75, std::nextafter(0.5, 0.0), std::nextafter(0.5, 1.0),
                     std::nextafter(1.0, 0.0)}) {
      ASSERT_EQ(DragGridIndex(k + f), rule(k + f)) << k + f;
    }
  }
}

TEST_F(DragGridTest, LookupDrawsTheSameLineAsLinearInterp) {
  for (double vs = 1; vs < 1699; vs += 0.37) {
    const int j = DragGridIndex(vs);
    ASSERT_EQ(DragCoefficientAt(grid_, vs),
              LinearInterp(vs, j - 1, j + 1, grid_.cd[j - 1], grid_.cd[j + 1]))
        << vs;
  }
}

TEST_F(DragGridTest, DecelerationScalesWithDensitySpeedAndCoefficient) {
  const double k = DragDeceleration(grid_, 0.462, 800, 1.225, 800);
  EXPECT_DOUBLE_EQ(k, -0.000558552304 / 0.462 * DragCoefficientAt(grid_, 800) * 1.225 * 800);
  EXPECT_DOUBLE_EQ(DragDeceleration(grid_, 0.924, 800, 1.225, 800), k / 2);
}

TEST_F(DragGridTest, ChronographReadingIsCarriedBackToTheMuzzle) {
  TShotInputs in = StartInputs();
  in.chronoDistanceM = 10;
  EXPECT_NEAR(CorrectedMuzzleVelocity(in, grid_), 806.6, 0.05);
  in.chronoDistanceM = 0;
  EXPECT_EQ(CorrectedMuzzleVelocity(in, grid_), 800);
  // A variable coefficient takes the band of the measured speed.
  in.chronoDistanceM = 10;
  in.coefficientMode = 2;
  in.bcBands[0] = {0.462, 793, true};
  in.bcBands[1] = {0.231, 900, true};
  const double lowBand = CorrectedMuzzleVelocity(in, grid_);
  EXPECT_GT(lowBand, 812.0);  // twice the drag of the constant coefficient
}

// A variable coefficient: a band holds below its speed, bands 3 to 5 only when switched on.
TEST(VariableCoefficient, EachAirSpeedTakesTheLastBandThatHoldsIt) {
  TShotInputs in = StartInputs();
  in.bcBands = {TBcBand{0.462, 793, true}, TBcBand{0.447, 793, true}, TBcBand{0.424, 640, true},
                TBcBand{0.405, 488, true}, TBcBand{0.38, 450, true}};
  const std::pair<double, double> bands[] = {{900, 0.462}, {793, 0.462}, {792, 0.447}, {640, 0.447},
                                             {639, 0.424}, {487, 0.405}, {449, 0.38},  {100, 0.38}};
  for (const auto& [speed, bc] : bands) EXPECT_EQ(BandCoefficient(in, speed), bc) << speed;
  in.bcBands[4].on = false;
  EXPECT_EQ(BandCoefficient(in, 100), 0.405);
}

}  // namespace
