#pragma once
#include <string>
#include <vector>

#include "engine/Computation.h"

// One target as the shooter sees it from the firing point.
struct TFiringTarget {
  double distanceM = 600;   // along the line of sight
  double slopeDeg = 0;      // line of sight above the horizontal: + uphill
  double cantDeg = 0;       // + clockwise as the shooter sees the rifle
  double speedMps = 0;      // target speed
  double crossingDeg = 90;  // between the target's path and the line of sight
  bool fromLeft = true;     // the target comes from the left, i.e. moves to the right
  double heightCm = 50;     // for the danger space
};

// The corrections in the order in which they are added to the shot.
enum class TPart { Drop, Slope, Wind, SpinDrift, Coriolis, Jump, Cant, Lead };

// Where a correction moves the impact at the target, up and to the right: in the target's plane
// (perpendicular to the line of sight), and as the angle seen from the sight.
struct TSolutionPart {
  TPart part = TPart::Drop;
  double upCm = 0, rightCm = 0;
  double upRad = 0, rightRad = 0;
};

struct TFiringSolution {
  std::vector<TSolutionPart> parts;  // those that apply, in the order of TPart
  TSolutionPart total;               // the impact with every part, before any correction
  double levelDistanceM = 0;         // horizontal distance of the target
  double jumpSg = 0;  // stability factor in the site's air for the jump; 0: no jump computed
  double jumpMoaPerMph = 0;
  double boreRiseM = 0;  // the bore's rise above the line of sight at the target, dialed
  double heldRiseM = 0;  // the same with the elevation held, not dialed
  double timeS = 0, speedMps = 0, energyJ = 0, mach = 0;
  double transonicFromM = -1;  // along the line of sight where Mach falls below 1.2; -1 never
  double dangerNearM = 0, dangerFarM = 0;
  bool dangerFarOpen = false;  // the trajectory stays within the target beyond the last point
};

// The vertical jump of a crosswind at the muzzle (Litz's regression), MOA, + up.
// crossWindMps blows toward the right (comes from the left), as in the inputs.
double AerodynamicJumpMoa(double sg, double lengthCal, double crossWindMps, bool twistLeft);

// Aborts with a message for a value of the target the solution cannot use.
void CheckFiringTarget(const TFiringTarget& t);

// The solution for the inputs of c, whose launch angle zeroes the rifle on level ground. The
// computation is the working copy of the runs; its inputs are put back at the end. Aborts when
// the trajectory does not reach the target.
TFiringSolution SolveFiring(Computation& c, const TFiringTarget& t);

// The printed solution with its conventions, from its opening blank line.
std::vector<std::string> FiringSolutionReport(const TFiringSolution& s, const TFiringTarget& t,
                                              const TShotInputs& in);
