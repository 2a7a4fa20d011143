#pragma once
#include "engine/Computation.h"
#include "engine/Integration.h"

struct CoefficientSearchResult {
  double ballisticCoefficient = 0;  // lb/in2
  double launchAngleDeg = 0;
  int iterations = 0;  // iterations begun; the search ends within 21
  int runs = 0;
};

// Launch angle the searches start from (and the velocity search keeps) for a distance.
double MeasurementLaunchAngleDeg(double distanceM);

// The coefficient for which the projectile has speedMps (within 0.1 %) at c.in.zeroDistanceM:
// a secant search on VelocityAtDistance runs, at most 42; where a run does not reach the
// distance, a step leaves the bracket of the coefficients tried or the secant does not
// converge, a bisection of that bracket. Aborts when no coefficient of 0.001 .. 20 gives the
// speed. The found coefficient is left in the inputs.
CoefficientSearchResult CoefficientFromVelocity(Computation& c, double speedMps,
                                                const IntegrationHooks& hooks = {});

// The coefficient and launch angle for which the trajectory is height1M and height2M above
// the horizontal sight line at distance1M and distance2M (distance1M < distance2M): Newton
// steps on relative sensitivities, at most 63 DropAtTwoDistances runs. A computed height of
// exactly 0 is matched in metres instead of relatively. Aborts when the coefficient leaves
// 0.001 .. 20 or the angle 0 .. 5 degrees. Both values are left in the inputs.
CoefficientSearchResult CoefficientFromDrop(Computation& c, double distance1M, double height1M,
                                            double distance2M, double height2M,
                                            const IntegrationHooks& hooks = {});
