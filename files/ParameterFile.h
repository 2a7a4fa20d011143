#pragma once
#include <array>
#include <string>

#include "engine/ShotInputs.h"

// What the parameter header takes from the calculation window besides the inputs record.
struct HeaderWindowState {
  std::string cartridgeName;     // Edit33
  int dragItem = kDragG1;        // ComboBox6: 0 a loaded DRG function, 1 .. 11 built-in
  std::string drgPath;           // the last loaded DRG file
  int coefficientMode = 1;       // RadioGroup5
  std::array<bool, 3> bandOn{};  // CheckBox6, CheckBox7, CheckBox9: bands 3 to 5
  int clickItem = 2;             // ComboBox2
  std::string ownClickText;      // Edit24 as typed (Czech CSV only)
};

enum class HeaderLayout { Text, CzechCsv, EnglishCsv };

// Lines 1 to 25 of every saved computation and of the start-up file, UTF-8 with "\n".
std::string WriteParameterHeader(const TShotInputs& in, const HeaderWindowState& w,
                                 HeaderLayout layout);

// A number in the Czech CSV layout: rounded, shortest form, decimal comma.
std::string CzechNumber(double value, int decimals);

// What a parameter header holds, as the reader finds it. The reader keeps one number buffer:
// a number that cannot be read repeats the previous one, so every numeric field has a value.
struct ParameterRecord {
  bool formatError = false;   // no colon within the first 250 characters: nothing else is set
  bool incomplete = false;    // the content ends before the colon of the last value read
  std::string cartridgeName;  // UTF-8, at most 399 characters of the file
  std::string dragText;       // UTF-8, at most 399 characters of the file
  // ComboBox6 item named by the drag-function text: 1 .. 11 built-in, 0 a DRG file path,
  // -1 anything else (the function stays as it was).
  int dragItem = -1;
  // 'P' variable coefficient, 'B' single coefficient, 0 neither found.
  char coefficientKind = 0;
  std::array<double, 5> bandSpeed{}, bandCoefficient{};
  int bandCount = 0;  // 2 to 5 when coefficientKind is 'P'
  double coefficient = 0, formFactor = 0;
  double massG = 0, diameterMm = 0, muzzleVelocity = 0, sightHeightMm = 0, launchAngleDeg = 0,
         zeroDistanceM = 0;
  int clickItem = -1;          // ComboBox2 item, -1 when the line names none
  bool ownClickValue = false;  // items 7 and 8 and a click line without a unit
  double clickValue = 0;       // written into Edit24 when ownClickValue
  double temperatureC = 0, pressureHpa = 0, humidityPct = 0, crossWind = 0, rangeWind = 0,
         verticalWind = 0, gravity = 0;
};

// Reads a parameter header from a file's bytes, decoded as every text file is (Windows-1250
// or UTF-8, any line end); limits count characters. Numbers are read as "%lf" reads them, and
// a comma between digits as a decimal point, so that the Czech CSV layout reads back. Never
// reads beyond the content, whatever it holds.
ParameterRecord ReadParameterFile(const std::string& content);

// The altitude (m, rounded) at which the standard atmosphere has this pressure at this
// temperature.
double AltitudeFromPressure(double temperatureK, double pressurePa);
