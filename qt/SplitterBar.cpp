#include "qt/SplitterBar.h"

#include <QMouseEvent>

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
