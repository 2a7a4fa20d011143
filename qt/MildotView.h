#pragma once
#include "qt/FormView.h"

class Tmildot;

// The reticle window: the picture, its save button and the ranging calculator.
class MildotView : public FormView {
 public:
  MildotView(Tmildot& window, QtPlatform& platform);
};
