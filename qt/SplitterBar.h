#pragma once
#include <QWidget>
#include <functional>

// A thin vertical bar between two panels that a person drags sideways; the owner lays the
// panels out again from the distance dragged.
class SplitterBar : public QWidget {
 public:
  explicit SplitterBar(QWidget* parent);
  std::function<void()> onPress;
  std::function<void(int dx)> onDrag;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int startX_ = 0;
};
