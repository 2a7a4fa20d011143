#pragma once
#include "qt/FormView.h"

class Treseni;

// Firing solution: the target's inputs at the top, the itemised solution below.
class ReseniView : public FormView {
 public:
  ReseniView(Treseni& window, QtPlatform& platform);
};
