#pragma once
#include "qt/FormView.h"

class Tprevody;

// Unit conversions: nine groups of two fields with an arrow button on either side.
class PrevodyView : public FormView {
 public:
  PrevodyView(Tprevody& window, QtPlatform& platform);
};
