#pragma once
#include "qt/FormView.h"

class Tenergie;

// Energy calculator: three inputs with their unit switches, then the SI and imperial results.
class EnergieView : public FormView {
 public:
  EnergieView(Tenergie& window, QtPlatform& platform);
};
