#pragma once
#include <string>
#include <string_view>
#include <vector>

// A drag function file: a header "first field, name, mass, diameter, rest of line",
// then pairs of drag coefficient and Mach number, ended by a pair with Cd <= 0 or the
// end of the file. The scrambled variant marks its header with "Enco" and offsets the
// numbers with a fixed key.
enum class DrgStatus { Ok, BadFormat, TooManyPairs };

inline constexpr int kDrgMaxPairs = 300;  // the 300th pair is one too many
inline constexpr size_t kDrgMaxNameLength = 100;
inline constexpr double kDrgScrambleKey = 0.729;
inline constexpr double kDrgSpeedOfSound = 340.29;

struct DrgContents {
  DrgStatus status = DrgStatus::BadFormat;
  bool headerRead = false;
  std::string name;  // UTF-8
  double massKg = 0;
  double diameterM = 0;
  bool scrambled = false;
  int pairCount = 0;  // pairs read, the terminating one included
  // Points ready for resampling: speeds in m/s, strictly increasing, the last at 1700.
  std::vector<double> speeds;
  std::vector<double> coefficients;
};

DrgContents ParseDrg(std::string_view bytes);
