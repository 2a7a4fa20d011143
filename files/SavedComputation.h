#pragma once
#include <array>
#include <string>

#include "engine/ShotInputs.h"
#include "engine/Trajectory.h"
#include "files/ParameterFile.h"

// The choices of the save-options dialog: the ten column switches and the file format
// (0 text table, 1 Czech CSV, 2 English CSV, 3 every computed point).
struct SaveOptions {
  std::array<bool, 10> columns{false, false, true, false, false, true, false, true, false, false};
  int format = 0;
};

// Switches of the calculation window that the lines after the header name.
struct SavedTableState {
  bool variableCrossWind = false;  // RadioGroup4 item 1
  bool coriolis = false;           // CheckBox10
  bool spinDrift = false;          // CheckBox3
  bool slantEntry = false;         // RadioButton2: incline given by slant distance and angle
};

// The incline state the incline solver leaves; a rise of 0 means the normal variant.
struct InclineState {
  double sightLineRiseM = 0;
  double inclineDistanceM = 0;
};

// A whole saved computation, UTF-8 with "\n": formats 0 to 2 end without a line break after
// the last row, the all-data file with one after every line.
std::string WriteSavedComputation(const TTrajectory& tr, const TShotInputs& in,
                                  const HeaderWindowState& header, const SavedTableState& table,
                                  const InclineState& incline, const SaveOptions& options);

// Writes UTF-8 text with "\n" as Windows-1250 with CR LF, replacing the file only once the
// new one is complete. Empty on success, otherwise a Czech message naming the file.
std::string SaveTextFile(const std::string& path, const std::string& text);
