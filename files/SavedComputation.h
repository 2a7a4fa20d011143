#pragma once
#include <array>
#include <string>
#include <vector>

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

// Which rows a table has, in the metres of its first column: from fromM every stepM (0: the
// table step) up to toM, with the zero row where it falls in that range and the end row where
// it prints as at most toM.
struct TableRange {
  double fromM = 0;
  double stepM = 0;
  double toM = 1e300;
};

// One row's values in the saved table's column order.
enum RangeColumn : int {
  kColDistance,
  kColHeightCm,
  kColHeightMoa,
  kColHeightClicks,
  kColSpeed,
  kColEnergy,
  kColTimeMs,
  kColDriftCm,
  kColDriftClicks,
  kColPathAngle,
  kColEnergyDensity,
  kRangeColumnCount
};
using RangeRowValues = std::array<double, kRangeColumnCount>;

// The rows of a saved table as numbers, chosen and computed as the file has them (the incline
// variant when the rise is not 0).
std::vector<RangeRowValues> RangeTableValues(const TTrajectory& tr, const TShotInputs& in,
                                             const InclineState& incline, bool slantEntry,
                                             const TableRange& range = {});

// The first column's metres per horizontal metre: the cosine of the site angle when the
// incline is entered by slant distance, otherwise 1.
double TableDistanceFactor(const InclineState& incline, bool slantEntry);

// The texts after the header that name the forces and winds the computation included.
std::vector<std::string> SavedTableFlags(const SavedTableState& table);

// A whole saved computation, UTF-8 with "\n": formats 0 to 2 end without a line break after
// the last row, the all-data file with one after every line.
std::string WriteSavedComputation(const TTrajectory& tr, const TShotInputs& in,
                                  const HeaderWindowState& header, const SavedTableState& table,
                                  const InclineState& incline, const SaveOptions& options);

// Writes UTF-8 text with "\n" as Windows-1250 with CR LF, replacing the file only once the
// new one is complete. Empty on success, otherwise a Czech message naming the file.
std::string SaveTextFile(const std::string& path, const std::string& text);
