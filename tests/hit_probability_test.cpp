// The hit probability simulation against closed forms and normal models, its error budget
// against simulations of one error, and its independence of the threads.
#include <cmath>

#include "engine_support.h"
#include "solvers/HitProbability.h"

namespace {

using enginetest::StartComputation;

constexpr double kMoaRad = M_PI / 10800;

std::unique_ptr<Computation> ZeroedStartValues() {
  auto c = StartComputation();
  SolveLaunchAngle(*c);
  return c;
}

THitSettings NoSpread(std::vector<double> distances, int shots) {
  THitSettings s;
  s.distancesM = std::move(distances);
  s.shots = shots;
  s.threads = 2;
  return s;
}

// Height over the sight line at a distance for another muzzle velocity, without any spread.
double HeightAt(const Computation& base, double velocity, double distanceM) {
  auto c = std::make_unique<Computation>(base);
  c->in.muzzleVelocity = velocity;
  c->in.limitXM = distanceM;
  c->in.limitYM = -1000;
  IntegrateTrajectory(*c, TIntegrationMode::Full);
  const TTrajectory& t = c->trajectory;
  const int n = t.stepCount;
  return t.yCm[n - 1] +
         (distanceM - t.xM[n - 1]) / (t.xM[n] - t.xM[n - 1]) * (t.yCm[n] - t.yCm[n - 1]);
}

TEST(HitProbability, WithoutSpreadEveryShotHitsWhereverTheTrajectoryReaches) {
  const auto c = ZeroedStartValues();
  const auto rows = ComputeHitProbability(*c, NoSpread(HitDistances(100, 600, 100), 40));
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& r : rows) {
    EXPECT_TRUE(r.reached) << r.distanceM;
    EXPECT_EQ(r.hits, 40) << r.distanceM;
    EXPECT_EQ(r.shotsReached, 40) << r.distanceM;
    EXPECT_EQ(r.sdYCm, 0) << r.distanceM;
    EXPECT_EQ(r.meanZCm, 0) << r.distanceM;
    for (double alone : r.alone) EXPECT_EQ(alone, 1) << r.distanceM;
  }
  // 40 hits of 40 claim no more than 91 %.
  EXPECT_EQ(MaxDistanceWithProbability(rows, 0.91), 600);
  EXPECT_LT(MaxDistanceWithProbability(rows, 0.92), 0);
}

// The aim error alone against the normal distribution in the simulation, and exactly in the
// budget: a rectangle is a product of two error functions, a circle a Rayleigh distribution.
TEST(HitProbability, DispersionAloneFollowsTheNormalDistribution) {
  const auto c = ZeroedStartValues();
  for (THitTarget target : {THitTarget::Rectangle, THitTarget::Circle}) {
    THitSettings s = NoSpread({200, 400, 600}, 1000);
    s.target = target;
    s.dispersionRad = 0.5 * kMoaRad;
    for (const auto& r : ComputeHitProbability(*c, s)) {
      const double sigmaM = s.dispersionRad * r.distanceM, radius = s.targetWidthM / 2;
      const double spreadM = 2 * std::sqrt(2.0) * sigmaM;
      const double expected =
          target == THitTarget::Circle
              ? 1 - std::exp(-radius * radius / (2 * sigmaM * sigmaM))
              : std::erf(s.targetWidthM / spreadM) * std::erf(s.targetHeightM / spreadM);
      const double standardError = std::sqrt(expected * (1 - expected) / s.shots);
      EXPECT_NEAR(r.probability, expected, 3 * standardError) << r.distanceM;
      EXPECT_NEAR(r.alone[kHitDispersion], expected, 1e-12) << r.distanceM;
      EXPECT_LE(r.low95, r.probability);
      EXPECT_GE(r.high95, r.probability);
    }
  }
}

TEST(HitProbability, VelocitySpreadMatchesTheSensitivityOfTheDrop) {
  const auto c = ZeroedStartValues();
  THitSettings s = NoSpread({200, 300}, 2000);
  s.velocitySigmaMps = 5;
  const auto rows = ComputeHitProbability(*c, s);
  for (const auto& r : rows) {
    const double v = c->in.muzzleVelocity, dv = 1;
    const double slope =
        (HeightAt(*c, v + dv, r.distanceM) - HeightAt(*c, v - dv, r.distanceM)) / (2 * dv);
    EXPECT_NEAR(r.sdYCm, std::fabs(slope) * s.velocitySigmaMps, 0.05 * r.sdYCm) << r.distanceM;
    EXPECT_EQ(r.sdZCm, 0) << r.distanceM;
  }
}

TEST(HitProbability, SameSeedSameNumbersWhateverTheThreads) {
  const auto c = ZeroedStartValues();
  c->in.crossWindMode = 1;  // the stations' winds interpolate on every worker thread
  // Every error over few shots, and the nominal trajectory over more shots than are summed at once.
  for (bool everyError : {true, false}) {
    THitSettings s = NoSpread(HitDistances(100, 600, 50), everyError ? 200 : 5000);
    s.dispersionRad = 0.5 * kMoaRad;
    s.velocitySigmaMps = everyError ? 5 : 0;
    s.bcSigmaFraction = everyError ? 0.02 : 0;
    s.windSigmaMps = everyError ? 1.5 : 0;
    s.rangeSigmaFraction = 0.02;
    s.threads = 1;
    const auto one = ComputeHitProbability(*c, s);
    s.threads = 3;
    const auto three = ComputeHitProbability(*c, s);
    ASSERT_EQ(one.size(), three.size());
    for (std::size_t k = 0; k < one.size(); ++k) {
      EXPECT_EQ(one[k].hits, three[k].hits) << one[k].distanceM;
      EXPECT_EQ(one[k].meanYCm, three[k].meanYCm) << one[k].distanceM;
      EXPECT_EQ(one[k].sdZCm, three[k].sdZCm) << one[k].distanceM;
      EXPECT_EQ(one[k].alone, three[k].alone) << one[k].distanceM;
    }
    s.seed = 2;
    EXPECT_NE(ComputeHitProbability(*c, s)[5].meanYCm, one[5].meanYCm);
  }
}

TEST(HitProbability, DistancesEndAtDoAndTheReachStopsAtTheFirstShortfall) {
  EXPECT_EQ(HitDistances(100, 600, 200), (std::vector<double>{100, 300, 500, 600}));
  EXPECT_EQ(HitDistances(100, 600, 250), (std::vector<double>{100, 350, 600}));
  // At most 500 distances: 100 to 599 m by 1 m are 500, to 600 m or 599.5 m they are 501.
  EXPECT_EQ(HitDistances(100, 599, 1).size(), 500u);
  EXPECT_TRUE(HitDistances(100, 600, 1).empty());
  EXPECT_TRUE(HitDistances(100, 599.5, 1).empty());
  std::vector<THitRow> rows(3);
  const double low[] = {0.95, 0.8, 0.92};
  for (int k = 0; k < 3; ++k) {
    rows[k].distanceM = 100.0 * (k + 1);
    rows[k].reached = true;
    rows[k].probability = 0.99;  // the lower end of the interval decides
    rows[k].low95 = low[k];
  }
  EXPECT_EQ(MaxDistanceWithProbability(rows, 0.9), 100);
  EXPECT_LT(MaxDistanceWithProbability(rows, 0.99), 0);
}

// Height over the sight line and its slope at a distance, from engine runs.
struct HeightAndSlope {
  double heightCm, slopeCmPerM;
};
HeightAndSlope Nominal(const Computation& c, double distanceM) {
  const double v = c.in.muzzleVelocity;
  return {HeightAt(c, v, distanceM),
          (HeightAt(c, v, distanceM + 1) - HeightAt(c, v, distanceM - 1)) / 2};
}

// The range estimate alone: the shooter sets the angle for the believed distance D' = D (1 + e),
// so the miss is y(D) - y(D') D / D' = e (y(D) - D y'(D)) to first order, normal with the
// standard deviation |D y' - y| of the range spread, whatever the zero.
TEST(HitProbability, RangeEstimateAloneIsAnAngularHold) {
  const auto c = ZeroedStartValues();
  THitSettings s = NoSpread({300, 450, 600}, 4000);
  s.rangeSigmaFraction = 0.05;
  const auto rows = ComputeHitProbability(*c, s);
  for (const auto& r : rows) {
    const HeightAndSlope n = Nominal(*c, r.distanceM);
    const double sigmaCm =
        std::fabs(r.distanceM * n.slopeCmPerM - n.heightCm) * s.rangeSigmaFraction;
    const double expected = std::erf(s.targetHeightM * 50 / (sigmaCm * std::sqrt(2.0)));
    const double standardError = std::sqrt(expected * (1 - expected) / s.shots);
    EXPECT_NEAR(r.probability, expected, 3 * standardError) << r.distanceM;
    EXPECT_NEAR(r.alone[kHitRange], expected, 3 * standardError) << r.distanceM;
  }

  // Another zero turns the trajectory about the muzzle: the angles held move with it.
  auto zero300 = StartComputation();
  zero300->in.zeroDistanceM = 300;
  SolveLaunchAngle(*zero300);
  s.rangeSigmaFraction = 0.02;
  const double p100 = ComputeHitProbability(*c, s)[2].probability;
  const double p300 = ComputeHitProbability(*zero300, s)[2].probability;
  EXPECT_NEAR(p100, p300, std::sqrt(p100 * (1 - p100) / s.shots));
}

// Each error alone in the budget of a run with every error, against a simulation of that error.
TEST(HitProbability, BudgetAgreesWithEachErrorSimulatedAlone) {
  const auto c = ZeroedStartValues();
  THitSettings every = NoSpread({300, 450, 600}, 1);
  every.dispersionRad = 0.5 * kMoaRad;
  every.velocitySigmaMps = 5;
  every.bcSigmaFraction = 0.05;
  every.windSigmaMps = 1.5;
  every.rangeSigmaFraction = 0.02;
  const auto budget = ComputeHitProbability(*c, every);
  struct Alone {
    THitError error;
    double THitSettings::*sigma;
  };
  for (const Alone a : {Alone{kHitVelocity, &THitSettings::velocitySigmaMps},
                        Alone{kHitCoefficient, &THitSettings::bcSigmaFraction},
                        Alone{kHitWind, &THitSettings::windSigmaMps},
                        Alone{kHitRange, &THitSettings::rangeSigmaFraction}}) {
    THitSettings s = NoSpread(every.distancesM, 1000);
    s.*a.sigma = every.*a.sigma;
    const auto rows = ComputeHitProbability(*c, s);
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const double p = budget[k].alone[a.error];
      const double standardError = std::sqrt(std::max(p * (1 - p), 1.0 / s.shots) / s.shots);
      EXPECT_NEAR(rows[k].probability, p, 3 * standardError)
          << "error " << a.error << " at " << rows[k].distanceM;
    }
  }
}

// The run as the window drives it: the progress counts the work, a cancelled run returns
// nothing, and the range spread never runs the hold into the step limit.
TEST(HitProbability, ProgressCancelAndTheHoldBeyondTheLastDistance) {
  const auto c = ZeroedStartValues();
  THitSettings s = NoSpread({300, 600}, 100);
  s.velocitySigmaMps = 5;
  THitProgress progress;
  EXPECT_EQ(ComputeHitProbability(*c, s, &progress).size(), 2u);
  EXPECT_EQ(progress.done, progress.total);
  EXPECT_GT(progress.total, s.shots);

  THitProgress cancelled;
  cancelled.cancel = true;
  EXPECT_TRUE(ComputeHitProbability(*c, s, &cancelled).empty());

  // 1000 m at 0.1 ms steps fits the step limit; 1000 m (1 + 6 x 25 %) does not.
  c->in.autoStep = false;
  c->in.stepS = 0.0001;
  SolveLaunchAngle(*c);
  THitSettings far = NoSpread({1000}, 50);
  far.rangeSigmaFraction = 0.25;
  const auto rows = ComputeHitProbability(*c, far);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_TRUE(rows[0].reached);
  EXPECT_GT(rows[0].alone[kHitRange], 0);
}

}  // namespace
