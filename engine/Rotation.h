#pragma once
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/DragFunctions.h"
#include "engine/ShotInputs.h"

// The projectile as a spinning solid of three pieces: mass model, aerodynamic slopes for
// every grid speed, stability at the muzzle and the spin decay along the flight.
struct TRotation {
  bool active = false;
  double projectileDensity = 0;  // kg/m3
  double axialInertia = 0;       // Ix, kg m2
  double transverseInertia = 0;  // Iy, kg m2
  double cgFromTipCal = 0;
  double muzzleSpin = 0;       // rad/s
  double lengthM = 0;          // whole length
  double spinDecayPerS = 0;    // spin(t) = muzzleSpin * exp(-spinDecayPerS * t)
  double stabilityFactor = 0;  // Sg; NaN when the moment slope at the muzzle is not positive
  double maxTwistCm = 0;       // NaN likewise
  double rotationalEnergyJ = 0;
  std::array<double, kDragGridMax + 1> liftSlope{};
  std::array<double, kDragGridMax + 1> momentSlope{};
  // liftSlope / momentSlope, 0 where the moment slope is 0: the spin drift needs only the ratio.
  std::array<double, kDragGridMax + 1> liftPerMoment{};
};

inline constexpr double kTwoPi = 6.2831853;

// Mass model, slopes and stability from the inputs (geometry already checked).
void ComputeRotation(const TShotInputs& in, TRotation& out);
// The report lines after the blank line that opens it.
std::vector<std::string> RotationReport(const TRotation& r);
std::string FinalSpinLine(double spinRadPerS);

inline double SpinAt(const TRotation& r, double tS) {
  return r.muzzleSpin * std::exp(-r.spinDecayPerS * tS);
}

// Rules of thumb for the longest twist, in inches per turn.
enum class TwistRule { Greenhill = 0, Sierra = 1, CharlieDell = 2 };
double MaxTwistInches(TwistRule rule, double diameterMm, double lengthMm, double velocityMps);
std::vector<std::string> TwistReport(double twistInches);
