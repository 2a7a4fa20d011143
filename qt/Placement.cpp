#include "qt/Placement.h"

#include <QWidget>
#include <algorithm>

namespace {

// The start that keeps a span on [low, high] where it fits, and at low where it does not.
int Clamped(int start, int span, int low, int high) {
  return std::max(low, std::min(start, high - span + 1));
}

}  // namespace

QRect PlaceBeside(const QRect& owner, const QSize& size, const QRect& area) {
  int x = owner.right() + 1;
  if (x + size.width() - 1 > area.right()) {
    x = owner.left() - size.width();
    if (x < area.left()) x = area.right() - size.width() + 1;
  }
  x = Clamped(x, size.width(), area.left(), area.right());
  const int y = Clamped(owner.top(), size.height(), area.top(), area.bottom());
  return QRect(QPoint(x, y), size);
}

int HeightToGiveUp(int outer, int area, int part, int minimum) {
  return std::max(0, std::min(outer - area, part - minimum));
}

QMargins FrameMargins(const QWidget& window, const QWidget* shownBefore) {
  const QWidget& w =
      window.frameGeometry() != window.geometry() || !shownBefore ? window : *shownBefore;
  const QRect inner = w.geometry(), outer = w.frameGeometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                  outer.right() - inner.right(), outer.bottom() - inner.bottom());
}
