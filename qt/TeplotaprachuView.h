#pragma once
#include "qt/FormView.h"

class Tteplotaprachu;

// Muzzle velocity corrections: powder temperature above, barrel length below.
class TeplotaprachuView : public FormView {
 public:
  TeplotaprachuView(Tteplotaprachu& window, QtPlatform& platform);
};
