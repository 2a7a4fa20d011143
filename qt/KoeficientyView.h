#pragma once
#include "qt/FormView.h"

class Tkoeficienty;

// Coefficient conversion: the projectile's parameters, the kind of input, the two buttons
// and the result text.
class KoeficientyView : public FormView {
 public:
  KoeficientyView(Tkoeficienty& window, QtPlatform& platform);
};
