#pragma once
#include "qt/FormView.h"

class Toprogramu;

// The About window: title, version lines with the title picture, notes on use and history.
class OprogramuView : public FormView {
 public:
  OprogramuView(Toprogramu& window, QtPlatform& platform);
};
