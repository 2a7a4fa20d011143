#include "solvers/Incline.h"

#include <cmath>

#include "core/Abort.h"
#include "core/LinearInterp.h"
#include "core/NumberText.h"
#include "engine/RangeTable.h"

namespace {

constexpr double kSlantDegToRad = 0.0174532954;
constexpr double kRadToDeg = 57.2957795;
constexpr double kRowRadToDeg = 57.29577;
constexpr double kDisabledLimitM = 1000000;
constexpr double kZeroAngle = -1e-6;  // prints 0.0 clicks rather than -0.0
constexpr const char* kMuzzleRow =
    "%4.0f     %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f";
constexpr const char* kRow = "%4.0f   %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f";

void CheckAngle(double angleDeg) {
  if (angleDeg < -89) ShowMessageAbort("Úhel menší než -89 stupňů.");
  if (angleDeg > 89) ShowMessageAbort("Úhel větší než 89 stupňů.");
}

double Speed(const TTrajectory& tr, int k) {
  return std::sqrt(tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k]);
}

}  // namespace

InclineTarget InclineTargetFromSlant(double slantM, double angleDeg) {
  CheckAngle(angleDeg);
  const double a = angleDeg * kSlantDegToRad;
  return {slantM * std::cos(a), slantM * std::sin(a)};
}

double SiteAngleDeg(const InclineTarget& target) {
  return std::atan(target.riseM / target.distanceM) * kRadToDeg;
}

void SolveIncline(Computation& c, const InclineTarget& target, const IntegrationHooks& hooks) {
  if (target.distanceM <= 0) ShowMessageAbort("Vzdálenost menší nebo rovna  0 m.");
  c.in.launchAngleDeg += SiteAngleDeg(target);
  CheckAngle(c.in.launchAngleDeg);
  c.in.limitXM = target.distanceM;
  c.in.limitYM = kDisabledLimitM;
  IntegrateTrajectory(c, TIntegrationMode::Full, hooks);
  c.sightLineRiseM = target.riseM;
  c.inclineDistanceM = target.distanceM;
}

std::vector<std::string> InclineReport(const Computation& c, const InclineTarget& target,
                                       bool slant, const std::string& drgFileName) {
  const TTrajectory& tr = c.trajectory;
  const TShotInputs& in = c.in;
  const double D = target.distanceM, H = target.riseM;
  const double phi = SiteAngleDeg(target);
  const double cosPhi = std::cos(phi / kRadToDeg);
  const double f = slant ? cosPhi : 1;
  const double step = in.tableStepM * f;

  std::vector<std::string> lines{"  ", CoefficientLine(in, c.gridFunction, drgFileName),
                                 StepCountLine(tr.stepCount)};
  lines.push_back(
      slant ? " Š.V. [m]  Y [cm]    Klik      V [m/s]        E [J]      T [ms]   Vítr [cm]   Klik "
            : RangeTableHeader());
  lines.push_back(RangeTableRule());

  // A row at horizontal distance d: heights and clicks from the inclined line of sight.
  auto row = [&](double d, double yCm, double v, int i) {
    double alphaY = std::atan(0.01 * yCm / d) * kRowRadToDeg - phi;
    yCm -= H / D * d * 100;
    double alphaZ = std::atan(0.01 * tr.zCm[i] / (d / cosPhi)) * kRowRadToDeg;
    if (yCm > -0.05 && yCm < 0.05) {
      yCm = 0;
      alphaY = kZeroAngle;
    }
    if (tr.zCm[i] == 0) alphaZ = kZeroAngle;
    lines.push_back(Sprintf(kRow, d / f, yCm, -alphaY / in.clickDeg, v, 0.5 * in.massKg * v * v,
                            tr.timeS[i] * 1000, tr.zCm[i], -alphaZ / in.clickDeg));
  };

  const int N = tr.stepCount;
  const double v0 = in.muzzleVelocity;
  lines.push_back(Sprintf(kMuzzleRow, 0.0, tr.yCm[0], -kZeroAngle / in.clickDeg, v0,
                          0.5 * in.massKg * v0 * v0, tr.timeS[0] * 1000, tr.zCm[0],
                          -kZeroAngle / in.clickDeg));
  int k = 1;
  for (int i = 1; i <= N; ++i) {
    const double d = k * step;
    if (d <= tr.xM[i]) {
      const double y = LinearInterp(d, tr.xM[i - 1], tr.xM[i], tr.yCm[i - 1], tr.yCm[i]);
      const double v = LinearInterp(d, tr.xM[i - 1], tr.xM[i], Speed(tr, i - 1), Speed(tr, i));
      row(d, y, v, i);
      ++k;
      continue;
    }
    if (i == N) {
      const double xN = tr.xM[N], last = (k - 1) * step;
      if (xN != D && xN != D + 1 && xN != last && xN != last + 1)
        row(xN, tr.yCm[N], Speed(tr, N), N);
    }
  }
  lines.push_back("  ");
  return lines;
}
