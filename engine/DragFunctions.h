#pragma once
#include <array>
#include <cmath>
#include <span>

#include "core/LinearInterp.h"
#include "engine/ShotInputs.h"

inline constexpr int kDragSlotSize = 210;
inline constexpr int kDragGridMax = 1700;                // m/s, the last grid speed
inline constexpr double kDragConstant = 0.000558552304;  // pi/8 / 703.0696

// One built-in drag function: n speeds (m/s, strictly increasing) and their coefficients.
struct TDragTable {
  int n = 0;
  std::span<const double> speeds;
  std::span<const double> coefficients;
};

// Twelve slots of 210 doubles; slot k holds function k, unused places hold -1.
class TDragTableStore {
 public:
  TDragTableStore();  // fills the eleven built-in functions
  TDragTable Table(int id) const;
  std::span<const double> Slot(int id) const { return {slots_[id].data(), kDragSlotSize}; }

 private:
  void Put(int id, const double* speeds, const double* coefficients, int n);
  std::array<std::array<double, kDragSlotSize>, kDragFunctionCount> slots_;
};

// The active drag function on a 1 m/s grid of equivalent speeds 0 .. 1700 m/s.
struct TDragGrid {
  std::array<double, kDragGridMax + 1> cd{};
  // For each grid speed j, the line through (j - 1, cd[j - 1]) and (j + 1, cd[j + 1]) as the
  // lookup draws it, kept so that the integration loop only multiplies and adds. Whoever
  // writes cd calls UpdateLines().
  struct Line {
    double slope = 0, intercept = 0;
  };
  std::array<Line, kDragGridMax + 1> lines{};
  void UpdateLines();
};

// Speed of a published Mach point: Mach x 340.3 to 0.1 m/s (ties fall to the lower tenth).
double SpeedOfMachPoint(int milliMach);

void ResampleToGrid(TDragGrid& grid, std::span<const double> speeds,
                    std::span<const double> coefficients, int n);
void SelectBuiltInDragFunction(TDragGrid& grid, const TDragTableStore& store, int id);

// Grid index of an equivalent speed (not negative): round half up, that is ceil(vs), less 1
// when ceil(vs) > vs + 0.5. For vs >= 0 this is the whole part of vs + 0.5, with the same
// rounding of that sum; it runs four times a step, so it avoids a library call.
inline int DragGridIndex(double vs) {
  return static_cast<int>(vs + 0.5);
}

// The coefficient on the line through the grid speeds either side of the rounded speed. The
// line's slope goes to slope, which stays as it was off the grid.
inline double DragCoefficientAt(const TDragGrid& grid, double vs, double& slope) {
  const int j = DragGridIndex(vs);
  if (j <= 0) return grid.cd[0];
  if (j >= kDragGridMax) return grid.cd[kDragGridMax];  // also above the grid: flat
  const TDragGrid::Line& line = grid.lines[j];
  slope = line.slope;
  return line.slope * vs + line.intercept;
}
// The same, leaving the slope for LinearInterp.
inline double DragCoefficientAt(const TDragGrid& grid, double vs) {
  return DragCoefficientAt(grid, vs, g_linearInterpSlope);
}
double DragDeceleration(const TDragGrid& grid, double bc, double vs, double density,
                        double airSpeed);

// The muzzle velocity from a chronograph reading taken chronoDistanceM from the muzzle.
double CorrectedMuzzleVelocity(const TShotInputs& in, const TDragGrid& grid);
