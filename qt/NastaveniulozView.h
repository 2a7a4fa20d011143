#pragma once
#include "qt/FormView.h"

class Tnastaveniuloz;

// The save-options dialog: ten column switches, the file format and "Pokračovat".
class NastaveniulozView : public FormView {
 public:
  NastaveniulozView(Tnastaveniuloz& window, QtPlatform& platform);
};
