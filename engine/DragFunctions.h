#pragma once
#include <array>
#include <cmath>
#include <span>

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
};

// Speed of a published Mach point: Mach x 340.3 to 0.1 m/s (ties fall to the lower tenth).
double SpeedOfMachPoint(int milliMach);

void ResampleToGrid(TDragGrid& grid, std::span<const double> speeds,
                    std::span<const double> coefficients, int n);
void SelectBuiltInDragFunction(TDragGrid& grid, const TDragTableStore& store, int id);

// Grid index of an equivalent speed: round half up.
inline int DragGridIndex(double vs) {
  const double c = std::ceil(vs);
  return static_cast<int>(c > vs + 0.5 ? c - 1 : c);
}

double DragCoefficientAt(const TDragGrid& grid, double vs);
double DragDeceleration(const TDragGrid& grid, double bc, double vs, double density,
                        double airSpeed);

// The muzzle velocity from a chronograph reading taken chronoDistanceM from the muzzle.
double CorrectedMuzzleVelocity(const TShotInputs& in, const TDragGrid& grid);
