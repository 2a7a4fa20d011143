#include "qt/SplitterBar.h"

#include <QMouseEvent>

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::SplitHCursor);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  startX_ = static_cast<int>(event->globalPosition().x());
  if (onPress) onPress();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  if (onDrag) onDrag(static_cast<int>(event->globalPosition().x()) - startX_);
}
