// The engine's integration entry points served by the copy of the old integration, for a
// benchmark program that runs the solvers as they ran before. Linked before the engine
// library, these keep the library's own integration out of that program.
#include "before/Integration.h"

int AutoStepPosition(double launchAngleDeg) {
  return before::AutoStepPosition(launchAngleDeg);
}

TAccelerationResult AccelerationAt(const Computation& c, const double state[6], double spin) {
  return before::AccelerationAt(c, state, spin);
}

void IntegrateTrajectory(Computation& c, TIntegrationMode mode, const IntegrationHooks& hooks) {
  // The solvers' path runs were full runs then.
  before::IntegrateTrajectory(c, mode == TIntegrationMode::Path ? TIntegrationMode::Full : mode,
                              hooks);
}

void SolveLaunchAngle(Computation& c, const IntegrationHooks& hooks) {
  before::SolveLaunchAngle(c, hooks);
}
