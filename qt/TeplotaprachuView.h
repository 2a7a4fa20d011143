#pragma once
#include "qt/FormView.h"

class Tteplotaprachu;

// Muzzle velocity corrections: powder temperature above, barrel length below.
class TeplotaprachuView : public FormView {
 public:
  TeplotaprachuView(Tteplotaprachu& window, QtPlatform& platform);

 protected:
  // The window takes the calculation window's velocity whenever it becomes active, also
  // when a person only switches back to it.
  void changeEvent(QEvent* event) override;
};
