#pragma once
#include "qt/FormView.h"

class Tzasah;

// Hit probability: target and spreads on the left, the graph on the right, the table below.
class ZasahView : public FormView {
 public:
  ZasahView(Tzasah& window, QtPlatform& platform);
};
