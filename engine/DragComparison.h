#pragma once
#include <array>
#include <span>
#include <string>
#include <vector>

#include "engine/DragFunctions.h"
#include "engine/ShotInputs.h"

// The coefficient of a built-in function at a speed, on the straight line between the two
// table points around it; a speed equal to a table speed gives that point's value.
double TableDragCoefficient(const TDragTable& table, double speed);

// The coefficient and form factor a drag curve ends with.
struct TCoefficientPair {
  double ballisticCoefficient = 0;
  double formFactor = 0;
};

// The projectile's own drag coefficient at each grid speed 0 .. 1700 m/s: the form factor
// times the active function. With variable bands the form factor follows the band of each
// speed; the pair returned is the one of the last speed.
TCoefficientPair ProjectileDragCurve(const TShotInputs& in, bool variableBands,
                                     const TDragGrid& grid, std::span<double, kDragGridMax + 1> cd);

// The same drag at one speed against each built-in function, G1 .. 1943 in list order.
struct TCoefficientConversion {
  std::array<double, kDragFunctionCount - 1> formFactor{};
  std::array<double, kDragFunctionCount - 1> ballisticCoefficient{};
};
// projectileCd is the projectile's own drag coefficient at the speed.
TCoefficientConversion ConvertCoefficient(const TDragTableStore& store, double projectileCd,
                                          double speed, double massKg, double diameterM);
// The lines of the conversion, from the opening blank line to the closing one.
std::vector<std::string> CoefficientConversionLines(const TCoefficientConversion& c);
