#include "ui/TitlePicture.h"

#include <cmath>

void DrawTitlePicture(forms::Canvas& c) {
  const int w = kTitlePictureWidth, h = kTitlePictureHeight;
  c.SetSize(w, h);
  // Sky fading towards the horizon, drawn in bands.
  for (int band = 0; band < 7; ++band) {
    const int y1 = band * 11, y2 = y1 + 11;
    c.brush.color = {static_cast<uint8_t>(40 + band * 22), static_cast<uint8_t>(90 + band * 20),
                     200};
    c.FillRect(0, y1, w, y2);
  }
  c.brush.color = {70, 110, 50};
  c.FillRect(0, 77, w, h);
  // Target at the end of the range.
  c.pen = {{255, 255, 255}, 1, forms::PenStyle::Solid};
  c.brush.color = {255, 255, 255};
  c.Rectangle(236, 56, 246, 78);
  c.brush.color = {200, 0, 0};
  c.pen.color = {200, 0, 0};
  c.Ellipse(238, 60, 244, 66);
  // The trajectory: a flat arc from the muzzle to the target, dashed line of sight under it.
  c.pen = {{255, 220, 60}, 2, forms::PenStyle::Solid};
  const int x0 = 22, y0 = 70, x1 = 241, y1 = 63;
  c.MoveTo(x0, y0);
  for (int i = 1; i <= 40; ++i) {
    const double t = i / 40.0;
    const double x = x0 + (x1 - x0) * t;
    const double y = y0 + (y1 - y0) * t - 34 * t * (1 - t);
    c.LineTo(static_cast<int>(x), static_cast<int>(std::lround(y)));
  }
  c.pen = {{230, 230, 230}, 1, forms::PenStyle::Dash};
  c.MoveTo(x0, y0 - 4);
  c.LineTo(x1, y1);
  // The rifle: a barrel and a stock in silhouette.
  c.pen = {{30, 30, 30}, 1, forms::PenStyle::Solid};
  c.brush.color = {30, 30, 30};
  c.Rectangle(2, 68, 24, 72);
  c.Rectangle(0, 70, 10, 80);
  // Name of the program.
  c.font = {"Arial", 15, {255, 255, 255}, true};
  c.TextOut(10, 6, "Vnější trajekta");
  c.font = {"Arial", 9, {235, 240, 255}, false};
  c.TextOut(12, 32, "vnější balistika ručních zbraní");
  c.font = {"Arial", 9, {255, 255, 255}, true};
  c.TextOut(12, 86, "Verze 2.6");
}

void DrawProgramIcon(forms::Canvas& c) {
  c.SetSize(32, 32);
  c.brush.color = {40, 90, 200};
  c.FillRect(0, 0, 32, 32);
  c.brush.color = {255, 255, 255};
  c.pen = {{255, 255, 255}, 1, forms::PenStyle::Solid};
  c.Ellipse(20, 16, 30, 26);
  c.brush.color = {200, 0, 0};
  c.pen.color = {200, 0, 0};
  c.Ellipse(23, 19, 27, 23);
  c.pen = {{255, 220, 60}, 2, forms::PenStyle::Solid};
  c.MoveTo(2, 26);
  c.LineTo(8, 12);
  c.LineTo(16, 8);
  c.LineTo(25, 21);
}
