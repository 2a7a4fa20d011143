#pragma once
// Shared set-up of the engine tests: the inputs a new calculation window starts with, and
// floating-point traps so that a NaN or an infinity stops a test where it is born.
#include <fenv.h>
#ifdef _WIN32
#include <float.h>
#endif
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Atmosphere.h"
#include "engine/Computation.h"
#include "engine/Integration.h"

namespace enginetest {

// The window's start values converted as the input step converts them (pressure from the
// altitude of 300 m is left out: tests choose their own air).
inline TShotInputs StartInputs() {
  TShotInputs in;
  in.massKg = 10.89 * 0.001;
  in.diameterM = 7.85 * 0.001;
  in.muzzleVelocity = 800;
  in.sightHeightM = 0.040;
  in.launchAngleDeg = 0.1;
  in.zeroDistanceM = 100;
  in.solveMode = 1;
  in.coefficientMode = 1;
  in.ballisticCoefficient = 0.462;
  in.formFactor = FormFactorFromCoefficient(in.massKg, in.diameterM, in.ballisticCoefficient);
  in.dragFunction = kDragG1;
  in.temperatureK = 288.15;
  in.pressurePa = 101325;
  in.humidityPct = 0;
  in.gravity = 9.81;
  in.stationCount = 2;
  in.stationDistanceM = {0, 100, 200, 300, 400};
  in.stationWind = {4, -4, 8, 10, 12};
  in.stepS = 0.0005;
  in.autoStep = true;
  in.limitXM = 1000000;
  in.limitYM = 0;
  in.limitYEnabled = true;
  return in;
}

// A computation with the start values and G1 on the grid.
inline std::unique_ptr<Computation> StartComputation() {
  auto c = std::make_unique<Computation>();
  c->in = StartInputs();
  SelectBuiltInDragFunction(c->dragGrid, c->dragTables, kDragG1);
  return c;
}

inline void EnableCoriolis(TShotInputs& in, double latitudeDeg, double azimuthDeg) {
  in.coriolis = true;
  in.latitudeDeg = latitudeDeg;
  in.azimuthDeg = azimuthDeg;
  in.latitudeRad = latitudeDeg * M_PI / 180;
  in.azimuthRad = azimuthDeg * M_PI / 180;
  in.earthOmega = 7.292e-05;
}

inline void EnableSpinDrift(Computation& c, bool leftTwist) {
  c.in.spinDrift = true;
  c.in.twistLeft = leftTwist;
  c.in.twistM = 0.305;
  ComputeRotation(c.in, c.rotation);
}

// Traps division by zero, invalid operations and overflow for the length of a test.
class FloatingPointTraps : public ::testing::Test {
 protected:
  void SetUp() override {
    feclearexcept(FE_ALL_EXCEPT);
#ifdef _WIN32
    unsigned previous = 0;
    _controlfp_s(&previous, _MCW_EM & ~(_EM_ZERODIVIDE | _EM_INVALID | _EM_OVERFLOW), _MCW_EM);
#else
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#endif
  }
  void TearDown() override {
#ifdef _WIN32
    unsigned previous = 0;
    _controlfp_s(&previous, _MCW_EM, _MCW_EM);
#else
    fedisableexcept(FE_ALL_EXCEPT);
#endif
  }
};

}  // namespace enginetest
