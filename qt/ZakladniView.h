#pragma once
#include "qt/FormView.h"

class Tzakladni;

// The start window: the title picture, the program's name and version, "Spustit" and "Konec".
class ZakladniView : public FormView {
 public:
  ZakladniView(Tzakladni& window, QtPlatform& platform);
};
