#include "forms/Canvas.h"

namespace forms {

void Canvas::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  ++revision_;
}

void Canvas::RestoreFrom(const Canvas& earlier) {
  const uint64_t revision = revision_;
  *this = earlier;
  revision_ = revision + 1;
}

void Canvas::Add(DrawOp op) {
  op.pen = pen;
  op.brush = brush;
  op.font = font;
  ops_.push_back(std::move(op));
  ++revision_;
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
  // A fill that covers the whole picture hides everything drawn before it.
  if (x1 <= 0 && y1 <= 0 && x2 >= width_ && y2 >= height_) ops_.clear();
  Add({OpKind::FillRect, x1, y1, x2, y2, {}, {}, {}, {}});
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  Add({OpKind::Rectangle, x1, y1, x2, y2, {}, {}, {}, {}});
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  Add({OpKind::Ellipse, x1, y1, x2, y2, {}, {}, {}, {}});
}

void Canvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void Canvas::LineTo(int x, int y) {
  Add({OpKind::Line, penX_, penY_, x, y, {}, {}, {}, {}});
  penX_ = x;
  penY_ = y;
}

void Canvas::TextOut(int x, int y, const std::string& text) {
  Add({OpKind::Text, x, y, x, y, text, {}, {}, {}});
}

void Canvas::Clear() {
  ops_.clear();
  ++revision_;
}

}  // namespace forms
