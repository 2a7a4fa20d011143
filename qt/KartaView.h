#pragma once
#include "qt/FormView.h"

class Tkarta;

// "Karta do PDF": the size, the distances and the columns of a printed range card. A modal
// dialog: Enter continues, Esc cancels.
class KartaView : public FormView {
 public:
  KartaView(Tkarta& window, QtPlatform& platform);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Tkarta& w_;
};
