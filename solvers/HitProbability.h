#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "engine/Computation.h"

enum class THitTarget { Rectangle, Circle };

// What the shooter does not know exactly, as one standard deviation each, and the target.
struct THitSettings {
  THitTarget target = THitTarget::Rectangle;
  double targetWidthM = 0.20;  // the diameter of a round target
  double targetHeightM = 0.30;
  double dispersionRad = 0;        // rifle and shooter, per axis
  double velocitySigmaMps = 0;     // muzzle velocity
  double bcSigmaFraction = 0;      // coefficient, all bands together
  double windSigmaMps = 0;         // crosswind call
  double rangeSigmaFraction = 0;   // range estimate: a share of the distance ...
  double rangeSigmaM = 0;          // ... and metres at every distance
  std::vector<double> distancesM;  // ascending, positive
  int shots = 1000;
  std::uint64_t seed = 1;
  int threads = 0;  // 0: every core
};

// The errors in the order of the window's fields.
enum THitError { kHitDispersion, kHitVelocity, kHitCoefficient, kHitWind, kHitRange, kHitErrors };

struct THitRow {
  double distanceM = 0;
  bool reached = false;  // the trajectory without spread gets there
  int shotsReached = 0;  // simulated shots that got there
  int hits = 0;
  double probability = 0;  // 0 .. 1 of all shots, with its 95 % (Wilson) interval
  double low95 = 0, high95 = 0;
  // Misses from the point of aim over the shots that got there, up and right positive; the
  // standard deviations need two such shots.
  double meanYCm = 0, sdYCm = 0;
  double meanZCm = 0, sdZCm = 0;
  std::array<double, kHitErrors> alone{};  // the probability with that error alone
};

// Shared between a run and whoever shows or stops it, from any thread.
struct THitProgress {
  std::atomic<long> done{0};   // shots simulated and trajectories of the budget run
  std::atomic<long> total{0};  // set when the run starts
  std::atomic<bool> cancel{false};
};

// Simulates the shots from a computation whose inputs are read and whose launch angle is
// solved, and the probability with each error alone. The numbers depend on the seed only,
// not on the number of threads. Returns nothing when cancelled. Aborts the user action with
// the engine's message when the trajectory without spread exceeds the step limit.
std::vector<THitRow> ComputeHitProbability(const Computation& c, const THitSettings& s,
                                           THitProgress* progress = nullptr);

// The farthest distance up to which the lower end of every row's 95 % interval reaches the
// probability, or a negative value when the first row's does not.
double MaxDistanceWithProbability(const std::vector<THitRow>& rows, double probability);

inline constexpr int kMaxHitDistances = 500;

// Od, Od + Krok, ... up to Do, with Do itself as the last distance; empty when there would be
// more than maxCount of them.
std::vector<double> HitDistances(double fromM, double toM, double stepM,
                                 int maxCount = kMaxHitDistances);
