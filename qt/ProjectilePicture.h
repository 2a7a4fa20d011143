#pragma once
#include <QWidget>

// A projectile in side view with the dimensions asked for beside it: overall length L0,
// nose L2, boat tail L3, base diameter D2 and meplat D3.
class ProjectilePicture : public QWidget {
 public:
  explicit ProjectilePicture(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};
