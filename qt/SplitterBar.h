#pragma once
#include <QWidget>
#include <functional>

// A thin vertical bar between two panels that a person drags sideways; the owner lays the
// panels out again from the distance dragged. It is drawn as a handle with a grip.
class SplitterBar : public QWidget {
 public:
  explicit SplitterBar(QWidget* parent);
  std::function<void()> onPress;
  std::function<void(int dx)> onDrag;
  std::function<void()> onRelease;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int startX_ = 0;
};
