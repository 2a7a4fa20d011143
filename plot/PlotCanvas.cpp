#include "plot/PlotCanvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"

namespace {

// Frame insets: the labels need more room on the left and at the bottom.
constexpr int kLeft = 50;
constexpr int kBottom = 50;
constexpr int kRight = 30;
constexpr int kTop = 30;
constexpr int kMargins = kLeft + kRight;  // equals kTop + kBottom
constexpr int kGridStepX = 50;
constexpr int kGridStepY = 25;
constexpr int kMarkerRadius = 4;
// Below this the frame and its labels no longer fit.
constexpr int kMinFitSize = 120;

}  // namespace

int TCurveSlot::Count() const {
  int n = 1;
  while (n < kPlotSlotPoints && x[n] > x[n - 1]) ++n;
  return n;
}

TPlotCanvas::TPlotCanvas(forms::Image& image, forms::Edit& readOutX, forms::Edit& readOutY,
                         TPlotOwnerConfig config)
    : image_(image), readOutX_(readOutX), readOutY_(readOutY), config_(std::move(config)) {}

int TPlotCanvas::W() const {
  return image_.Picture().Width();
}
int TPlotCanvas::H() const {
  return image_.Picture().Height();
}

double TPlotCanvas::WorldX(double px) const {
  return xMin_ + (px - kLeft) / ((W() - kMargins) / (xMax_ - xMin_));
}

double TPlotCanvas::WorldY(double py) const {
  return yMin_ + (H() - kBottom - py) / ((H() - kMargins) / (yMax_ - yMin_));
}

double TPlotCanvas::PixelX(double x) const {
  return (W() - kMargins) * (x - xMin_) / (xMax_ - xMin_) + kLeft;
}

double TPlotCanvas::PixelY(double y) const {
  return H() - (H() - kMargins) * (y - yMin_) / (yMax_ - yMin_) - kBottom;
}

int TPlotCanvas::Pixel(double p) {
  constexpr double kLimit = std::numeric_limits<int>::max() / 2;
  if (std::isnan(p)) return 0;
  return static_cast<int>(std::clamp(p, -kLimit, kLimit));
}

int TPlotCanvas::DecimalsForSpan(double span) {
  // Later thresholds override earlier ones: the smallest one above the span wins.
  int decimals = 0;
  if (span >= 10) decimals = 0;
  if (span < 10) decimals = 1;
  if (span < 1) decimals = 2;
  if (span < 0.1) decimals = 3;
  if (span < 0.01) decimals = 4;
  if (span < 0.001) decimals = 5;
  return decimals;
}

void TPlotCanvas::SetCurve(const double* xs, const double* ys, int first, int last, int step,
                           int slot, TCurveStyle style) {
  TCurveSlot& s = slots_.at(slot);
  s.x.fill(0);
  s.y.fill(0);
  step = std::max(step, 1);
  // n + 1 points would be taken.
  const int n = (last - first) / step;
  if (n + 1 > kPlotSlotPoints) ShowMessageAbort("Příliš mnoho dat v grafu");
  int i = 0;
  for (int offset = 0; offset <= last - first; offset += step, ++i) {
    s.x[i] = xs[first + offset];
    s.y[i] = ys[first + offset];
  }
  s.visible = true;
  s.style = style;
  AutoScale();
  Redraw();
}

void TPlotCanvas::HideCurve(int slot) {
  slots_.at(slot).visible = false;
  AutoScale();
  Redraw();
}

void TPlotCanvas::SetBand(std::vector<double> xs, std::vector<double> lows,
                          std::vector<double> highs, forms::Color color) {
  bandX_ = std::move(xs);
  bandLow_ = std::move(lows);
  bandHigh_ = std::move(highs);
  bandColor_ = color;
  Redraw();
}

void TPlotCanvas::HideBand() {
  bandX_.clear();
  Redraw();
}

void TPlotCanvas::ResetAxes() {
  xMin_ = yMin_ = 0;
  xMax_ = yMax_ = 1.05;
  xDecimals_ = yDecimals_ = 2;
  Redraw();
  dragging_ = false;
}

void TPlotCanvas::AutoScale() {
  // The maxima start just above zero, so data that are all negative still reach up to 0.
  xMin_ = yMin_ = 1e20;
  xMax_ = yMax_ = 1e-20;
  for (const TCurveSlot& s : slots_) {
    if (!s.visible) continue;
    const int n = s.Count();
    for (int i = 0; i < n; ++i) {
      if (s.x[i] < xMin_) xMin_ = s.x[i];
      if (s.x[i] > xMax_) xMax_ = s.x[i];
      if (s.y[i] < yMin_) yMin_ = s.y[i];
      if (s.y[i] > yMax_) yMax_ = s.y[i];
    }
  }
  if (yMin_ == 1e20) {
    xMin_ = yMin_ = 0;
    xMax_ = yMax_ = 1;
  }
  if (yMin_ == yMax_) yMin_ *= 0.95;
  xMax_ *= 1.05;
  yMax_ *= 1.05;
  if (config_.fixedYMax > config_.fixedYMin) {
    yMin_ = config_.fixedYMin;
    yMax_ = config_.fixedYMax;
  }
  xDecimals_ = DecimalsForSpan(std::fabs(xMax_ - xMin_));
  yDecimals_ = DecimalsForSpan(std::fabs(yMax_ - yMin_));
}

void TPlotCanvas::Redraw() {
  forms::Canvas& canvas = image_.Picture();
  redrawPending_ = holdRedraws_ > 0 && image_.Width() >= canvas.Width() && H() >= canvas.Height();
  if (redrawPending_) return;
  // The control's width, not the picture's: a control shrunk below the fit size keeps the
  // old picture, and its right part is left as it was.
  canvas.brush = forms::Brush{forms::kWhite};
  canvas.FillRect(0, 0, image_.Width(), H());
  canvas.pen = forms::Pen{forms::kBlack, 1, forms::PenStyle::Solid};
  canvas.font = forms::Font{"Arial", 10, forms::kBlack, false};
  DrawBand(canvas);
  DrawGridAndLabels(canvas);
  for (int i = 0; i < kPlotSlots; ++i) {
    if (!slots_[i].visible) continue;
    const bool hasColor = i < static_cast<int>(config_.palette.size());
    DrawCurve(canvas, slots_[i], hasColor ? config_.palette[i] : forms::kBlack);
  }
  image_.PictureChanged();
}

void TPlotCanvas::DrawGridAndLabels(forms::Canvas& canvas) {
  const int w = W(), h = H();
  canvas.pen.style = forms::PenStyle::Dot;
  for (int k = 0; k * kGridStepX <= w - kMargins; ++k) {
    const int px = kLeft + k * kGridStepX;
    canvas.MoveTo(px, h - kBottom);
    canvas.LineTo(px, kTop);
  }
  for (int k = 0; k * kGridStepY <= h - kMargins; ++k) {
    const int py = h - kBottom - k * kGridStepY;
    canvas.MoveTo(kLeft, py);
    canvas.LineTo(w - kRight, py);
  }

  canvas.pen.style = forms::PenStyle::Solid;
  canvas.MoveTo(kLeft, kTop);
  canvas.LineTo(w - kRight, kTop);
  canvas.LineTo(w - kRight, h - kBottom);
  canvas.LineTo(kLeft, h - kBottom);
  canvas.LineTo(kLeft, kTop);

  canvas.TextOut(w - config_.xUnitFromRight, h - config_.xUnitFromBottom, xUnit_);
  canvas.TextOut(config_.yUnitX, config_.yUnitY, yUnit_);
  if (config_.hasTitle) canvas.TextOut(config_.titleX, config_.titleY, title_);
  drawnTitle_ = title_;

  for (int k = 0; k * kGridStepX <= w - kMargins; ++k) {
    const int px = kLeft + k * kGridStepX;
    canvas.MoveTo(px, h - 45);
    canvas.LineTo(px, h - 55);
    canvas.TextOut(px - 5, h - 44, FormatNumber(RoundTo(WorldX(px), xDecimals_)));
  }
  for (int k = 0; k * kGridStepY <= h - kMargins; ++k) {
    const int py = h - kBottom - k * kGridStepY;
    canvas.MoveTo(55, py);
    canvas.LineTo(45, py);
    canvas.TextOut(15, py - 7, FormatNumber(RoundTo(WorldY(py), yDecimals_)));
  }
}

void TPlotCanvas::DrawCurve(forms::Canvas& canvas, const TCurveSlot& slot, forms::Color color) {
  canvas.pen = forms::Pen{color, 2, forms::PenStyle::Solid};
  const int n = slot.Count();
  canvas.MoveTo(Pixel(PixelX(slot.x[0])), Pixel(PixelY(slot.y[0])));
  // No clipping: after a zoom the curve runs on across the margins to the picture's edges.
  for (int i = 0; i < n; ++i) {
    const int px = Pixel(PixelX(slot.x[i]));
    const int py = Pixel(PixelY(slot.y[i]));
    if (slot.style == csMarkers) {
      canvas.MoveTo(px, py);
    } else {
      canvas.LineTo(px, py);
    }
    if (slot.style != csLine) {
      canvas.Ellipse(px - kMarkerRadius, py - kMarkerRadius, px + kMarkerRadius,
                     py + kMarkerRadius);
    }
  }
}

// One column of pixels at a time, between the two curves interpolated at its centre.
void TPlotCanvas::DrawBand(forms::Canvas& canvas) {
  if (bandX_.size() < 2) return;
  const int left = std::max(kLeft, Pixel(PixelX(bandX_.front())));
  const int right = std::min(W() - kRight, Pixel(PixelX(bandX_.back())));
  const forms::Brush kept = canvas.brush;
  canvas.brush = forms::Brush{bandColor_};
  std::size_t i = 1;
  for (int px = left; px < right; ++px) {
    const double x = WorldX(px + 0.5);
    while (i + 1 < bandX_.size() && bandX_[i] < x) ++i;
    const double t = std::clamp((x - bandX_[i - 1]) / (bandX_[i] - bandX_[i - 1]), 0.0, 1.0);
    const double low = bandLow_[i - 1] + t * (bandLow_[i] - bandLow_[i - 1]);
    const double high = bandHigh_[i - 1] + t * (bandHigh_[i] - bandHigh_[i - 1]);
    const int top = std::max(kTop, Pixel(PixelY(high)));
    const int bottom = std::min(H() - kBottom, Pixel(PixelY(low)) + 1);
    if (top < bottom) canvas.FillRect(px, top, px + 1, bottom);
  }
  canvas.brush = kept;
}

void TPlotCanvas::FitToImage() {
  if (image_.Width() < kMinFitSize || image_.Height() < kMinFitSize) return;
  image_.Picture().SetSize(image_.Width(), image_.Height());
  Redraw();
}

bool TPlotCanvas::ZoomAllowed(int x, int y) const {
  return std::fabs(zoomStartX_ - WorldX(x)) >= 0.1 * (xMax_ - xMin_) &&
         std::fabs(zoomStartY_ - WorldY(y)) >= 0.1 * (yMax_ - yMin_);
}

void TPlotCanvas::MouseDown(int x, int y) {
  const double wx = WorldX(x), wy = WorldY(y);
  readOutX_.SetText(FormatNumber(RoundTo(wx, xDecimals_ + 2)));
  readOutY_.SetText(FormatNumber(RoundTo(wy, yDecimals_ + 2)));
  zoomStartX_ = wx;
  zoomStartY_ = wy;
  dragging_ = true;
}

void TPlotCanvas::MouseMove(int x, int y) {
  if (!dragging_) return;
  // Red warns that releasing here leaves the view as it is.
  const forms::Color color = ZoomAllowed(x, y) ? forms::kBlack : forms::kRed;
  image_.SetBand(
      forms::Overlay{true, Pixel(PixelX(zoomStartX_)), Pixel(PixelY(zoomStartY_)), x, y, color});
}

void TPlotCanvas::MouseUp(int x, int y) {
  if (ZoomAllowed(x, y)) {
    const double wx = WorldX(x), wy = WorldY(y);
    xMin_ = std::min(zoomStartX_, wx);
    xMax_ = std::max(zoomStartX_, wx);
    yMin_ = std::min(zoomStartY_, wy);
    yMax_ = std::max(zoomStartY_, wy);
    xDecimals_ = DecimalsForSpan(std::fabs(xMax_ - xMin_));
    yDecimals_ = DecimalsForSpan(std::fabs(yMax_ - yMin_));
    Redraw();
  }
  image_.SetBand(forms::Overlay{});
  dragging_ = false;
}

void TPlotCanvas::DblClick() {
  AutoScale();
  Redraw();
}
