#pragma once
#include <vector>

inline constexpr int kTrajectoryCapacity = 30001;  // indices 0 .. 30000
inline constexpr int kClearedEntries = 30000;

// Per-step results of the last run; index k is the state after k steps.
struct TTrajectory {
  int stepCount = 0;
  std::vector<double> timeS, xM, yCm, zCm, vxMps, vyMps, vzMps, crossWindMps, dragCoeff,
      energyDensityJcm2, pathAngleDeg;

  TTrajectory();
  // Sets the first 30000 entries of every array to 0; the crosswind array optionally stays.
  void Clear(bool keepCrossWind = false);
};

enum class TIntegrationMode {
  Full = 1,
  ZeroSearch = 2,
  MaxOrdinate = 3,
  VelocityAtDistance = 4,
  DropAtTwoDistances = 5,
  Path = 6,  // as Full, storing only the step count and the positions (x, y, z)
};

// Results that the solver modes leave for their callers.
struct TModeResults {
  double maxOrdinateM = 0;  // MaxOrdinate: the caller sets a start value
  double landingXM = 0;
  double speedAtDistance = 0;  // VelocityAtDistance
  double dropDistance1M = 0;   // DropAtTwoDistances: inputs ...
  double dropDistance2M = 0;
  double dropAtDistance1M = 0;  // ... and results, metres relative to the sight line
  double dropAtDistance2M = 0;
};
