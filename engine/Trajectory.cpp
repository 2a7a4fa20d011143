#include "engine/Trajectory.h"

#include <algorithm>

TTrajectory::TTrajectory() {
  for (auto* a : {&timeS, &xM, &yCm, &zCm, &vxMps, &vyMps, &vzMps, &crossWindMps, &dragCoeff,
                  &energyDensityJcm2, &pathAngleDeg}) {
    a->assign(kTrajectoryCapacity, 0.0);
  }
}

void TTrajectory::Clear(bool keepCrossWind) {
  for (auto* a : {&timeS, &xM, &yCm, &zCm, &vxMps, &vyMps, &vzMps, &crossWindMps, &dragCoeff,
                  &energyDensityJcm2, &pathAngleDeg}) {
    if (keepCrossWind && a == &crossWindMps) continue;
    std::fill_n(a->begin(), kClearedEntries, 0.0);
  }
}
