#include "solvers/LaunchAngle.h"

#include <cmath>
#include <limits>
#include <memory>

#include "core/Abort.h"

namespace {

constexpr double kSettledDeg = 0.0003;  // the solver's own convergence test
constexpr double kMaxAngleDeg = 89;
constexpr double kAngleResolutionDeg = 0.01;

// Height above the sight line at the zero distance, cm, of the ZeroSearch run the
// trajectory holds, found as the solver finds it.
double HeightAtZeroCm(const Computation& c) {
  const TTrajectory& tr = c.trajectory;
  const int n = tr.stepCount;
  const double slope = (tr.yCm[n] - tr.yCm[n - 1]) / (tr.xM[n] - tr.xM[n - 1]);
  return slope * c.in.zeroDistanceM + (tr.yCm[n] - slope * tr.xM[n]);
}

double AimHeightCm(const TShotInputs& in) {
  return in.solveMode == 2 ? in.zeroHeightM * 100 : 0;
}

}  // namespace

bool ZeroPointReachable(const Computation& c) {
  auto probe = std::make_unique<Computation>(c);
  const double aimCm = AimHeightCm(c.in);
  // How far above the zero point a launch angle passes; a run that never gets there counts
  // as passing infinitely far below.
  auto above = [&](double angleDeg) {
    probe->in.launchAngleDeg = angleDeg;
    try {
      IntegrateTrajectory(*probe, TIntegrationMode::ZeroSearch);
    } catch (const ActionAborted&) {
      return -std::numeric_limits<double>::infinity();
    }
    return HeightAtZeroCm(*probe) - aimCm;
  };
  // The height at a fixed distance rises with the angle and falls again once the projectile
  // lobs past it: a golden-section search for its highest point, ended by any angle that
  // reaches the zero point.
  const double g = (std::sqrt(5.0) - 1) / 2;
  double lo = 0, hi = kMaxAngleDeg;
  double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
  double fa = above(a), fb = above(b);
  while (fa < 0 && fb < 0 && hi - lo > kAngleResolutionDeg) {
    if (fa < fb) {
      lo = a;
      a = b;
      fa = fb;
      b = lo + g * (hi - lo);
      fb = above(b);
    } else {
      hi = b;
      b = a;
      fb = fa;
      a = hi - g * (hi - lo);
      fa = above(a);
    }
  }
  return fa >= 0 || fb >= 0;
}

void SolveReachableLaunchAngle(Computation& c, const IntegrationHooks& hooks) {
  SolveLaunchAngle(c, hooks);
  // The solver leaves its last run; the angle it ended on settled when that run met the point.
  const double missDeg =
      std::atan(0.01 * (HeightAtZeroCm(c) - AimHeightCm(c.in)) / c.in.zeroDistanceM) * 57.29577;
  if (std::fabs(missDeg) < kSettledDeg || ZeroPointReachable(c)) return;
  ShowMessageAbort(c.in.solveMode == 2 ? "Záměrný bod X,Y je mimo dostřel střely."
                                       : "Záměrná vzdálenost je větší než dostřel střely.");
}
