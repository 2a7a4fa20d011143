#pragma once
#include <string>
#include <vector>

#include "engine/ShotInputs.h"
#include "engine/Trajectory.h"

// Name of a drag function as the list shows it ("Vyber funkci", "G1", ... "1943").
const char* DragFunctionName(int id);

// The report's coefficient line for the function on the grid; drgFileName names a loaded one.
std::string CoefficientLine(const TShotInputs& in, int gridFunction,
                            const std::string& drgFileName);
std::string StepCountLine(int stepCount);
std::string RangeTableHeader();
std::string RangeTableRule();
// Characters of a range table row with ordinary numbers: the room its eight columns need.
int RangeTableRowLength();

// The rows of the range table: the muzzle row, a row every tableStepM, the zero row and the
// end row. A trajectory that never gets beyond the muzzle gets one line saying so.
std::vector<std::string> RangeTableRows(const TTrajectory& tr, const TShotInputs& in);

// The whole report of a computation, from its opening blank line to the closing one.
std::vector<std::string> ComputeReport(const TTrajectory& tr, const TShotInputs& in,
                                       int gridFunction, const std::string& drgFileName);
