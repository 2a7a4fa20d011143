#pragma once
#include "qt/FormView.h"

class QGroupBox;
class StringGridWidget;
class Ttabulka;

// The cartridge list window: the table and the buttons that edit, load and save it.
class TabulkaView : public FormView {
 public:
  TabulkaView(Ttabulka& window, QtPlatform& platform);
  void PrepareShow(FormView* owner, bool modal) override;

 protected:
  void LayoutClient(QSize size) override;

 private:
  QGroupBox* tableGroup_;
  StringGridWidget* grid_;
  QGroupBox* editGroup_;
  QGroupBox* fileGroup_;
};
