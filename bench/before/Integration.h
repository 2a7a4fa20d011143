#pragma once
// The integration as it was before its step was made faster (benchmarks only).
#include "engine/Integration.h"

namespace before {

int AutoStepPosition(double launchAngleDeg);
TAccelerationResult AccelerationAt(const Computation& c, const double state[6], double spin);
void IntegrateTrajectory(Computation& c, TIntegrationMode mode, const IntegrationHooks& hooks = {});
void SolveLaunchAngle(Computation& c, const IntegrationHooks& hooks = {});

}  // namespace before
