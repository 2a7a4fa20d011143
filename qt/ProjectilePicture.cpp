#include "qt/ProjectilePicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A dimension line with its arrows and its name.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& name, QPointF textAt) {
  p.drawLine(a, b);
  const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
  const QPointF n(-d.y(), d.x());
  for (auto [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
    const QPointF back = tip + dir * 4;
    p.drawLine(tip, back + n * 2);
    p.drawLine(tip, back - n * 2);
  }
  p.drawText(textAt, name);
}

}  // namespace

void ProjectilePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  QFont font("Arial");
  font.setPixelSize(9);
  p.setFont(font);

  // A typical match bullet in calibres: 3.98 long, 1.86 nose, 0.51 boat tail.
  const double cal = std::min((width() - 24) / 3.98, (height() - 30) / 1.0);
  const double left = 6, axis = height() / 2.0 + 1;
  const double l0 = 3.98 * cal, l2 = 1.86 * cal, l3 = 0.51 * cal;
  const double r = cal / 2, r2 = 0.74 * cal / 2, r3 = 0.25 * cal / 2;
  const double tail = left + l3, noseStart = left + l0 - l2, tip = left + l0;

  QPainterPath outline;
  outline.moveTo(left, axis - r2);
  outline.lineTo(tail, axis - r);
  outline.lineTo(noseStart, axis - r);
  // Tangent ogive towards the meplat.
  outline.cubicTo(noseStart + l2 * 0.55, axis - r, tip - l2 * 0.15, axis - r3 * 2.2, tip,
                  axis - r3);
  outline.lineTo(tip, axis + r3);
  outline.cubicTo(tip - l2 * 0.15, axis + r3 * 2.2, noseStart + l2 * 0.55, axis + r, noseStart,
                  axis + r);
  outline.lineTo(tail, axis + r);
  outline.lineTo(left, axis + r2);
  outline.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(205, 140, 80));
  p.drawPath(outline);
  p.setPen(QPen(QColor(120, 70, 30), 1, Qt::DashLine));
  p.drawLine(QPointF(tail, axis - r), QPointF(tail, axis + r));
  p.drawLine(QPointF(noseStart, axis - r), QPointF(noseStart, axis + r));

  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  const double top = axis - r - 6, bottom = axis + r + 6;
  Dimension(p, {left, top}, {tail, top}, "L3", {left, top - 3});
  Dimension(p, {noseStart, top}, {tip, top}, "L2", {noseStart + l2 / 2 - 5, top - 3});
  Dimension(p, {left, bottom}, {tip, bottom}, "L0", {left + l0 / 2 - 5, bottom + 10});
  Dimension(p, {left - 3, axis - r2}, {left - 3, axis + r2}, "", {});
  p.drawText(QPointF(left + 2, axis + 3), "D2");
  Dimension(p, {tip + 4, axis - r3 - 5}, {tip + 4, axis + r3 + 5}, "D3", {tip + 7, axis + 3});
}
