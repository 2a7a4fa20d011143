// Speed of the trajectory engine: whole runs, reported also per RK4 step.
#include <benchmark/benchmark.h>

#include "core/Abort.h"
#include "engine/Integration.h"
#include "engine_support.h"

namespace {

void ReportSteps(benchmark::State& state, int steps) {
  state.counters["steps"] = steps;
  state.counters["per_step"] = benchmark::Counter(
      steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The compute action's run with the window's start values (100 m zero, Y limit 0).
void BM_FullRunStartValues(benchmark::State& state) {
  auto c = enginetest::StartComputation();
  SolveLaunchAngle(*c);
  for (auto _ : state) {
    IntegrateTrajectory(*c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c->trajectory.yCm[c->trajectory.stepCount]);
  }
  ReportSteps(state, c->trajectory.stepCount);
}
BENCHMARK(BM_FullRunStartValues);

// 1000 m with a 4 m/s crosswind, Coriolis and spin drift: every force on.
void BM_Full1000mAllForces(benchmark::State& state) {
  auto c = enginetest::StartComputation();
  c->in.crossWind = 4;
  enginetest::EnableCoriolis(c->in, 50, 90);
  enginetest::EnableSpinDrift(*c, false);
  c->in.zeroDistanceM = 1000;
  SolveLaunchAngle(*c);
  c->in.limitXM = 1000;
  c->in.limitYM = 1000000;
  for (auto _ : state) {
    IntegrateTrajectory(*c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c->trajectory.zCm[c->trajectory.stepCount]);
  }
  ReportSteps(state, c->trajectory.stepCount);
}
BENCHMARK(BM_Full1000mAllForces);

// The longest run the arrays allow: 0.1 ms steps up to just below the step limit.
void BM_Full30000Steps(benchmark::State& state) {
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
  for (auto _ : state) {
    IntegrateTrajectory(*c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c->trajectory.xM[c->trajectory.stepCount]);
  }
  ReportSteps(state, c->trajectory.stepCount);
}
BENCHMARK(BM_Full30000Steps);

// Solving the launch angle for a 300 m zero from the window's start angle.
void BM_SolveLaunchAngle300m(benchmark::State& state) {
  auto c = enginetest::StartComputation();
  c->in.zeroDistanceM = 300;
  int runs = 0;
  IntegrationHooks hooks;
  hooks.busy = [&](bool b) { runs += b; };
  for (auto _ : state) {
    c->in.launchAngleDeg = 0.1;
    SolveLaunchAngle(*c, hooks);
    benchmark::DoNotOptimize(c->in.launchAngleDeg);
  }
  state.counters["runs"] = benchmark::Counter(runs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SolveLaunchAngle300m)->Unit(benchmark::kMicrosecond);

}  // namespace
