// Speed of the hit probability: the window's start values from 100 to 600 m, 1000 shots with
// their error budget, and the budget alone (one shot).
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine_support.h"
#include "solvers/HitProbability.h"

namespace {

void BM_HitProbabilityStartValues(benchmark::State& state) {
  auto c = enginetest::StartComputation();
  SolveLaunchAngle(*c);
  THitSettings s;
  s.dispersionRad = 0.5 * M_PI / 10800;
  s.velocitySigmaMps = 5;
  s.bcSigmaFraction = 0.02;
  s.windSigmaMps = 1.5;
  s.rangeSigmaFraction = 0.02;
  s.distancesM = HitDistances(100, 600, 50);
  s.threads = static_cast<int>(state.range(0));
  s.shots = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(ComputeHitProbability(*c, s));
}
// Threads (0: every core), shots.
BENCHMARK(BM_HitProbabilityStartValues)
    ->Args({1, 1000})
    ->Args({0, 1000})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
