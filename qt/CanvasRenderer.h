#pragma once
#include <QImage>
#include <string>

#include "forms/Canvas.h"
#include "forms/Controls.h"

class QPainter;

// The pixels of a picture as a Windows GDI bitmap would hold them: no antialiasing, GDI's
// dash and dot patterns, fonts sized for 96 dpi. The caller owns a QGuiApplication (fonts).
QImage RenderCanvas(const forms::Canvas& canvas);

// Paints the picture's operations onto any surface whose dots have this resolution; fonts are
// sized for it. pixelExact keeps the GDI look of a bitmap (no antialiasing).
void PaintCanvas(QPainter& painter, const forms::Canvas& canvas, int dotsPerInch, bool pixelExact);

// A .png name gives PNG, any other a Windows BMP. An existing file is replaced only by a
// complete new one. False when the file cannot be written.
bool SavePicture(const forms::Canvas& canvas, const std::string& path);

// The rubber band of an image shown at (dx, dy) on the painter's surface: a dashed outline.
void PaintOverlay(QPainter& painter, const forms::Overlay& overlay, int dx, int dy);
