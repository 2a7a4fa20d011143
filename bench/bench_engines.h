#pragma once
// The integration of the engine next to its copy as it was before its step was made faster
// (before/), so that one benchmark run measures both on the same machine under the same load.
#include <benchmark/benchmark.h>

#include "before/Integration.h"
#include "engine/Integration.h"

namespace benchengine {

struct Engine {
  void (*integrate)(Computation&, TIntegrationMode, const IntegrationHooks&);
  void (*solve)(Computation&, const IntegrationHooks&);
};
inline const Engine kNow{IntegrateTrajectory, SolveLaunchAngle};
inline const Engine kBefore{before::IntegrateTrajectory, before::SolveLaunchAngle};

// The measured work, out of line so that bench/instructions.sh can count its instructions
// alone (callgrind collects only inside functions named Measured*).
[[gnu::noinline]] inline void MeasuredRun(const Engine& e, Computation& c, TIntegrationMode mode,
                                          const IntegrationHooks& hooks = {}) {
  e.integrate(c, mode, hooks);
}
[[gnu::noinline]] inline void MeasuredSolve(const Engine& e, Computation& c,
                                            const IntegrationHooks& hooks = {}) {
  e.solve(c, hooks);
}

// Steps per iteration and the time of one step.
inline void ReportSteps(benchmark::State& state, double steps) {
  state.counters["steps"] = steps;
  state.counters["per_step"] = benchmark::Counter(
      steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace benchengine
