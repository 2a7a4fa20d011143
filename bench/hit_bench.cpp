// Speed of the hit probability: the window's start values from 100 to 600 m, 1000 shots with
// their error budget, and the budget alone (one shot). The same source makes
// trajekta_hit_bench_before, whose solver runs on the integration as it was before its step was
// made faster.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_engines.h"
#include "engine_support.h"
#include "solvers/HitProbability.h"

namespace {

// Out of line, so that bench/instructions.sh can count its instructions alone.
[[gnu::noinline]] std::vector<THitRow> MeasuredShots(const Computation& c, const THitSettings& s) {
  return ComputeHitProbability(c, s);
}

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
  for (auto _ : state) benchmark::DoNotOptimize(MeasuredShots(*c, s));
  // A shot's run goes as far as the nominal one, give or take its random velocity; the steps
  // of the budget's runs are not counted.
  Computation nominal = *c;
  nominal.in.limitXM = s.distancesM.back();
  nominal.in.limitYM = -1000;
  IntegrateTrajectory(nominal, TIntegrationMode::Full);
  benchengine::ReportSteps(state, static_cast<double>(s.shots) * nominal.trajectory.stepCount);
}
// Threads (0: every core), shots.
BENCHMARK(BM_HitProbabilityStartValues)
    ->Args({1, 1000})
    ->Args({0, 1000})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
