#pragma once
#include "engine/Computation.h"
#include "engine/Integration.h"

struct OptimalZeroResult {
  double launchAngleDeg = 0;  // the angle whose trajectory peaks at the target rise
  double landingXM = 0;       // where that trajectory comes back down to the sight line
  int runs = 0;
};

// Secant search on the launch angle for a trajectory that peaks targetRiseM over the line
// of sight, from 0.1 degrees, at most 13 MaxOrdinate runs. Leaves the angle in the inputs.
// Aborts the action when a step asks for 45 degrees or more.
OptimalZeroResult SolveOptimalZero(Computation& c, double targetRiseM,
                                   const IntegrationHooks& hooks = {});
