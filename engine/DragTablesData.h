#pragma once

namespace dragdata {

// A point of a published G function: Mach number in thousandths and drag coefficient.
struct MachPoint {
  int milliMach;
  double cd;
};
// A point given directly as speed in m/s.
struct SpeedPoint {
  double speed;
  double cd;
};

extern const MachPoint kG1[], kG2[], kG5[], kG6[], kG7[], kG8[];
extern const int kG1Count, kG2Count, kG5Count, kG6Count, kG7Count, kG8Count;
extern const SpeedPoint kGL[], kGS[], kGC[], kRA4[], kM1943[];
extern const int kGLCount, kGSCount, kGCCount, kRA4Count, kM1943Count;

}  // namespace dragdata
