#pragma once
#include <string>
#include <vector>

#include "engine/Computation.h"
#include "engine/Integration.h"

// The target of an uphill or downhill shot, relative to the muzzle.
struct InclineTarget {
  double distanceM = 0;  // horizontal distance D
  double riseM = 0;      // height H above the muzzle, negative below
};

// The target from slant distance and angle; aborts outside -89 .. 89 degrees.
InclineTarget InclineTargetFromSlant(double slantM, double angleDeg);

// Site angle of the line of sight to the target, degrees.
double SiteAngleDeg(const InclineTarget& target);

// Tilts the launch angle of the inputs by the site angle and runs the Full mode out to the
// target's horizontal distance. Aborts for a distance of 0 or less, a tilted angle outside
// -89 .. 89 degrees and at the step limit. Leaves the incline state in the computation.
void SolveIncline(Computation& c, const InclineTarget& target, const IntegrationHooks& hooks = {});

// The report of the incline run, from the opening blank line to the closing one. The table
// step of the inputs is the unscaled one; in the slant mode rows fall on round slant
// distances and are labelled with them.
std::vector<std::string> InclineReport(const Computation& c, const InclineTarget& target,
                                       bool slant, const std::string& drgFileName);
