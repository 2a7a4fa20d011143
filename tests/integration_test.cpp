#include <gtest/gtest.h>

#include <cmath>

#include "core/Abort.h"
#include "core/LinearInterp.h"
#include "engine/Integration.h"
#include "engine_support.h"

namespace {

using enginetest::StartComputation;

class IntegrationTest : public enginetest::FloatingPointTraps {
 protected:
  void SetUp() override {
    FloatingPointTraps::SetUp();
    c_ = StartComputation();
  }
  // A Full run at a fixed angle and step, stopped at the X limit only.
  void RunToDistance(double xLimit, double angleDeg, double stepS) {
    c_->in.launchAngleDeg = angleDeg;
    c_->in.autoStep = false;
    c_->in.stepS = stepS;
    c_->in.limitXM = xLimit;
    c_->in.limitYM = 1000000;
    c_->trajectory.Clear();
    IntegrateTrajectory(*c_, TIntegrationMode::Full);
  }
  double LastZ() const { return c_->trajectory.zCm[c_->trajectory.stepCount]; }
  std::unique_ptr<Computation> c_;
};

TEST_F(IntegrationTest, NearVacuumGivesTheParabola) {
  c_->in.pressurePa = 1e-11;
  c_->in.limitYM = -200;  // fly until well below the muzzle
  c_->in.launchAngleDeg = 5;
  c_->in.autoStep = false;
  c_->in.stepS = 0.002;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  const TTrajectory& tr = c_->trajectory;
  const double v0 = 800, th = 5 * M_PI / 180, g = 9.81;
  ASSERT_GT(tr.stepCount, 1000);
  for (int k = 0; k <= tr.stepCount; k += 97) {
    const double t = tr.timeS[k];
    EXPECT_NEAR(tr.xM[k], v0 * std::cos(th) * t, 1e-6) << k;
    EXPECT_NEAR(tr.yCm[k] / 100 + 0.040, v0 * std::sin(th) * t - g * t * t / 2, 1e-6) << k;
  }
  EXPECT_LE(tr.yCm[tr.stepCount], -20000);
}

TEST_F(IntegrationTest, MuzzlePointRepeatsWhatTheFirstStepSaw) {
  RunToDistance(300, 0.2, 0.0005);
  const TTrajectory& tr = c_->trajectory;
  EXPECT_DOUBLE_EQ(tr.pathAngleDeg[0], 0.2);
  EXPECT_DOUBLE_EQ(tr.dragCoeff[0], tr.dragCoeff[1]);
  EXPECT_DOUBLE_EQ(tr.yCm[0], -4.0);
  EXPECT_GT(tr.dragCoeff[1], 0.2);
  const double area = M_PI * 0.785 * 0.785 / 4;
  EXPECT_NEAR(tr.energyDensityJcm2[0], 0.5 * 0.01089 * 800 * 800 / area, 1e-9);
}

TEST_F(IntegrationTest, RunStopsAtTheXLimit) {
  RunToDistance(300, 0.1, 0.0005);
  const TTrajectory& tr = c_->trajectory;
  EXPECT_GE(tr.xM[tr.stepCount], 300);
  EXPECT_LT(tr.xM[tr.stepCount - 1], 300);
}

TEST_F(IntegrationTest, DescendingTrajectoryStopsWhereItCrossesTheYLimit) {
  c_->in.launchAngleDeg = 0.2;
  c_->in.autoStep = false;
  c_->in.stepS = 0.0005;
  c_->in.limitXM = 1000;
  c_->in.limitYM = -0.5;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  const TTrajectory& tr = c_->trajectory;
  const int n = tr.stepCount;
  EXPECT_LE(tr.yCm[n], -50);
  EXPECT_GT(tr.yCm[n - 1], -50);
  EXPECT_LT(tr.xM[n], 1000);
  EXPECT_LT(tr.vyMps[n], 0);
}

TEST_F(IntegrationTest, WithAnXLimitARunBelowTheYLimitGoesOnUntilItCrossesIt) {
  // Fired downwards: below the Y limit from the start, the limit is never crossed.
  c_->in.launchAngleDeg = -0.5;
  c_->in.autoStep = false;
  c_->in.stepS = 0.0005;
  c_->in.limitXM = 200;
  c_->in.limitYM = 0;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  EXPECT_GE(c_->trajectory.xM[c_->trajectory.stepCount], 200);
  // Without an X limit it stops after the first step.
  c_->in.limitXM = 1000000;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  EXPECT_EQ(c_->trajectory.stepCount, 1);
}

TEST_F(IntegrationTest, AutomaticStepFollowsTheLaunchAngle) {
  struct Case {
    double angle;
    int position;
  } cases[] = {{0.05, 8}, {0.07, 8}, {0.1, 15}, {0.2, 20}, {2.9, 30}, {3, 40}};
  for (const auto& k : cases) EXPECT_EQ(AutoStepPosition(k.angle), k.position) << k.angle;
  int chosen = 0;
  IntegrationHooks hooks;
  hooks.autoStepChosen = [&](int p) { chosen = p; };
  c_->in.launchAngleDeg = 0.05;
  c_->in.limitXM = 100;
  IntegrateTrajectory(*c_, TIntegrationMode::Full, hooks);
  EXPECT_EQ(chosen, 8);
  EXPECT_DOUBLE_EQ(c_->in.stepS, 0.0008);
  EXPECT_NEAR(c_->trajectory.timeS[1], 0.0008, 1e-15);
}

TEST_F(IntegrationTest, BusyLabelIsShownForTheRunAndHiddenEvenWhenItAborts) {
  std::vector<bool> busy;
  IntegrationHooks hooks;
  hooks.busy = [&](bool b) { busy.push_back(b); };
  c_->in.limitXM = 100;
  IntegrateTrajectory(*c_, TIntegrationMode::Full, hooks);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  busy.clear();
  c_->in.autoStep = false;
  c_->in.stepS = 0.0001;
  c_->in.limitXM = 2000;
  c_->in.limitYM = 1000000;
  EXPECT_THROW(IntegrateTrajectory(*c_, TIntegrationMode::Full, hooks), ActionAborted);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}

TEST_F(IntegrationTest, LongRunWithATinyStepHitsTheStepLimit) {
  c_->in.autoStep = false;
  c_->in.stepS = 0.0001;
  c_->in.limitXM = 2000;
  c_->in.limitYM = 1000000;
  c_->trajectory.stepCount = 7;
  c_->trajectory.xM[30000] = -1;  // the abort comes before the last index is written
  try {
    IntegrateTrajectory(*c_, TIntegrationMode::Full);
    FAIL() << "no abort";
  } catch (const ActionAborted& a) {
    EXPECT_EQ(a.Text(), "Dosaženo maximálního počtu kroků. Zvětšete krok.");
  }
  EXPECT_EQ(c_->trajectory.stepCount, 7);  // not updated by an aborted run
  EXPECT_GT(c_->trajectory.xM[29999], 0);
  EXPECT_EQ(c_->trajectory.xM[30000], -1);
  c_->in.zeroDistanceM = 2000;
  EXPECT_THROW(IntegrateTrajectory(*c_, TIntegrationMode::ZeroSearch), ActionAborted);
}

TEST_F(IntegrationTest, CoriolisDriftsRightInTheNorthAndLeftInTheSouth) {
  enginetest::EnableCoriolis(c_->in, 50, 0);
  RunToDistance(600, 0.1, 0.0005);
  EXPECT_GT(LastZ(), 0);
  enginetest::EnableCoriolis(c_->in, -50, 0);
  RunToDistance(600, 0.1, 0.0005);
  EXPECT_LT(LastZ(), 0);
  // Firing east raises the trajectory (Eötvös effect).
  c_->in.coriolis = false;
  c_->in.earthOmega = 0;
  RunToDistance(600, 0.1, 0.0005);
  const double plain = c_->trajectory.yCm[c_->trajectory.stepCount];
  enginetest::EnableCoriolis(c_->in, 50, 90);
  RunToDistance(600, 0.1, 0.0005);
  EXPECT_GT(c_->trajectory.yCm[c_->trajectory.stepCount], plain);
}

TEST_F(IntegrationTest, SpinDriftFollowsTheTwist) {
  std::vector<std::string> report;
  IntegrationHooks hooks;
  hooks.report = [&](const std::string& line) { report.push_back(line); };
  enginetest::EnableSpinDrift(*c_, false);
  c_->in.launchAngleDeg = 0.3;
  c_->in.autoStep = false;
  c_->in.limitXM = 800;
  c_->in.limitYM = 1000000;
  IntegrateTrajectory(*c_, TIntegrationMode::Full, hooks);
  const double right = LastZ();
  EXPECT_GT(right, 0.5);
  ASSERT_EQ(report.size(), 1u);
  const TTrajectory& tr = c_->trajectory;
  EXPECT_EQ(report[0], FinalSpinLine(SpinAt(c_->rotation, tr.timeS[tr.stepCount])));
  enginetest::EnableSpinDrift(*c_, true);
  IntegrateTrajectory(*c_, TIntegrationMode::Full, hooks);
  EXPECT_NEAR(LastZ(), -right, 0.02 * right);
}

TEST_F(IntegrationTest, CrosswindBlowsTheBulletDownwind) {
  c_->in.crossWind = 4;
  RunToDistance(300, 0.1, 0.0005);
  EXPECT_GT(LastZ(), 0);
  EXPECT_EQ(c_->trajectory.crossWindMps[5], 4);
}

TEST_F(IntegrationTest, VariableCrosswindFollowsTheStations) {
  c_->in.crossWindMode = 1;
  c_->in.stationCount = 3;  // 0 m: 4, 100 m: -4, 200 m: 8; the 300 m station is not used
  RunToDistance(250, 0.1, 0.0005);
  const TTrajectory& tr = c_->trajectory;
  EXPECT_EQ(tr.crossWindMps[0], 4);
  for (int k = 1; k <= tr.stepCount; ++k) {
    const double x = tr.xM[k];
    const double expected = x < 100 ? 4 - 8 * x / 100 : (x < 200 ? -4 + 12 * (x - 100) / 100 : 8);
    ASSERT_NEAR(tr.crossWindMps[k], expected, 1e-9) << "x " << x;
  }
  // The solver modes always use the constant crosswind.
  c_->in.crossWind = 1.5;
  c_->in.zeroDistanceM = 100;
  IntegrateTrajectory(*c_, TIntegrationMode::ZeroSearch);
  EXPECT_EQ(c_->trajectory.crossWindMps[0], 1.5);
}

TEST_F(IntegrationTest, HalvingTheStepHardlyChangesTheDropAt1000m) {
  auto dropAt1000 = [&](double stepS) {
    RunToDistance(1000, 0.6, stepS);
    const TTrajectory& tr = c_->trajectory;
    const int n = tr.stepCount;
    return LinearInterp(1000, tr.xM[n - 1], tr.xM[n], tr.yCm[n - 1], tr.yCm[n]) / 100;
  };
  const double coarse = dropAt1000(0.001), fine = dropAt1000(0.0005);
  EXPECT_LT(std::fabs(coarse - fine), 0.0001);  // a tenth of a millimetre
  EXPECT_LT(fine, -1.0);
}

TEST_F(IntegrationTest, RungeKuttaErrorFallsWithTheFourthPowerOfTheStep) {
  // A drag coefficient that does not change with speed keeps the forces smooth; the grid of
  // a real function has a kink at every grid speed, which would hide the order.
  c_->dragGrid.cd.fill(0.5);
  c_->dragGrid.UpdateLines();
  auto heightAt = [&](double stepS) {
    RunToDistance(1500, 3, stepS);
    return c_->trajectory.yCm[static_cast<int>(std::lround(2.4 / stepS))];
  };
  const double y1 = heightAt(0.016), y2 = heightAt(0.008), y3 = heightAt(0.004);
  const double ratio = (y1 - y2) / (y2 - y3);
  EXPECT_GT(ratio, 12) << y1 << " " << y2 << " " << y3;
  EXPECT_LT(ratio, 20);
}

TEST_F(IntegrationTest, SolverModesAgreeWithTheFullRun) {
  RunToDistance(600, 0.3, 0.0005);
  TTrajectory full = c_->trajectory;
  auto fullAt = [&](double x, const std::vector<double>& ys) {
    int k = 1;
    while (full.xM[k] < x) ++k;
    return LinearInterp(x, full.xM[k - 1], full.xM[k], ys[k - 1], ys[k]);
  };
  std::vector<double> speed(kTrajectoryCapacity);
  for (int k = 0; k <= full.stepCount; ++k) speed[k] = std::hypot(full.vxMps[k], full.vyMps[k]);

  c_->in.zeroDistanceM = 450;
  IntegrateTrajectory(*c_, TIntegrationMode::VelocityAtDistance);
  EXPECT_NEAR(c_->results.speedAtDistance, fullAt(450, speed), 1e-9);

  c_->results.dropDistance1M = 200;
  c_->results.dropDistance2M = 500;
  IntegrateTrajectory(*c_, TIntegrationMode::DropAtTwoDistances);
  EXPECT_NEAR(c_->results.dropAtDistance1M * 100, fullAt(200, full.yCm), 1e-7);
  EXPECT_NEAR(c_->results.dropAtDistance2M * 100, fullAt(500, full.yCm), 1e-7);
  EXPECT_EQ(c_->results.dropDistance1M, 1000000);

  c_->results.maxOrdinateM = -1000;
  IntegrateTrajectory(*c_, TIntegrationMode::MaxOrdinate);
  double top = -1e9;
  for (int k = 0; k <= full.stepCount; ++k) top = std::max(top, full.yCm[k] / 100);
  EXPECT_NEAR(c_->results.maxOrdinateM, top, 1e-12);
  EXPECT_GT(c_->results.landingXM, 0);
}

TEST_F(IntegrationTest, MaxOrdinateOfATrajectoryBelowTheSightLineIsCutAt300m) {
  // Sight far above the bore: the bullet still climbs at 300 m and is below the sight line.
  c_->in.sightHeightM = 2;
  c_->in.launchAngleDeg = 0.4;
  c_->results.maxOrdinateM = -1000;
  IntegrateTrajectory(*c_, TIntegrationMode::MaxOrdinate);
  EXPECT_EQ(c_->results.maxOrdinateM, 0.1);
}

class LaunchAngleTest : public IntegrationTest {
 protected:
  // Counts the trajectory runs of one solve and remembers the first automatic step.
  int Solve() {
    int runs = 0;
    firstPosition_ = 0;
    IntegrationHooks hooks;
    hooks.busy = [&](bool b) { runs += b; };
    hooks.autoStepChosen = [&](int p) {
      if (!firstPosition_) firstPosition_ = p;
    };
    SolveLaunchAngle(*c_, hooks);
    return runs;
  }
  int firstPosition_ = 0;
};

TEST_F(LaunchAngleTest, SolvedTrajectoryPassesThroughTheZero) {
  Solve();
  const double angle = c_->in.launchAngleDeg;
  EXPECT_GT(angle, 0.05);
  EXPECT_LT(angle, 0.1);
  c_->in.limitYM = 0;
  IntegrateTrajectory(*c_, TIntegrationMode::Full);
  const TTrajectory& tr = c_->trajectory;
  // The window's start values end at the first descending point on the sight line: near 100 m.
  EXPECT_NEAR(tr.xM[tr.stepCount], 100, 0.7);
}

TEST_F(LaunchAngleTest, SecondSolveWithTheSameInputsStopsAtOnce) {
  Solve();
  const double first = c_->in.launchAngleDeg;
  const int runs = Solve();
  EXPECT_LE(runs, 2);
  EXPECT_NEAR(c_->in.launchAngleDeg, first, 0.0000005);
}

TEST_F(LaunchAngleTest, LongZeroStartsAtThreeDegrees) {
  c_->in.zeroDistanceM = 2000;
  c_->in.launchAngleDeg = 0.1;
  Solve();
  EXPECT_EQ(firstPosition_, 40);
  EXPECT_GT(c_->in.launchAngleDeg, 0.5);
}

TEST_F(LaunchAngleTest, ZeroPointOnTheSightLineGivesTheZeroDistanceAngle) {
  Solve();
  const double mode1 = c_->in.launchAngleDeg;
  c_->in.launchAngleDeg = 0.1;
  c_->in.solveMode = 2;
  c_->in.zeroHeightM = 0;
  Solve();
  EXPECT_NEAR(c_->in.launchAngleDeg, mode1, 0.0003);
  // A zero point 20 cm above the sight line at 100 m needs more angle.
  c_->in.zeroHeightM = 0.2;
  Solve();
  EXPECT_GT(c_->in.launchAngleDeg, mode1 + 0.1);
}

TEST_F(LaunchAngleTest, UnreachableZeroNeedsMoreThan45Degrees) {
  c_->in.muzzleVelocity = 100;
  c_->in.zeroDistanceM = 1000;
  try {
    Solve();
    FAIL() << "no abort";
  } catch (const ActionAborted& a) {
    EXPECT_EQ(a.Text(), "Úhel výstřelu větší než 45 stupňů.");
  }
}

}  // namespace
