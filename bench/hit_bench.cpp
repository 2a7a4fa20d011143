// Speed of the hit probability: the window's start values, 1000 shots from 100 to 600 m.
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
  s.shots = 1000;
  s.threads = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(ComputeHitProbability(*c, s));
}
// 0: every core.
BENCHMARK(BM_HitProbabilityStartValues)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
