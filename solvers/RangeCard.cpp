#include "solvers/RangeCard.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kNoLimitM = 1000000;

// A copy of the computation run out to a horizontal distance with the given crosswind, or
// with the computation's own wind when crossWind is empty.
std::unique_ptr<Computation> RunTo(const Computation& c, double xM, const double* crossWind,
                                   const IntegrationHooks& hooks) {
  auto run = std::make_unique<Computation>(c);
  TShotInputs& in = run->in;
  in.limitXM = xM;
  in.limitYM = kNoLimitM;
  // The step the computation's trajectory was run with: the incline and the zero point modes
  // run with the step set, not the automatic one of their angle.
  if (c.trajectory.stepCount >= 1) {
    in.autoStep = false;
    in.stepS = c.trajectory.timeS[1];
  }
  if (crossWind) {
    in.crossWindMode = 0;
    in.crossWind = *crossWind;
  }
  run->trajectory.Clear(true);
  IntegrateTrajectory(*run, TIntegrationMode::Full, hooks);
  return run;
}

// The drift at a horizontal distance, interpolated between the points around it.
double DriftCmAt(const TTrajectory& tr, double xM) {
  const int n = tr.stepCount;
  int p = 1;
  while (p < n && tr.xM[p] < xM) ++p;
  const double x0 = tr.xM[p - 1], x1 = tr.xM[p];
  if (x1 <= x0) return tr.zCm[p];
  return tr.zCm[p - 1] + (tr.zCm[p] - tr.zCm[p - 1]) * (xM - x0) / (x1 - x0);
}

}  // namespace

double TableEndM(const Computation& c, bool slantEntry) {
  const InclineState incline{c.sightLineRiseM, c.inclineDistanceM};
  const double end = c.trajectory.xM[c.trajectory.stepCount];
  return std::round(end / TableDistanceFactor(incline, slantEntry));
}

RangeCardTable ComputeRangeCardTable(const Computation& c, const TableRange& range, bool slantEntry,
                                     bool windHold, const IntegrationHooks& hooks) {
  const InclineState incline{c.sightLineRiseM, c.inclineDistanceM};
  const double factor = TableDistanceFactor(incline, slantEntry);
  RangeCardTable table;
  if (range.toM > TableEndM(c, slantEntry)) {
    const auto run = RunTo(c, range.toM * factor, nullptr, hooks);
    table.rows = RangeTableValues(run->trajectory, run->in, incline, slantEntry, range);
  } else {
    table.rows = RangeTableValues(c.trajectory, c.in, incline, slantEntry, range);
  }
  if (!windHold || table.rows.empty()) return table;

  double farthest = 0;
  for (const auto& row : table.rows) farthest = std::max(farthest, row[kColDistance] * factor);
  const double calm = 0, breeze = 1;
  const auto still = RunTo(c, farthest, &calm, hooks);
  const auto windy = RunTo(c, farthest, &breeze, hooks);
  // Drift angles are seen along the sight line, which an incline tilts.
  const double siteCos =
      incline.sightLineRiseM == 0
          ? 1
          : std::cos(std::atan(incline.sightLineRiseM / incline.inclineDistanceM));
  for (const auto& row : table.rows) {
    const double xM = row[kColDistance] * factor;
    double angleRad = 0;
    if (xM > 0) {
      const double driftCm = DriftCmAt(windy->trajectory, xM) - DriftCmAt(still->trajectory, xM);
      angleRad = std::atan(0.01 * std::fabs(driftCm) / (xM / siteCos));
    }
    table.windClicks.push_back(angleRad * 180 / M_PI / c.in.clickDeg);
    table.windMrad.push_back(angleRad * 1000);
  }
  return table;
}
