#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};

enum class PenStyle { Solid, Dash, Dot };

struct Pen {
  Color color = kBlack;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  Color color = kWhite;
  // Text is drawn on its cell filled with the brush colour, as GDI draws text in its opaque
  // background mode; otherwise the lines under a text show through it.
  bool behindText = false;
  bool operator==(const Brush&) const = default;
};

struct Font {
  std::string name = "Arial";
  int sizePt = 10;
  Color color = kBlack;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

enum class OpKind { FillRect, Rectangle, Ellipse, Line, Text };

// One recorded drawing operation with the tools that were in force.
// Rectangles and ellipses cover x1 <= x < x2, y1 <= y < y2; a line runs from (x1, y1)
// to (x2, y2) without its end pixel; text has its top-left corner at (x1, y1).
struct DrawOp {
  OpKind kind;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
  Pen pen;
  Brush brush;
  Font font;
  bool operator==(const DrawOp&) const = default;
};

// A picture as a display list; qt/ turns it into pixels.
class Canvas {
 public:
  Canvas(int width = 0, int height = 0) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);

  Pen pen;
  Brush brush;
  Font font;

  void FillRect(int x1, int y1, int x2, int y2);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Ellipse(int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);

  int PenX() const { return penX_; }
  int PenY() const { return penY_; }

  const std::vector<DrawOp>& Ops() const { return ops_; }
  void Clear();
  // Grows with every change, so that a view knows when to repaint.
  uint64_t Revision() const { return revision_; }
  // Becomes a copy of an earlier state of itself; the revision still grows.
  void RestoreFrom(const Canvas& earlier);

 private:
  void Add(DrawOp op);
  int width_, height_;
  int penX_ = 0, penY_ = 0;
  std::vector<DrawOp> ops_;
  uint64_t revision_ = 0;
};

// Pages to print, each a canvas in dots of the document's resolution.
struct Document {
  double pageWidthMm = 0, pageHeightMm = 0;
  int dotsPerInch = 300;
  std::string title;
  std::vector<Canvas> pages;
};

}  // namespace forms
