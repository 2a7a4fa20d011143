#include "qt/CanvasRenderer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// GDI sizes fonts for this resolution, and the saved bitmap says so.
constexpr int kDpi = 96;
constexpr int kDotsPerMeter = 3780;

QColor ToQColor(forms::Color c) {
  return QColor(c.r, c.g, c.b);
}

QPen ToQPen(const forms::Pen& pen, qreal ratio = 1) {
  QPen q(ToQColor(pen.color));
  q.setWidth(std::max(pen.width, 1));
  if (ratio != 1) {
    // Whole device pixels, or a line of 1.25 px would be drawn now one, now two pixels wide.
    q.setCosmetic(true);
    q.setWidth(std::max(static_cast<int>(std::lround(q.width() * ratio)), 1));
  }
  switch (pen.style) {
    case forms::PenStyle::Solid:
      // A wide GDI pen has round ends and joins.
      q.setCapStyle(pen.width > 1 ? Qt::RoundCap : Qt::FlatCap);
      q.setJoinStyle(pen.width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
      break;
    case forms::PenStyle::Dash:
      // GDI's cosmetic patterns in pixels; Qt's own ones are shorter.
      q.setDashPattern({18, 6});
      q.setCapStyle(Qt::FlatCap);
      break;
    case forms::PenStyle::Dot:
      q.setDashPattern({3, 3});
      q.setCapStyle(Qt::FlatCap);
      break;
  }
  return q;
}

// The box of a GDI rectangle or ellipse, which covers x1 <= x < x2 and y1 <= y < y2 in
// either corner order; empty when it covers no pixel.
std::optional<QRect> GdiBox(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right - left < 1 || bottom - top < 1) return std::nullopt;
  // Qt's outline of QRect(x, y, w, h) with a one-pixel pen covers x..x + w inclusive.
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

void DrawText(QPainter& painter, const forms::DrawOp& op, int dotsPerInch, bool smooth) {
  QFont font(QString::fromStdString(op.font.name));
  if (op.font.name.find("Mono") != std::string::npos) font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(static_cast<int>(std::lround(op.font.sizePt * dotsPerInch / 72.0)));
  font.setBold(op.font.bold);
  font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
  painter.setFont(font);
  const QString text = QString::fromStdString(op.text);
  // TextOut places the top of the character cell; Qt wants the baseline.
  const QFontMetrics metrics(font, painter.device());
  if (op.brush.behindText) {
    painter.fillRect(QRect(op.x1, op.y1, metrics.horizontalAdvance(text), metrics.height()),
                     ToQColor(op.brush.color));
  }
  painter.setPen(ToQColor(op.font.color));
  painter.drawText(QPoint(op.x1, op.y1 + metrics.ascent()), text);
}

}  // namespace

void PaintCanvas(QPainter& painter, const forms::Canvas& canvas, int dotsPerInch, bool pixelExact,
                 const RenderStyle& style) {
  const qreal ratio = std::max<qreal>(style.devicePixelRatio, 1);
  const bool smoothText = !pixelExact || style.smoothText;
  painter.setRenderHint(QPainter::Antialiasing, !pixelExact);
  painter.setRenderHint(QPainter::TextAntialiasing, smoothText);
  for (const forms::DrawOp& op : canvas.Ops()) {
    switch (op.kind) {
      case forms::OpKind::FillRect:
        // Unlike the outlined shapes, a fill with swapped corners covers nothing.
        if (op.x2 > op.x1 && op.y2 > op.y1) {
          painter.fillRect(QRect(op.x1, op.y1, op.x2 - op.x1, op.y2 - op.y1),
                           ToQColor(op.brush.color));
        }
        break;
      case forms::OpKind::Rectangle:
      case forms::OpKind::Ellipse: {
        const auto box = GdiBox(op.x1, op.y1, op.x2, op.y2);
        if (!box) break;
        painter.setPen(ToQPen(op.pen, ratio));
        painter.setBrush(ToQColor(op.brush.color));
        if (op.kind == forms::OpKind::Rectangle) {
          painter.drawRect(*box);
        } else if (op.pen.width > 1 && std::min(box->width(), box->height()) < op.pen.width) {
          // A GDI pen wider than the ellipse covers it whole (a reticle's dot); Qt's stroker
          // would leave the inside open.
          const int grow = op.pen.width / 2;
          painter.setPen(Qt::NoPen);
          painter.setBrush(ToQColor(op.pen.color));
          painter.drawEllipse(box->adjusted(-grow, -grow, grow + 1, grow + 1));
        } else {
          painter.drawEllipse(*box);
        }
        break;
      }
      case forms::OpKind::Line:
        painter.setPen(ToQPen(op.pen, ratio));
        painter.drawLine(QPoint(op.x1, op.y1), QPoint(op.x2, op.y2));
        break;
      case forms::OpKind::Text:
        DrawText(painter, op, dotsPerInch, smoothText);
        break;
    }
  }
}

QImage RenderCanvas(const forms::Canvas& canvas, const RenderStyle& style) {
  if (canvas.Width() <= 0 || canvas.Height() <= 0) return QImage();
  const qreal ratio = std::max<qreal>(style.devicePixelRatio, 1);
  QImage image(static_cast<int>(std::ceil(canvas.Width() * ratio)),
               static_cast<int>(std::ceil(canvas.Height() * ratio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintCanvas(painter, canvas, kDpi, true, style);
  return image;
}

bool SavePicture(const forms::Canvas& canvas, const std::string& path) {
  const QImage image = RenderCanvas(canvas);
  if (image.isNull()) return false;
  const QString name = QString::fromStdString(path);
  const char* format = name.endsWith(".png", Qt::CaseInsensitive) ? "PNG" : "BMP";
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, format)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

void PaintOverlay(QPainter& painter, const forms::Overlay& overlay, int dx, int dy) {
  if (!overlay.visible) return;
  const auto box = GdiBox(overlay.x1 + dx, overlay.y1 + dy, overlay.x2 + dx, overlay.y2 + dy);
  if (!box) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(ToQPen(forms::Pen{overlay.color, 1, forms::PenStyle::Dash}));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(*box);
  painter.restore();
}
