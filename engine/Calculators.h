#pragma once

// Muzzle velocity for another powder temperature: 0.14 % of the 15 C velocity per degree.
double PowderTemperatureVelocity(double velocityMps, double fromC, double toC);

// Muzzle velocity for another barrel length; the change per centimetre grows with the
// velocity, and above 1400 m/s the velocity is left as it is.
double BarrelLengthVelocity(double velocityMps, double fromCm, double toCm);

// Energy figures of a projectile, each in SI and imperial units.
struct TProjectileEnergy {
  double energyJ, energyFtLb;
  double momentumKgMps, momentumLbFtps;
  double ipscFactor;  // grains times ft/s over 1000
  double energyLoadingJPerCm2, energyLoadingFtLbPerIn2;
  double sectionalDensityGPerCm2, sectionalDensityLbPerIn2;
};
TProjectileEnergy ProjectileEnergy(double velocityMps, double massKg, double diameterM);
