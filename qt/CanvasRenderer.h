#pragma once
#include <QImage>
#include <string>

#include "forms/Canvas.h"
#include "forms/Controls.h"

class QPainter;

// How a picture is turned into pixels. The defaults give what a Windows GDI bitmap would
// hold, as the saved files have it; a view on the screen asks for the screen's pixels.
struct RenderStyle {
  qreal devicePixelRatio = 1;
  bool smoothText = false;  // antialiased text
};

// The pixels of a picture: GDI's dash and dot patterns, fonts sized for 96 dpi, no
// antialiasing of lines, and of text only as the style asks. An image at a device pixel
// ratio above 1 has more pixels for the same picture. The caller owns a QGuiApplication (fonts).
QImage RenderCanvas(const forms::Canvas& canvas, const RenderStyle& style = {});

// Paints the picture's operations onto any surface whose dots have this resolution; fonts are
// sized for it. pixelExact keeps the GDI look of a bitmap (no antialiasing of lines, and of
// text only as the style asks); the style's ratio widens pens to whole device pixels.
void PaintCanvas(QPainter& painter, const forms::Canvas& canvas, int dotsPerInch, bool pixelExact,
                 const RenderStyle& style = {});

// A .png name gives PNG, any other a Windows BMP. An existing file is replaced only by a
// complete new one. False when the file cannot be written.
bool SavePicture(const forms::Canvas& canvas, const std::string& path);

// The rubber band of an image shown at (dx, dy) on the painter's surface: a dashed outline.
void PaintOverlay(QPainter& painter, const forms::Overlay& overlay, int dx, int dy);
