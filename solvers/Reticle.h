#pragma once
#include <array>
#include <string>
#include <vector>

#include "engine/Computation.h"
#include "engine/Integration.h"

// A scope reticle with holdover marks. Positions number the vertical marks from the top (1)
// to the bottom (count); the division is the angle between neighbouring positions at the
// standard magnification.
struct TReticle {
  const char* name;
  double divisionRad;  // 0 for the MOA reticles, which count 2 MOA per division
  int count;
  int centre;
  int windDivisions;
};

inline constexpr int kReticleCount = 7;
inline constexpr int kReticleMilDot = 0;
inline constexpr int kReticleNightforce = 5;
extern const std::array<TReticle, kReticleCount> kReticles;
std::vector<std::string> ReticleNames();

// The division in degrees scaled by standard / actual magnification.
double ReticleDivisionDeg(int reticle, double standardMag, double actualMag);
// The same for the ranging calculator, where the Nightforce reticle counts 1 MOA.
double RangingDivisionDeg(int reticle, double standardMag, double actualMag);

enum class TMarkMode { Distance = 0, Wind = 1 };

struct TReticleReport {
  std::vector<std::string> lines;  // for the result panel, in order
  bool distanceCut = false;        // the shooting distance was cut to the longest hold
  double shootingDistanceM = 0;
};

// Fills holdDistanceM and windMarkValue of the computation for a reticle. The caller has
// run the compute action with the zero distance solved and a Y limit of 0 m, and resolved
// the coefficient; zeroAngleDeg is the launch angle that zeroes the rifle. Runs one full
// trajectory with the bore raised by the lowest mark, which stays in the computation; the
// crosswind of the wind mode is put back afterwards. Report lines come for the MilDot
// reticle only, apart from the line of a cut shooting distance.
TReticleReport ReticleRanging(Computation& c, int reticle, double divisionDeg, TMarkMode mode,
                              double shootingDistanceM, double zeroAngleDeg,
                              const IntegrationHooks& hooks = {});
