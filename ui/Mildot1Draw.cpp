// The seven reticle pictures, their labels and the aiming cross.
#include <algorithm>
#include <cmath>

#include "core/LinearInterp.h"
#include "core/NumberText.h"
#include "ui/Mildot1.h"

namespace {

constexpr int kCentre = 180;
constexpr int kLastIndex = 39;  // the tables hold 40 entries

class ReticlePainter {
 public:
  ReticlePainter(forms::Canvas& c, const TReticleScene& s) : c_(c), s_(s) {}

  void PenWidth(int width) { c_.pen.width = width; }
  void Line(int x1, int y1, int x2, int y2) {
    c_.MoveTo(x1, y1);
    c_.LineTo(x2, y2);
  }
  // A tick across the vertical arm (x a..b at y) and one across the horizontal arm.
  void TickX(int a, int b, int y) { Line(a, y, b, y); }
  void TickY(int a, int b, int x) { Line(x, a, x, b); }
  void FullCrosshair() {
    Line(180, 8, 180, 352);
    Line(8, 180, 352, 180);
  }
  void Post(int x1, int y1, int x2, int y2) {
    c_.pen.width = 1;
    c_.brush.color = forms::kBlack;
    c_.Rectangle(x1, y1, x2, y2);
    c_.brush.color = forms::kWhite;
  }
  void MilDotPosts() {
    Post(175, 8, 185, 41);
    Post(175, 319, 185, 352);
    Post(8, 175, 41, 185);
    Post(319, 175, 352, 185);
  }
  void Text(int x, int y, const std::string& text, int size = 9) {
    c_.font.sizePt = size;
    c_.TextOut(x, y, text);
  }
  void HoldLabel(int p, int x, int y, int size = 9) {
    if (s_.hold[p] > 1) Text(x, y, FormatNumber(s_.hold[p]), size);
  }
  void WindLabel(int w, int x, int y, int size = 9) {
    if (s_.wind[w] != 0) Text(x, y, FormatNumber(s_.wind[w]), size);
  }

  void MilDot();
  void Sightron();
  void LeupoldTmr();
  void VortexMoa();
  void VortexMrad();
  void Nightforce();
  void Meopta();

 private:
  forms::Canvas& c_;
  const TReticleScene& s_;
};

void ReticlePainter::MilDot() {
  PenWidth(2);
  FullCrosshair();
  MilDotPosts();
  PenWidth(8);
  for (int i = 1; i <= 9; ++i) {
    if (i == 5) continue;
    c_.Ellipse(178, 28 * i + 38, 182, 28 * i + 42);
    c_.Ellipse(28 * i + 38, 178, 28 * i + 42, 182);
  }
  for (int p = 1; p <= 11; ++p) HoldLabel(p, 192, 28 * p + 3);
  for (int w = 1; w <= 5; ++w) WindLabel(w, 174 - 28 * w, 186);
}

void ReticlePainter::Sightron() {
  PenWidth(1);
  FullCrosshair();
  for (int i = 1; i <= 16; ++i) {
    const int y = 15 * i + 90;
    if (i != 6) TickX(173, 188, y);
    if (i == 1 || i == 11 || i == 16) TickX(166, 194, y);
  }
  for (int i = 1; i <= 11; ++i) {
    const int x = 15 * i + 90;
    if (i != 6) TickY(173, 187, x);
    if (i == 1 || i == 11) TickY(166, 194, x);
  }
  for (int p = 1; p <= 16; ++p) {
    if (p == 1 || p == 6 || p == 11 || p == 16)
      HoldLabel(p, 197, 15 * p + 81);
    else
      HoldLabel(p, 190, 15 * p + 85, 7);
  }
  WindLabel(1, 159, 188);
  WindLabel(2, 144, 158);
  WindLabel(3, 129, 188);
  WindLabel(4, 113, 158);
  WindLabel(5, 98, 195);
}

void ReticlePainter::LeupoldTmr() {
  PenWidth(1);
  FullCrosshair();
  MilDotPosts();
  for (int i = 1; i <= 9; ++i) {
    if (i != 5) {
      TickX(175, 186, 28 * i + 40);
      TickY(174, 186, 28 * i + 40);
    }
    if (i >= 2) TickX(178, 183, 28 * i + 26);
    if (i >= 2 && i != 6) TickY(178, 183, 28 * i + 26);
  }
  for (int i = 1; i <= 4; ++i) {
    TickX(178, 183, 6 * i + 39);
    TickX(178, 183, 6 * i + 291);
    TickY(178, 183, 6 * i + 39);
    TickY(178, 183, 6 * i + 291);
  }
  for (int p = 1; p <= 21; p += 2) HoldLabel(p, 192, 14 * p + 18);
  for (int p = 4; p <= 18; p += 2) HoldLabel(p, 188, 14 * p + 20, 7);
  for (int w = 1; w <= 10; ++w) {
    if (w == 9) continue;
    const int x = w <= 3 ? 174 - 14 * w : 173 - 14 * w;
    WindLabel(w, x, (w % 2 == 1 || w == 10) ? 188 : 158);
  }
}

void ReticlePainter::VortexMoa() {
  PenWidth(1);
  Line(180, 8, 180, 20);
  Line(180, 30, 180, 330);
  Line(30, 180, 330, 180);
  Post(175, 340, 185, 352);
  Post(8, 175, 20, 185);
  Post(340, 175, 352, 185);
  for (int i = 1; i <= 7; ++i) {
    if (i != 2) TickX(175, 186, 50 * i - 20);
    TickY(174, 186, 50 * i - 20);
  }
  for (int i = 1; i <= 20; ++i) TickX(178, 183, 10 * i + 130);
  for (int i : {1, 2, 5, 6}) TickY(178, 183, 50 * i + 5);
  for (int i = 1; i <= 10; ++i) TickY(178, 183, 10 * i + 130);
  for (int p = 1; p <= 21; ++p) {
    if (p % 5 == 1)
      HoldLabel(p, 200, 10 * p + 111);
    else
      HoldLabel(p, 186, 10 * p + 115, 6);
  }
  WindLabel(1, 164, 184, 6);
  WindLabel(2, 154, 162, 6);
  WindLabel(3, 146, 184, 6);
  WindLabel(4, 136, 162, 6);
  for (int w : {5, 10, 15}) WindLabel(w, 173 - 10 * w, 188);
}

void ReticlePainter::VortexMrad() {
  PenWidth(1);
  Line(180, 8, 180, 30);
  Line(180, 36, 180, 342);
  Line(36, 180, 324, 180);
  Post(175, 348, 185, 352);
  Post(8, 175, 30, 185);
  Post(330, 175, 352, 185);
  for (int i = 1; i <= 18; ++i) TickX(176, 185, 18 * i + 18);
  for (int i = 4; i <= 17; ++i) TickX(178, 183, 18 * i + 27);
  for (int i = 1; i <= 17; ++i) TickY(175, 185, 18 * i + 18);
  for (int i = 4; i <= 13; ++i) TickY(178, 183, 18 * i + 27);
  for (int p = 1; p <= 35; p += 2) HoldLabel(p, 187, 9 * p + 20);
  for (int p = 2; p <= 34; p += 2) HoldLabel(p, 162, 9 * p + 22, 6);
  for (int w : {2, 6, 10, 14}) WindLabel(w, 174 - 9 * w, 160);
  for (int w : {4, 8, 12, 16}) WindLabel(w, 174 - 9 * w, 184);
}

void ReticlePainter::Nightforce() {
  PenWidth(1);
  Line(180, 110, 180, 166);
  Line(180, 194, 180, 320);
  Line(40, 180, 166, 180);
  Line(194, 180, 320, 180);
  Post(175, 330, 185, 352);
  Post(8, 175, 30, 185);
  Post(330, 175, 352, 185);
  for (int i = 1; i <= 16; ++i) {
    if (i == 1 || i == 11)
      TickX(166, 194, 14 * i + 96);
    else
      TickX(173, 188, 14 * i + 96);
  }
  for (int i = 1; i <= 15; ++i) {
    if (i != 5 && i != 6) TickX(178, 183, 14 * i + 103);
  }
  for (int i = 1; i <= 21; ++i) {
    const int x = 14 * i + 26;
    if (i == 6 || i == 16)
      TickY(166, 194, x);
    else if (i == 1 || i == 10 || i == 11 || i == 12 || i == 21)
      TickY(173, 187, x);
    else
      TickY(180, 187, x);
  }
  for (int i = 1; i <= 20; ++i) {
    if (i != 10 && i != 11) TickY(180, 183, 14 * i + 33);
  }
  for (int p = 1; p <= 21; ++p) HoldLabel(p, 190, 14 * p + 88);
  for (int w = 1; w <= 10; ++w) WindLabel(w, 174 - 14 * w, w % 2 == 1 ? 160 : 186);
}

void ReticlePainter::Meopta() {
  PenWidth(2);
  FullCrosshair();
  MilDotPosts();
  PenWidth(2);
  for (int i = 1; i <= 9; ++i) {
    if (i == 5) continue;
    c_.Ellipse(177, 28 * i + 37, 183, 28 * i + 43);
    c_.Ellipse(28 * i + 37, 177, 28 * i + 43, 183);
  }
  PenWidth(1);
  for (int i = 1; i <= 10; ++i) {
    TickX(177, 183, 28 * i + 26);
    if (i != 6) TickY(177, 183, 28 * i + 26);
  }
  for (int p = 1; p <= 21; p += 2) HoldLabel(p, 192, 14 * p + 18);
  for (int p = 2; p <= 20; p += 2) HoldLabel(p, 188, 14 * p + 20, 7);
  for (int w = 1; w <= 10; ++w) {
    const int x = w <= 3 ? 174 - 14 * w : 173 - 14 * w;
    WindLabel(w, x, w % 2 == 1 ? 188 : 158);
  }
}

// A pixel place from an interpolation that may run far outside the picture.
int Pixel(double value) {
  return static_cast<int>(std::lround(std::clamp(value, -100000.0, 100000.0)));
}

// The point of the reticle to put on the target, or the message that replaces it.
void DrawAimingCross(forms::Canvas& c, const TReticleScene& s) {
  const TReticleScale scale = ReticleScale(s.reticle);
  const double ds = s.shootingDistanceM;
  const double v = std::fabs(s.crossWind);
  const auto& h = s.hold;
  const auto& w = s.wind;
  auto message = [&](const char* text) { c.TextOut(40, 115, text); };

  int p0 = 1;
  while (p0 < kLastIndex && !(h[p0] >= 1)) ++p0;
  if (ds < h[p0]) return message("Vzdálenost mimo vypočtenou oblast");
  int w0 = 1;
  if (s.markMode == TMarkMode::Wind) {
    while (w0 < kLastIndex && !(w[w0] <= 0)) ++w0;
    if (v > w[w0 - 1]) return message("Rychlost větru mimo vypočtenou oblast");
  } else {
    while (w0 < kLastIndex && !(w[w0] <= 0 || w[w0 - 1] > w[w0])) ++w0;
    if (ds > w[w0 - 1]) return message("Vzdálenost mimo vypočtenou oblast větru");
  }

  int p = 1;
  while (p < kLastIndex && !(ds <= h[p] || h[p - 1] > h[p])) ++p;
  auto heightOf = [&](int position) { return scale.offset + position * scale.pixelsPerDivision; };
  const int y = Pixel(LinearInterp(ds, h[p - 1], h[p], heightOf(p - 1), heightOf(p)));

  const double arg = s.markMode == TMarkMode::Wind ? v : ds;
  int k = 1;
  while (k < kLastIndex && !(arg <= w[k] || w[k - 1] > w[k])) ++k;
  const int f = scale.pixelsPerDivision;
  int x = Pixel(LinearInterp(arg, w[k - 1], w[k], kCentre - (k - 1) * f, kCentre - k * f));
  if (s.crossWind > 0) x = 360 - x;
  if (s.crossWind == 0) x = kCentre;

  c.pen = {forms::kRed, 2, forms::PenStyle::Solid};
  c.MoveTo(x, y - 13);
  c.LineTo(x, y + 12);
  c.MoveTo(x - 14, y);
  c.LineTo(x + 12, y);
}

}  // namespace

TReticleScale ReticleScale(int reticle) {
  static constexpr TReticleScale kScales[kReticleCount] = {{28, 12}, {15, 90}, {14, 26}, {10, 120},
                                                           {9, 27},  {14, 96}, {14, 26}};
  return kScales[std::clamp(reticle, 0, kReticleCount - 1)];
}

void DrawReticleScene(forms::Canvas& c, const TReticleScene& s) {
  c.Clear();
  c.SetSize(Tmildot::kPictureWidth, Tmildot::kPictureHeight);
  // White behind every label, so that no line of the reticle strikes one through.
  c.brush = {forms::kWhite, true};
  c.FillRect(0, 0, c.Width(), c.Height());
  c.pen = {forms::kBlack, 5, forms::PenStyle::Solid};
  c.font = forms::Font{"Arial", 9, forms::kBlack, false};
  c.Ellipse(6, 6, 354, 354);

  ReticlePainter painter(c, s);
  switch (s.reticle) {
    case 1:
      painter.Sightron();
      break;
    case 2:
      painter.LeupoldTmr();
      break;
    case 3:
      painter.VortexMoa();
      break;
    case 4:
      painter.VortexMrad();
      break;
    case 5:
      painter.Nightforce();
      break;
    case 6:
      painter.Meopta();
      break;
    default:
      painter.MilDot();
      break;
  }

  c.font.sizePt = 9;
  c.TextOut(8, 364, s.title);
  c.TextOut(8, 8, kReticles[std::clamp(s.reticle, 0, kReticleCount - 1)].name);
  c.TextOut(8, 24, s.standardMagText);
  c.TextOut(s.standardMag >= 10 ? 24 : 20, 24, "/");
  c.TextOut(28, 24, s.actualMagText);
  if (s.markMode == TMarkMode::Wind)
    c.TextOut(105, 210, "m/s");
  else if (s.crossWind != 0)
    c.TextOut(105, 210, "m");
  c.TextOut(230, 240, "m");

  if (!s.aimingCross) return;
  c.font.color = forms::kRed;
  c.TextOut(40, 85, "Vzdálenost (m):");
  c.TextOut(130, 85, s.shootingDistanceText);
  c.TextOut(40, 100, "Vítr (m/s):");
  c.TextOut(100, 100, FormatNumber(s.crossWind));
  DrawAimingCross(c, s);
}
