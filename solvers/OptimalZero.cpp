#include "solvers/OptimalZero.h"

#include <cmath>

#include "core/Abort.h"

namespace {

constexpr double kStartAngleDeg = 0.1;
constexpr double kPeakStartM = -200;
constexpr int kLastIteration = 6;

// One MaxOrdinate run at an angle; the peak over the sight line in metres.
double PeakAt(Computation& c, double angleDeg, const IntegrationHooks& hooks, int& runs) {
  c.in.launchAngleDeg = angleDeg;
  c.results.maxOrdinateM = kPeakStartM;
  // A run cut short by the 300 m rule leaves no landing point of its own.
  c.results.landingXM = 0;
  IntegrateTrajectory(c, TIntegrationMode::MaxOrdinate, hooks);
  ++runs;
  return c.results.maxOrdinateM;
}

}  // namespace

OptimalZeroResult SolveOptimalZero(Computation& c, double targetRiseM,
                                   const IntegrationHooks& hooks) {
  OptimalZeroResult result;
  double theta = kStartAngleDeg;
  for (int k = 0;; ++k) {
    const double theta1 = theta;
    const double m1 = PeakAt(c, theta1, hooks, result.runs);
    double r = std::fabs(m1 / targetRiseM);
    if ((r > 0.995 && r < 1.005) || k >= kLastIteration) break;
    if (r > 10) r = 10;
    if (r == 0) r = 0.1;  // a peak exactly on the sight line: probe ten times higher
    // The probe differs from the first run by at least 5 %, so the secant stays defined.
    if (r > 0.95 && r < 1.05) r = r >= 1 ? 1.05 : 0.95;
    const double theta2 = theta1 / r;
    const double m2 = PeakAt(c, theta2, hooks, result.runs);
    double s = (m1 - m2) / (theta1 - theta2);
    const double q = m1 - s * theta1;
    if (s == 0) s = 0.1;
    theta = (targetRiseM - q) / s;
    if (theta <= 0) theta = 0.001;
    if (theta >= 45) ShowMessageAbort("Překročen úhel 45 stupňů");
  }
  c.in.launchAngleDeg = theta;
  result.launchAngleDeg = theta;
  result.landingXM = c.results.landingXM;
  return result;
}
