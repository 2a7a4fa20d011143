#pragma once
#include "engine/Computation.h"
#include "engine/Integration.h"

// SolveLaunchAngle, refusing a zero point that no launch angle up to 89 degrees reaches: the
// solver alone ends on some angle after its sixth run, and a zero beyond the range would
// give a table that never meets it. Aborts with a message then; c is changed as by
// SolveLaunchAngle.
void SolveReachableLaunchAngle(Computation& c, const IntegrationHooks& hooks = {});

// Whether some launch angle up to 89 degrees brings the trajectory to the zero point of the
// inputs; runs on a copy.
bool ZeroPointReachable(const Computation& c);
