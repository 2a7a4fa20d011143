#pragma once
#include "qt/FormView.h"

class Tnmv;

// ICAO atmosphere: the measured air on the left, the computed air on the right.
class NmvView : public FormView {
 public:
  NmvView(Tnmv& window, QtPlatform& platform);
};
