#pragma once
#include <array>

// Item index of the drag function list: 0 is the function last loaded from a DRG file.
enum TDragFunctionId : int {
  kDragLoaded = 0,
  kDragG1 = 1,
  kDragG2,
  kDragG5,
  kDragG6,
  kDragG7,
  kDragG8,
  kDragGL,
  kDragGS,
  kDragGC,
  kDragRA4,
  kDrag1943,
  kDragFunctionCount
};

struct TBcBand {
  double coefficient = 0;  // lb/in2
  double speedMps = 0;
  bool on = false;
};

// All inputs of one computation, in SI units.
struct TShotInputs {
  // Projectile and coefficient
  double massKg = 0;
  double diameterM = 0;
  double muzzleVelocity = 0;
  double chronoDistanceM = 0;
  int coefficientMode = 1;  // 0 form factor, 1 ballistic coefficient, 2 variable
  double ballisticCoefficient = 0;
  double formFactor = 0;
  std::array<TBcBand, 5> bcBands{};
  int dragFunction = kDragG1;

  // Sight, solving mode, report settings
  double sightHeightM = 0;
  int solveMode = 1;  // 0 launch angle, 1 zero distance, 2 zero point X,Y
  double launchAngleDeg = 0;
  double zeroDistanceM = 0;
  double zeroHeightM = 0;
  double clickDeg = 1.0 / 240.0;
  double tableStepM = 25;

  // Atmosphere and wind
  double temperatureK = 288.15;
  double pressurePa = 101325;
  int pressureMode = 1;
  double altitudeM = 0;
  double humidityPct = 0;
  bool noIcaoGradient = false;
  int windEntryMode = 0;
  double crossWind = 0;  // m/s, positive toward the right of the line of fire
  double rangeWind = 0;  // m/s, positive in the direction of fire
  double verticalWind = 0;
  int crossWindMode = 0;  // 0 constant, 1 by stations
  int stationCount = 2;
  std::array<double, 5> stationDistanceM{};
  std::array<double, 5> stationWind{};

  // Earth, rotation, integration
  double gravity = 9.81;
  bool gravityByLatitude = false;
  double latitudeDeg = 50;
  double azimuthDeg = 0;
  bool coriolis = false;
  bool spinDrift = false;
  double twistM = 0.305;
  bool twistLeft = false;
  double lengthCal = 3.98, noseLengthCal = 1.86, tailLengthCal = 0.51;
  double baseDiameterCal = 0.74, meplatDiameterCal = 0.25;
  double stepS = 0.0005;
  bool autoStep = true;
  bool limitXEnabled = false;
  double limitXM = 1000000;
  bool limitYEnabled = true;
  double limitYM = 0;

  // Coriolis terms prepared by the input step
  double latitudeRad = 0;
  double azimuthRad = 0;
  double earthOmega = 0;  // rad/s; 0 without Coriolis
};

// The coefficient that applies at an air speed in variable mode: later bands override.
double BandCoefficient(const TShotInputs& in, double airSpeed);

// Conversions between form factor and ballistic coefficient (lb/in2).
double CoefficientFromFormFactor(double massKg, double diameterM, double formFactor);
double FormFactorFromCoefficient(double massKg, double diameterM, double bc);
