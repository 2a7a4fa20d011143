// The searches of the special solvers on the start values, with floating-point traps on.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Abort.h"
#include "engine_support.h"
#include "solvers/CoefficientSearch.h"
#include "solvers/Incline.h"
#include "solvers/OptimalZero.h"
#include "solvers/RangeCard.h"

namespace {

class SolversTest : public enginetest::FloatingPointTraps {
 protected:
  void SetUp() override {
    FloatingPointTraps::SetUp();
    c_ = enginetest::StartComputation();
  }
  std::string AbortText(const std::function<void()>& action) {
    try {
      action();
    } catch (const ActionAborted& e) {
      return e.Text();
    }
    return "";
  }
  double PeakAt(double angleDeg) {
    c_->in.launchAngleDeg = angleDeg;
    c_->results.maxOrdinateM = -200;
    IntegrateTrajectory(*c_, TIntegrationMode::MaxOrdinate);
    return c_->results.maxOrdinateM;
  }
  std::unique_ptr<Computation> c_;
};

TEST_F(SolversTest, OptimalZeroPeaksAtTheTargetRise) {
  const double rise = 4 * 0.99 * 0.01;
  const OptimalZeroResult r = SolveOptimalZero(*c_, rise);
  EXPECT_LE(r.runs, 13);
  EXPECT_NEAR(PeakAt(r.launchAngleDeg) / rise, 1, 0.005);
  EXPECT_GT(r.landingXM, 150);
  EXPECT_LT(r.landingXM, 180);
}

// The described search from 0.1 degrees for 30 cm, its probes at theta / r: a first run and
// three iterations of two. A probe on the wrong side still converges, in more runs.
TEST_F(SolversTest, OptimalZeroTakesItsRunsFor30cm) {
  EXPECT_EQ(SolveOptimalZero(*c_, 30 * 0.99 * 0.01).runs, 7);
}

// The measurement launch angle: 0.1 degrees up to 300 m, 0.4 up to 600 m, 0.6 beyond.
TEST(MeasurementAngle, ChangesAbove300AndAbove600m) {
  for (const auto& [distance, angle] :
       {std::pair{300.0, 0.1}, {300.5, 0.4}, {600.0, 0.4}, {600.5, 0.6}}) {
    EXPECT_EQ(MeasurementLaunchAngleDeg(distance), angle) << distance;
  }
}

TEST_F(SolversTest, OptimalZeroStopsAfterOneRunWhenTheStartAngleFits) {
  const double peak = PeakAt(0.1);
  const OptimalZeroResult r = SolveOptimalZero(*c_, peak);
  EXPECT_EQ(r.runs, 1);
  EXPECT_EQ(r.launchAngleDeg, 0.1);
}

TEST_F(SolversTest, OptimalZeroRefusesAngleOf45Degrees) {
  EXPECT_EQ(AbortText([&] { SolveOptimalZero(*c_, 5000); }), "Překročen úhel 45 stupňů");
}

TEST_F(SolversTest, InclineTargetAndAngleLimits) {
  const InclineTarget t = InclineTargetFromSlant(100, 45);
  EXPECT_NEAR(t.distanceM, 70.71, 0.01);
  EXPECT_NEAR(t.riseM, 70.71, 0.01);
  EXPECT_NEAR(SiteAngleDeg(t), 45, 1e-4);
  EXPECT_NO_THROW(InclineTargetFromSlant(100, -89));
  EXPECT_NO_THROW(InclineTargetFromSlant(100, 89));
  EXPECT_EQ(AbortText([] { InclineTargetFromSlant(100, -89.1); }), "Úhel menší než -89 stupňů.");
  EXPECT_EQ(AbortText([] { InclineTargetFromSlant(100, 89.1); }), "Úhel větší než 89 stupňů.");
  EXPECT_EQ(AbortText([&] { SolveIncline(*c_, {0, 10}); }), "Vzdálenost menší nebo rovna  0 m.");
  c_->in.launchAngleDeg = 1;
  EXPECT_EQ(AbortText([&] { SolveIncline(*c_, {1, 57.3}); }), "Úhel větší než 89 stupňů.");
}

// Table labels and heights for the default slant target, a level and a downhill one.
TEST_F(SolversTest, InclineTableRowsAndState) {
  struct Case {
    InclineTarget target;
    bool slant;
    std::vector<int> labels;
  };
  const Case cases[] = {{InclineTargetFromSlant(100, 45), true, {0, 25, 50, 75, 100}},
                        {{100, 0}, false, {0, 25, 50, 75, 100}},
                        {InclineTargetFromSlant(60, -30), true, {0, 25, 50, 60}}};
  for (const Case& k : cases) {
    c_ = enginetest::StartComputation();
    SolveLaunchAngle(*c_);
    const double levelAngle = c_->in.launchAngleDeg;
    SolveIncline(*c_, k.target);
    EXPECT_NEAR(c_->in.launchAngleDeg - levelAngle, SiteAngleDeg(k.target), 1e-12);
    EXPECT_EQ(c_->sightLineRiseM, k.target.riseM);
    EXPECT_EQ(c_->inclineDistanceM, k.target.distanceM);
    const auto lines = InclineReport(*c_, k.target, k.slant, "");
    EXPECT_EQ(lines[3].substr(0, 6), k.slant ? " Š.V." : "  X [m");
    std::vector<int> labels;
    for (size_t i = 5; i + 1 < lines.size(); ++i) labels.push_back(std::stoi(lines[i]));
    // The table ends at the first point at or beyond the target.
    ASSERT_EQ(labels.size(), k.labels.size()) << lines[3];
    EXPECT_NEAR(labels.back(), k.labels.back(), 1);
    labels.back() = k.labels.back();
    EXPECT_EQ(labels, k.labels);
    // Near the zero the trajectory crosses the inclined line of sight within a few cm.
    EXPECT_LT(std::fabs(std::stod(lines[6].substr(4, 13))), 5) << lines[6];
  }
}

TEST_F(SolversTest, VelocitySearchFindsTheCoefficientOfAMeasuredSpeed) {
  c_->in.zeroDistanceM = 300;
  c_->in.launchAngleDeg = MeasurementLaunchAngleDeg(300);
  c_->in.ballisticCoefficient = 0.3;
  IntegrateTrajectory(*c_, TIntegrationMode::VelocityAtDistance);
  const double measured = c_->results.speedAtDistance;
  c_->in.ballisticCoefficient = 0.462;
  const CoefficientSearchResult r = CoefficientFromVelocity(*c_, measured);
  EXPECT_NEAR(r.ballisticCoefficient, 0.3, 0.003);
  EXPECT_LT(r.iterations, 21);
}

// Chronograph speeds at 300 m that the secant alone missed (it stepped to coefficients whose
// runs never reach the distance), and one it finds: each coefficient gives its speed within
// 0.1 % in a run of its own. The muzzle velocity itself is no coefficient's speed.
TEST_F(SolversTest, VelocitySearchFindsEverySpeedAnAllowedCoefficientGives) {
  for (const auto& [muzzle, wanted] :
       {std::pair{900.0, 415.0}, {950, 415}, {1000, 450}, {1100, 550}, {1200, 600}, {800, 415}}) {
    c_ = enginetest::StartComputation();
    c_->in.muzzleVelocity = muzzle;
    c_->in.zeroDistanceM = 300;
    const double found = CoefficientFromVelocity(*c_, wanted).ballisticCoefficient;
    auto run = enginetest::StartComputation();
    run->in.muzzleVelocity = muzzle;
    run->in.zeroDistanceM = 300;
    run->in.launchAngleDeg = 0.1;
    run->in.ballisticCoefficient = found;
    IntegrateTrajectory(*run, TIntegrationMode::VelocityAtDistance);
    EXPECT_NEAR(run->results.speedAtDistance / wanted, 1, 0.001) << muzzle;
  }
  EXPECT_EQ(AbortText([&] { CoefficientFromVelocity(*c_, 800); }),
            "Žádný balistický koeficient od 0.001 do 20 nedává požadovanou rychlost.");
}

TEST_F(SolversTest, DropSearchRecoversAngleAndCoefficient) {
  c_->in.launchAngleDeg = 0.2;
  c_->in.ballisticCoefficient = 0.3;
  c_->results.dropDistance1M = 100;
  c_->results.dropDistance2M = 300;
  IntegrateTrajectory(*c_, TIntegrationMode::DropAtTwoDistances);
  const double h1 = c_->results.dropAtDistance1M, h2 = c_->results.dropAtDistance2M;
  c_->in.ballisticCoefficient = 0.462;
  const CoefficientSearchResult r = CoefficientFromDrop(*c_, 100, h1, 300, h2);
  EXPECT_NEAR(r.ballisticCoefficient, 0.3, 0.01);
  EXPECT_NEAR(r.launchAngleDeg, 0.2, 0.002);
  EXPECT_LT(r.iterations, 21);
}

TEST_F(SolversTest, DropSearchEndsWithinItsRuns) {
  // A measured height of 0 is never met relatively; the last iteration computes a height of
  // exactly 0 there, which is met in metres. Aiming far above the muzzle line at 1000 m
  // needs a coefficient no projectile has.
  const CoefficientSearchResult zero = CoefficientFromDrop(*c_, 100, 0.39, 300, 0);
  EXPECT_EQ(zero.iterations, 21);
  EXPECT_LE(zero.runs, 63);
  EXPECT_TRUE(std::isfinite(zero.ballisticCoefficient) && std::isfinite(zero.launchAngleDeg));
  c_ = enginetest::StartComputation();
  EXPECT_EQ(AbortText([&] { CoefficientFromDrop(*c_, 100, 0.39, 1000, 5); }),
            "Balistický koeficient větší než 20");
}

// A card beyond the computation's end goes on with the same numbers where both reach; its wind
// hold is that of 1 m/s alone, so the spin drift that both hold runs share cancels.
TEST_F(SolversTest, RangeCardGoesOnWithTheComputationsNumbersAndHoldsFor1MpsOfWind) {
  c_->in.clickDeg = 0.25 / 60;
  c_->in.limitXM = 300;
  c_->in.limitYM = 1e6;
  // Run with a step of its own, as the incline run is, and the automatic step on again after.
  c_->in.autoStep = false;
  c_->in.stepS = 0.0003;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  c_->in.autoStep = true;
  const TableRange range{0, 50, 600};
  const auto own = RangeTableValues(c_->trajectory, c_->in, {}, false, range);
  const RangeCardTable card = ComputeRangeCardTable(*c_, range, false, true);
  ASSERT_EQ(card.rows.size(), 13u);
  ASSERT_GE(own.size(), 7u);
  for (size_t i = 0; i < 7; ++i) EXPECT_EQ(card.rows[i], own[i]) << i;

  auto driftClicks = [&](double crossWind) {
    auto run = std::make_unique<Computation>(*c_);
    run->in.crossWind = crossWind;
    run->in.limitXM = 600;
    IntegrateTrajectory(*run, TIntegrationMode::Full);
    return RangeTableValues(run->trajectory, run->in, {}, false, range);
  };
  const auto calm = driftClicks(0), breeze = driftClicks(1);
  for (size_t i = 1; i < card.rows.size(); ++i) {
    const double expected = calm[i][kColDriftClicks] - breeze[i][kColDriftClicks];
    EXPECT_NEAR(card.windClicks[i], expected, 0.02 + 0.01 * expected) << i;
    EXPECT_NEAR(card.windMrad[i], card.windClicks[i] * c_->in.clickDeg * M_PI / 180 * 1000, 1e-9);
  }
  enginetest::EnableSpinDrift(*c_, false);
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  const RangeCardTable spinning = ComputeRangeCardTable(*c_, range, false, true);
  EXPECT_NEAR(spinning.windClicks.back(), card.windClicks.back(), 0.01 * card.windClicks.back());
}

}  // namespace
