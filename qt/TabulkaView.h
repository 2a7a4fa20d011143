#pragma once
#include "qt/FormView.h"

class QGroupBox;
class StringGridWidget;
class Ttabulka;

// The cartridge list window: the table and the buttons that edit, load and save it.
class TabulkaView : public FormView {
 public:
  TabulkaView(Ttabulka& window, QtPlatform& platform);

 protected:
  void LayoutClient(QSize size) override;
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* tableGroup_;
  StringGridWidget* grid_;
  QGroupBox* editGroup_;
  QGroupBox* fileGroup_;
};
