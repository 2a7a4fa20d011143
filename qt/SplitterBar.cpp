#include "qt/SplitterBar.h"

#include <QMouseEvent>
#include <QPainter>

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::SplitHCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  startX_ = static_cast<int>(event->globalPosition().x());
  if (onPress) onPress();
}

// Without mouse tracking a move arrives only while a button is held.
void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (onDrag) onDrag(static_cast<int>(event->globalPosition().x()) - startX_);
}

void SplitterBar::mouseReleaseEvent(QMouseEvent*) {
  if (onRelease) onRelease();
}

// A raised strip with a column of embossed dots in its middle, as a splitter handle looks.
void SplitterBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Button));
  p.fillRect(0, 0, 1, height(), pal.color(QPalette::Light));
  p.fillRect(width() - 1, 0, 1, height(), pal.color(QPalette::Mid));
  const int x = width() / 2 - 1;
  for (int i = -7; i <= 7; ++i) {
    const int y = height() / 2 + i * 4;
    p.fillRect(x, y, 2, 2, pal.color(QPalette::Dark));
    p.fillRect(x + 1, y + 1, 1, 1, pal.color(QPalette::Shadow));
  }
}
