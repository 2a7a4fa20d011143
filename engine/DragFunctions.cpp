#include "engine/DragFunctions.h"

#include <vector>

#include "core/LinearInterp.h"
#include "engine/Atmosphere.h"
#include "engine/DragTablesData.h"

namespace {

template <typename P>
void Split(const P* points, int n, std::vector<double>& v, std::vector<double>& c) {
  v.resize(n);
  c.resize(n);
  for (int i = 0; i < n; ++i) c[i] = points[i].cd;
}

}  // namespace

double SpeedOfMachPoint(int milliMach) {
  if (milliMach >= 5000) return kDragGridMax;
  // Speeds in tenths of m/s: milliMach * 3403 / 1000, a remainder of exactly half rounds down.
  const long long scaled = static_cast<long long>(milliMach) * 3403;
  return static_cast<double>((scaled + 499) / 1000) / 10.0;
}

TDragTableStore::TDragTableStore() {
  for (auto& slot : slots_) slot.fill(-1.0);
  using namespace dragdata;
  struct Published {
    int id;
    const MachPoint* points;
    int n;
    double machPoint65Speed;  // where the table places Mach 0.65
  };
  const Published published[] = {
      {kDragG1, kG1, kG1Count, 222.0}, {kDragG2, kG2, kG2Count, 222.0},
      {kDragG5, kG5, kG5Count, 222.0}, {kDragG6, kG6, kG6Count, 222.0},
      {kDragG7, kG7, kG7Count, 221.2}, {kDragG8, kG8, kG8Count, 222.0},
  };
  std::vector<double> v, c;
  for (const auto& t : published) {
    Split(t.points, t.n, v, c);
    for (int i = 0; i < t.n; ++i) {
      v[i] = t.points[i].milliMach == 650 ? t.machPoint65Speed
                                          : SpeedOfMachPoint(t.points[i].milliMach);
    }
    Put(t.id, v.data(), c.data(), t.n);
  }
  struct Direct {
    int id;
    const SpeedPoint* points;
    int n;
  };
  const Direct direct[] = {{kDragGL, kGL, kGLCount},
                           {kDragGS, kGS, kGSCount},
                           {kDragGC, kGC, kGCCount},
                           {kDragRA4, kRA4, kRA4Count},
                           {kDrag1943, kM1943, kM1943Count}};
  for (const auto& t : direct) {
    Split(t.points, t.n, v, c);
    for (int i = 0; i < t.n; ++i) v[i] = t.points[i].speed;
    Put(t.id, v.data(), c.data(), t.n);
  }
}

void TDragTableStore::Put(int id, const double* speeds, const double* coefficients, int n) {
  auto& slot = slots_[id];
  for (int i = 0; i < n; ++i) {
    slot[i] = speeds[i];
    slot[n + i] = coefficients[i];
  }
}

TDragTable TDragTableStore::Table(int id) const {
  const auto& slot = slots_[id];
  // The speeds are followed by the coefficients; the first -1 after them marks the end.
  int used = 0;
  while (used < kDragSlotSize && slot[used] != -1.0) ++used;
  const int n = used / 2;
  return {n, std::span<const double>(slot.data(), n), std::span<const double>(slot.data() + n, n)};
}

void ResampleToGrid(TDragGrid& grid, std::span<const double> speeds,
                    std::span<const double> coefficients, int n) {
  // Each segment writes the integer speeds up to its upper end; the point after the last
  // one counts as (0, 0), which writes grid[1700] = the last coefficient.
  int last = -1;
  for (int g = 0; g < n; ++g) {
    const double v1 = speeds[g], c1 = coefficients[g];
    const double v2 = g + 1 < n ? speeds[g + 1] : 0.0;
    const double c2 = g + 1 < n ? coefficients[g + 1] : 0.0;
    const double slope = (c1 - c2) / (v1 - v2);
    const double intercept = c1 - slope * v1;
    int j = last + 1;
    if (j > kDragGridMax) break;
    for (;;) {
      grid.cd[j] = slope * j + intercept;
      if (j + 1 >= v2 || j == kDragGridMax) break;
      ++j;
    }
    last = j;
    if (!(v1 < v2)) break;
  }
  grid.UpdateLines();
}

void TDragGrid::UpdateLines() {
  // The line LinearInterp draws through the neighbours; they are 2 m/s apart, so halving
  // gives the bits of its division.
  for (int j = 1; j < kDragGridMax; ++j) {
    const double slope = (cd[j + 1] - cd[j - 1]) * 0.5;
    lines[j] = {slope, cd[j + 1] - (j + 1) * slope};
  }
}

void SelectBuiltInDragFunction(TDragGrid& grid, const TDragTableStore& store, int id) {
  const TDragTable t = store.Table(id);
  ResampleToGrid(grid, t.speeds, t.coefficients, t.n);
}

double DragDeceleration(const TDragGrid& grid, double bc, double vs, double density,
                        double airSpeed) {
  return -kDragConstant / bc * DragCoefficientAt(grid, vs) * density * airSpeed;
}

double CorrectedMuzzleVelocity(const TShotInputs& in, const TDragGrid& grid) {
  const double v = in.muzzleVelocity;
  if (!(in.chronoDistanceM > 0)) return v;
  const double vs = v * std::sqrt(kStandardTemperatureK / in.temperatureK);
  int j = DragGridIndex(vs);
  if (j > kDragGridMax) j = kDragGridMax;
  const double rho = DensityAtSite(in.pressurePa, in.temperatureK);
  const double bc = in.coefficientMode == 2 ? BandCoefficient(in, v) : in.ballisticCoefficient;
  const double k = kDragConstant / bc * grid.cd[j] * rho;
  return v * std::exp(k * in.chronoDistanceM / std::cos(in.launchAngleDeg * M_PI / 180.0));
}
