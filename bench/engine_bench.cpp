// Speed of the trajectory engine: whole runs and launch-angle solutions, reported also per RK4
// step, each as "now" and as "before" (the integration before its step was made faster).
#include <benchmark/benchmark.h>

#include "bench_engines.h"
#include "core/Abort.h"
#include "engine_support.h"

namespace {

using benchengine::Engine;
using benchengine::kBefore;
using benchengine::kNow;
using benchengine::MeasuredRun;
using benchengine::MeasuredSolve;
using benchengine::ReportSteps;

void RepeatFullRun(benchmark::State& state, const Engine& e, Computation& c) {
  for (auto _ : state) {
    MeasuredRun(e, c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c.trajectory.zCm[c.trajectory.stepCount]);
  }
  ReportSteps(state, c.trajectory.stepCount);
}

// 1000 m with a 4 m/s crosswind, Coriolis and spin drift: every force on.
std::unique_ptr<Computation> AllForces1000m() {
  auto c = enginetest::StartComputation();
  c->in.crossWind = 4;
  enginetest::EnableCoriolis(c->in, 50, 90);
  enginetest::EnableSpinDrift(*c, false);
  c->in.zeroDistanceM = 1000;
  return c;
}

// The compute action's run with the window's start values (100 m zero, Y limit 0).
void BM_FullRunStartValues(benchmark::State& state, const Engine& e) {
  auto c = enginetest::StartComputation();
  SolveLaunchAngle(*c);
  RepeatFullRun(state, e, *c);
}
BENCHMARK_CAPTURE(BM_FullRunStartValues, now, kNow);
BENCHMARK_CAPTURE(BM_FullRunStartValues, before, kBefore);

void BM_Full1000mAllForces(benchmark::State& state, const Engine& e) {
  auto c = AllForces1000m();
  SolveLaunchAngle(*c);
  c->in.limitXM = 1000;
  c->in.limitYM = 1000000;
  RepeatFullRun(state, e, *c);
}
BENCHMARK_CAPTURE(BM_Full1000mAllForces, now, kNow);
BENCHMARK_CAPTURE(BM_Full1000mAllForces, before, kBefore);

// The longest run the arrays allow: 0.1 ms steps up to just below the step limit.
void BM_Full30000Steps(benchmark::State& state, const Engine& e) {
  auto c = enginetest::StartComputation();
  c->in.autoStep = false;
  c->in.stepS = 0.0001;
  c->in.launchAngleDeg = 1;
  c->in.limitXM = 1000000;
  c->in.limitYM = -1000000;  // never reached: the step limit ends the first run
  try {
    IntegrateTrajectory(*c, TIntegrationMode::Full);
  } catch (const ActionAborted&) {
  }
  c->in.limitXM = c->trajectory.xM[29998];
  RepeatFullRun(state, e, *c);
}
BENCHMARK_CAPTURE(BM_Full30000Steps, now, kNow);
BENCHMARK_CAPTURE(BM_Full30000Steps, before, kBefore);

// Solving the launch angle from the window's start angle; per_step over all its runs.
void RepeatSolve(benchmark::State& state, const Engine& e, Computation& c) {
  double runs = 0, steps = 0;
  IntegrationHooks hooks;
  hooks.busy = [&](bool busy) {
    // The label goes off after the run has stored its step count.
    if (!busy) {
      ++runs;
      steps += c.trajectory.stepCount;
    }
  };
  for (auto _ : state) {
    c.in.launchAngleDeg = 0.1;
    MeasuredSolve(e, c, hooks);
    benchmark::DoNotOptimize(c.in.launchAngleDeg);
  }
  const double iterations = static_cast<double>(state.iterations());
  ReportSteps(state, steps / iterations);
  state.counters["runs"] = runs / iterations;
}

void BM_SolveLaunchAngle300m(benchmark::State& state, const Engine& e) {
  auto c = enginetest::StartComputation();
  c->in.zeroDistanceM = 300;
  RepeatSolve(state, e, *c);
}
BENCHMARK_CAPTURE(BM_SolveLaunchAngle300m, now, kNow)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveLaunchAngle300m, before, kBefore)->Unit(benchmark::kMicrosecond);

// The zero of the full-force case: its runs carry Coriolis and spin drift too.
void BM_SolveLaunchAngle1000mAllForces(benchmark::State& state, const Engine& e) {
  auto c = AllForces1000m();
  RepeatSolve(state, e, *c);
}
BENCHMARK_CAPTURE(BM_SolveLaunchAngle1000mAllForces, now, kNow)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveLaunchAngle1000mAllForces, before, kBefore)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
