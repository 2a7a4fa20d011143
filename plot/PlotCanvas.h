#pragma once
#include <array>
#include <string>
#include <vector>

#include "forms/Canvas.h"
#include "forms/Controls.h"

enum TCurveStyle { csLine = 0, csMarkers = 1, csLineMarkers = 2 };

inline constexpr int kPlotSlots = 10;
inline constexpr int kPlotSlotPoints = 2111;

// What differs between the windows that own a graph.
struct TPlotOwnerConfig {
  int xUnitFromRight = 40;  // x-axis unit text at (W - xUnitFromRight, H - xUnitFromBottom)
  int xUnitFromBottom = 23;
  int yUnitX = 20, yUnitY = 6;  // y-axis unit text
  bool hasTitle = true;
  int titleX = 60, titleY = 8;
  std::vector<forms::Color> palette;  // colours of the first slots
  // A y-axis that autoscaling keeps, when the maximum is above the minimum.
  double fixedYMin = 0, fixedYMax = 0;
};

struct TCurveSlot {
  bool visible = false;
  TCurveStyle style = csLine;
  std::array<double, kPlotSlotPoints> x{};
  std::array<double, kPlotSlotPoints> y{};
  // Points of the curve: from 0 while the next x is strictly greater.
  int Count() const;
};

// What a graph holds besides the controls it draws into, kept and put back as a whole when
// an action is abandoned (the picture itself belongs to the image control).
struct TPlotState {
  std::string xUnit_, yUnit_, title_;
  std::string drawnTitle_;
  double xMin_ = 0, xMax_ = 1.05, yMin_ = 0, yMax_ = 1.05;
  int xDecimals_ = 2, yDecimals_ = 2;
  bool dragging_ = false;
  double zoomStartX_ = 0, zoomStartY_ = 0;
  std::vector<TCurveSlot> slots_ = std::vector<TCurveSlot>(kPlotSlots);
  std::vector<double> bandX_, bandLow_, bandHigh_;
  forms::Color bandColor_;
};

// An x-y graph drawn into an image control, with automatic axes, a zoom by dragging a
// rectangle, a double click back to the full view and a read-out of clicked coordinates.
class TPlotCanvas : private TPlotState {
 public:
  TPlotCanvas(forms::Image& image, forms::Edit& readOutX, forms::Edit& readOutY,
              TPlotOwnerConfig config);

  // Owner texts, drawn by the next Redraw.
  void SetXUnit(std::string text) { xUnit_ = std::move(text); }
  void SetYUnit(std::string text) { yUnit_ = std::move(text); }
  void SetTitle(std::string text) { title_ = std::move(text); }
  // Does the picture show the title set last?
  bool TitleDrawn() const { return drawnTitle_ == title_; }

  // Stores the points first, first + step, ... up to last; aborts the action with
  // "Příliš mnoho dat v grafu" when they do not fit a slot.
  void SetCurve(const double* xs, const double* ys, int first, int last, int step, int slot,
                TCurveStyle style);
  void HideCurve(int slot);
  // A filled band between two curves over the same x values, drawn under the grid and the
  // curves and within the frame.
  void SetBand(std::vector<double> xs, std::vector<double> lows, std::vector<double> highs,
               forms::Color color);
  void HideBand();
  bool BandVisible() const { return !bandX_.empty(); }
  // Only the flag, without rescaling or redrawing.
  void SetSlotVisible(int slot, bool visible) { slots_[slot].visible = visible; }
  void ResetAxes();
  void AutoScale();
  void Redraw();
  void FitToImage();

  // Holds redraws back while one action changes several curves; the last state is drawn
  // when the scope ends. A redraw is held only when it erases the whole picture, so the
  // picture ends up exactly as if every redraw had run.
  class HeldRedraws {
   public:
    explicit HeldRedraws(TPlotCanvas& plot) : plot_(plot) { ++plot_.holdRedraws_; }
    ~HeldRedraws() {
      if (--plot_.holdRedraws_ == 0 && plot_.redrawPending_) plot_.Redraw();
    }
    HeldRedraws(const HeldRedraws&) = delete;
    HeldRedraws& operator=(const HeldRedraws&) = delete;

   private:
    TPlotCanvas& plot_;
  };

  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  void DblClick();

  // World coordinates of a picture pixel and back.
  double WorldX(double px) const;
  double WorldY(double py) const;
  double PixelX(double x) const;
  double PixelY(double y) const;

  double XMin() const { return xMin_; }
  double XMax() const { return xMax_; }
  double YMin() const { return yMin_; }
  double YMax() const { return yMax_; }
  int XDecimals() const { return xDecimals_; }
  int YDecimals() const { return yDecimals_; }
  bool Dragging() const { return dragging_; }
  const TCurveSlot& Slot(int slot) const { return slots_[slot]; }
  forms::Image& ImageControl() { return image_; }
  TPlotState SaveState() const { return *this; }
  void RestoreState(const TPlotState& state) { static_cast<TPlotState&>(*this) = state; }

 private:
  int W() const;
  int H() const;
  static int DecimalsForSpan(double span);
  // A drawing coordinate: truncated toward zero, saturated so that a deep zoom stays in int.
  static int Pixel(double p);
  // Would a release at this pixel make a zoom rectangle of at least a tenth of both spans?
  bool ZoomAllowed(int x, int y) const;
  void DrawGridAndLabels(forms::Canvas& canvas);
  void DrawCurve(forms::Canvas& canvas, const TCurveSlot& slot, forms::Color color);
  void DrawBand(forms::Canvas& canvas);

  forms::Image& image_;
  forms::Edit& readOutX_;
  forms::Edit& readOutY_;
  TPlotOwnerConfig config_;
  int holdRedraws_ = 0;
  bool redrawPending_ = false;
};
