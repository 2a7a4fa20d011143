// The hit probability simulation against closed forms, and its independence of the threads.
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
    EXPECT_EQ(r.sdYCm, 0) << r.distanceM;
    EXPECT_EQ(r.meanZCm, 0) << r.distanceM;
  }
  EXPECT_EQ(MaxDistanceWithProbability(rows, 1.0), 600);
}

TEST(HitProbability, DispersionAloneFollowsTheNormalDistribution) {
  const auto c = ZeroedStartValues();
  THitSettings s = NoSpread({200, 400, 600}, 1000);
  s.dispersionRad = 0.5 * kMoaRad;
  for (const auto& r : ComputeHitProbability(*c, s)) {
    const double spreadM = 2 * std::sqrt(2.0) * s.dispersionRad * r.distanceM;
    const double expected =
        std::erf(s.targetWidthM / spreadM) * std::erf(s.targetHeightM / spreadM);
    const double standardError = std::sqrt(expected * (1 - expected) / s.shots);
    EXPECT_NEAR(r.probability, expected, 3 * standardError) << r.distanceM;
    EXPECT_LE(r.low95, r.probability);
    EXPECT_GE(r.high95, r.probability);
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
  THitSettings s = NoSpread(HitDistances(100, 600, 50), 200);
  s.dispersionRad = 0.5 * kMoaRad;
  s.velocitySigmaMps = 5;
  s.bcSigmaFraction = 0.02;
  s.windSigmaMps = 1.5;
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
  }
  s.seed = 2;
  EXPECT_NE(ComputeHitProbability(*c, s)[5].meanYCm, one[5].meanYCm);
}

TEST(HitProbability, DistancesEndAtDoAndTheReachStopsAtTheFirstShortfall) {
  EXPECT_EQ(HitDistances(100, 600, 200), (std::vector<double>{100, 300, 500, 600}));
  EXPECT_EQ(HitDistances(100, 600, 250), (std::vector<double>{100, 350, 600}));
  std::vector<THitRow> rows(3);
  const double p[] = {0.95, 0.8, 0.92};
  for (int k = 0; k < 3; ++k) rows[k] = {100.0 * (k + 1), true, 0, p[k]};
  EXPECT_EQ(MaxDistanceWithProbability(rows, 0.9), 100);
  EXPECT_LT(MaxDistanceWithProbability(rows, 0.99), 0);
}

}  // namespace
