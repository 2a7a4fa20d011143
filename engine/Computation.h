#pragma once
#include <array>
#include <string>

#include "engine/DragFunctions.h"
#include "engine/Rotation.h"
#include "engine/ShotInputs.h"
#include "engine/Trajectory.h"

// Everything the calculation window computes with; engine functions take it by reference.
struct Computation {
  TShotInputs in;
  TTrajectory trajectory;
  TModeResults results;
  TDragTableStore dragTables;
  TDragGrid dragGrid;
  std::string drgPath;         // the last loaded DRG file
  int gridFunction = kDragG1;  // the function on the grid: a built-in one, or 0 for the DRG file
  TRotation rotation;
  double sightLineRiseM = 0;
  double inclineDistanceM = 0;
  std::array<double, 40> holdDistanceM{};
  std::array<double, 40> windMarkValue{};
};
