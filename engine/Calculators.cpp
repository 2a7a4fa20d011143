#include "engine/Calculators.h"

#include <numbers>

namespace {

constexpr double kPowderCoefficient = 0.0014;  // per degree, relative to 15 C
constexpr double kFtLbPerJ = 0.7375610331754953;
constexpr double kFtPerM = 3.280839895013123;
constexpr double kLbPerKg = 2.2046226218487757;
constexpr double kGrainsPerKg = 15432.360734518643;
constexpr double kCmPerIn = 2.54;

}  // namespace

double PowderTemperatureVelocity(double velocityMps, double fromC, double toC) {
  const double at15 = velocityMps / (1 + kPowderCoefficient * (fromC - 15));
  return at15 * (1 + kPowderCoefficient * (toC - 15));
}

double BarrelLengthVelocity(double velocityMps, double fromCm, double toCm) {
  double perCm = 0;
  if (velocityMps <= 600) {
    perCm = 1;
  } else if (velocityMps <= 750) {
    perCm = 1.2;
  } else if (velocityMps <= 900) {
    perCm = 2.4;
  } else if (velocityMps <= 1050) {
    perCm = 3.6;
  } else if (velocityMps <= 1400) {
    perCm = 4.8;
  } else {
    return velocityMps;
  }
  return velocityMps + (toCm - fromCm) * perCm;
}

TProjectileEnergy ProjectileEnergy(double velocityMps, double massKg, double diameterM) {
  TProjectileEnergy r{};
  r.energyJ = 0.5 * massKg * velocityMps * velocityMps;
  r.momentumKgMps = massKg * velocityMps;
  r.ipscFactor = massKg * kGrainsPerKg * velocityMps * kFtPerM * 0.001;
  r.energyLoadingJPerCm2 = r.energyJ / (std::numbers::pi * diameterM * diameterM / 4 * 10000);
  r.sectionalDensityGPerCm2 = massKg * 1000 / (diameterM * diameterM * 10000);
  r.energyFtLb = r.energyJ * kFtLbPerJ;
  r.momentumLbFtps = r.momentumKgMps * kFtPerM * kLbPerKg;
  r.energyLoadingFtLbPerIn2 = r.energyLoadingJPerCm2 * kFtLbPerJ * kCmPerIn * kCmPerIn;
  r.sectionalDensityLbPerIn2 = r.sectionalDensityGPerCm2 * 0.001 * kLbPerKg * kCmPerIn * kCmPerIn;
  return r;
}
