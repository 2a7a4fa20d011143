#include "engine/ShotInputs.h"

namespace {
constexpr double kSectionalDensityToLbIn2 = 0.001422341;  // kg/m2 -> lb/in2
}

double BandCoefficient(const TShotInputs& in, double airSpeed) {
  const auto& b = in.bcBands;
  double bc = b[0].coefficient;
  if (airSpeed < b[1].speedMps) bc = b[1].coefficient;
  for (int i = 2; i < 5; ++i) {
    if (b[i].on && airSpeed < b[i].speedMps) bc = b[i].coefficient;
  }
  return bc;
}

double CoefficientFromFormFactor(double massKg, double diameterM, double formFactor) {
  return massKg * kSectionalDensityToLbIn2 / (diameterM * diameterM * formFactor);
}

double FormFactorFromCoefficient(double massKg, double diameterM, double bc) {
  return massKg * kSectionalDensityToLbIn2 / (diameterM * diameterM * bc);
}
