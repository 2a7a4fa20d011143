#pragma once
#include <cstdint>
#include <vector>

#include "engine/Computation.h"

// What the shooter does not know exactly, as one standard deviation each, and the target.
struct THitSettings {
  double targetWidthM = 0.20;
  double targetHeightM = 0.30;
  double dispersionRad = 0;        // rifle and shooter, per axis
  double velocitySigmaMps = 0;     // muzzle velocity
  double bcSigmaFraction = 0;      // coefficient, all bands together
  double windSigmaMps = 0;         // crosswind call
  double rangeSigmaFraction = 0;   // range estimate
  std::vector<double> distancesM;  // ascending, positive
  int shots = 1000;
  std::uint64_t seed = 1;
  int threads = 0;  // 0: every core
};

struct THitRow {
  double distanceM = 0;
  bool reached = false;  // the trajectory without spread gets there
  int hits = 0;
  double probability = 0;  // 0 .. 1, with its 95 % (Wilson) interval
  double low95 = 0, high95 = 0;
  double meanYCm = 0, sdYCm = 0;  // vertical miss from the point of aim, up positive
  double meanZCm = 0, sdZCm = 0;  // horizontal miss, right positive
};

// Simulates the shots from a computation whose inputs are read and whose launch angle is
// solved. The numbers depend on the seed only, not on the number of threads. Aborts the user
// action with the engine's message when a trajectory exceeds the step limit.
std::vector<THitRow> ComputeHitProbability(const Computation& c, const THitSettings& s);

// The farthest distance up to which every row reaches the probability, or a negative value
// when the first row does not.
double MaxDistanceWithProbability(const std::vector<THitRow>& rows, double probability);

// Od, Od + Krok, ... up to Do, with Do itself as the last distance.
std::vector<double> HitDistances(double fromM, double toM, double stepM);
