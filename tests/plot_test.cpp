#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "plot/PlotCanvas.h"

using forms::DrawOp;
using forms::OpKind;

namespace {

// A plot area of 400 x 250 px: nine vertical and eleven horizontal grid lines.
constexpr int kW = 480, kH = 330;
constexpr int kGridLines = 9 + 11;
constexpr forms::Color kGreen{0, 128, 0};

std::array<int, 4> Box(const DrawOp& op) {
  return {op.x1, op.y1, op.x2, op.y2};
}

class PlotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    plot.SetXUnit("m");
    plot.SetYUnit("cm");
    plot.SetTitle("308 Sierra");
    plot.ResetAxes();
  }
  void Plot(std::vector<double> xs, std::vector<double> ys, int slot = 0,
            TCurveStyle style = csLine) {
    plot.SetCurve(xs.data(), ys.data(), 0, static_cast<int>(xs.size()) - 1, 1, slot, style);
  }
  std::vector<DrawOp> Ops(OpKind kind, int penWidth = 0) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : image.Picture().Ops()) {
      if (op.kind == kind && (penWidth == 0 || op.pen.width == penWidth)) out.push_back(op);
    }
    return out;
  }
  std::string TextAt(int x, int y) const {
    for (const DrawOp& op : Ops(OpKind::Text)) {
      if (op.x1 == x && op.y1 == y) return op.text;
    }
    return "<none>";
  }
  std::array<double, 4> Axes() const {
    return {plot.XMin(), plot.XMax(), plot.YMin(), plot.YMax()};
  }
  void Drag(int x1, int y1, int x2, int y2) {
    plot.MouseDown(x1, y1);
    plot.MouseMove(x2, y2);
    plot.MouseUp(x2, y2);
  }

  forms::Image image{"Graf0", kW, kH};
  forms::Edit readX{"Edit17"}, readY{"Edit18"};
  TPlotCanvas plot{image,
                   readX,
                   readY,
                   {.palette = {forms::kRed, forms::kBlack, kGreen, {0, 0, 255}, {128, 0, 128}}}};
};

TEST_F(PlotTest, CurveEndsBeforeThePointWhoseSuccessorDoesNotIncrease) {
  Plot({0, 1, 2, 2, 3}, {1, 2, 3, 4, 9});
  EXPECT_EQ(plot.Slot(0).Count(), 3);
  EXPECT_EQ(Axes(), (std::array{0.0, 2 * 1.05, 1.0, 3 * 1.05}));
  EXPECT_EQ(Ops(OpKind::Line, 2).size(), 3u) << "a line to each point, the first included";

  std::vector<double> xs(21), ys(21, 1.0);
  for (int i = 0; i <= 20; ++i) xs[i] = i;
  plot.SetCurve(xs.data(), ys.data(), 2, 16, 5, 0, csLine);
  EXPECT_EQ(plot.Slot(0).Count(), 3);  // 2, 7, 12
  EXPECT_EQ(plot.Slot(0).x[2], 12);
  EXPECT_EQ(plot.Slot(0).x[3], 0) << "earlier data are zeroed";
}

TEST_F(PlotTest, SinglePointIsScaledAndDrawn) {
  Plot({4}, {2});
  EXPECT_DOUBLE_EQ(plot.XMin(), 4);
  EXPECT_DOUBLE_EQ(plot.XMax(), 4.2);
  EXPECT_DOUBLE_EQ(plot.YMin(), 1.9);
  EXPECT_DOUBLE_EQ(plot.YMax(), 2.1);
  const auto lines = Ops(OpKind::Line, 2);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x1, 50);
  EXPECT_NEAR(lines[0].y1, 155, 1);  // halfway up the plot area
  EXPECT_EQ(lines[0].x2, lines[0].x1);
  EXPECT_EQ(lines[0].y2, lines[0].y1);

  Plot({4}, {2}, 0, csMarkers);
  EXPECT_TRUE(Ops(OpKind::Line, 2).empty());
  const auto circles = Ops(OpKind::Ellipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].x1, 46);
  EXPECT_EQ(circles[0].x2, 54);
  EXPECT_EQ(circles[0].y2 - circles[0].y1, 8);
  EXPECT_EQ(circles[0].brush.color, forms::kWhite);
  EXPECT_EQ(circles[0].pen, (forms::Pen{forms::kRed, 2, forms::PenStyle::Solid}));
}

TEST_F(PlotTest, AutoScaleOfFlatAndNegativeData) {
  Plot({0, 1, 2}, {5, 5, 5});
  EXPECT_DOUBLE_EQ(plot.YMin(), 4.75);
  EXPECT_DOUBLE_EQ(plot.YMax(), 5.25);
  Plot({-3, -2, -1}, {-10, -6, -2});
  EXPECT_DOUBLE_EQ(plot.YMin(), -10);
  EXPECT_NEAR(plot.YMax(), 0, 1e-15);
  EXPECT_NEAR(plot.XMax(), 0, 1e-15);
}

TEST_F(PlotTest, NoVisibleCurveGivesAnEmptyFramedGrid) {
  Plot({0, 7}, {1, 8});
  plot.HideCurve(0);
  EXPECT_EQ(Axes(), (std::array{0.0, 1.05, 0.0, 1.05}));
  EXPECT_EQ(plot.XDecimals(), 1) << "a span of 1.05, unlike the two places of ResetAxes";
  EXPECT_TRUE(Ops(OpKind::Line, 2).empty());

  const auto& ops = image.Picture().Ops();
  EXPECT_EQ(ops.at(0).kind, OpKind::FillRect);
  EXPECT_EQ(ops[0].brush.color, forms::kWhite);
  EXPECT_EQ(Box(ops[0]), (std::array{0, 0, kW, kH}));
  const auto lines = Ops(OpKind::Line);
  EXPECT_TRUE(std::all_of(lines.begin(), lines.begin() + kGridLines,
                          [](auto& l) { return l.pen.style == forms::PenStyle::Dot; }));
  EXPECT_EQ(Box(lines.at(kGridLines)), (std::array{50, 30, 450, 30})) << "solid frame";
  EXPECT_EQ(lines[kGridLines].pen.style, forms::PenStyle::Solid);
  EXPECT_EQ(TextAt(45, kH - 44), "0");
  EXPECT_EQ(TextAt(445, kH - 44), "1,1");
  EXPECT_EQ(TextAt(15, kH - 57), "0");
  EXPECT_EQ(TextAt(15, 23), "1,1");
  EXPECT_EQ(TextAt(kW - 40, kH - 23), "m");
  EXPECT_EQ(TextAt(20, 6), "cm");
  EXPECT_EQ(TextAt(60, 8), "308 Sierra");
}

TEST_F(PlotTest, CurvesUseTheOwnerPaletteAndMarkersAreWhiteInside) {
  Plot({0, 1, 2}, {0, 1, 0}, 0, csLine);
  Plot({0, 1, 2, 3}, {1, 2, 1, 2}, 2, csLineMarkers);
  std::vector<std::pair<OpKind, forms::Color>> curves;
  for (const auto& op : image.Picture().Ops()) {
    if (op.kind != OpKind::FillRect && op.pen.width == 2)
      curves.emplace_back(op.kind, op.pen.color);
  }
  ASSERT_EQ(curves.size(), 3u + 8u);
  EXPECT_EQ(curves[0], std::pair(OpKind::Line, forms::kRed));
  EXPECT_EQ(curves[3], std::pair(OpKind::Line, kGreen));
  EXPECT_EQ(curves[4], std::pair(OpKind::Ellipse, kGreen));
}

struct DecimalsCase {
  const char* name;
  double dataMinX;  // the data run up to 0, so the span is exactly -dataMinX
  int decimals;
  const char* firstTickLabel;  // at px = 100, an eighth of the span from the left
};
class PlotDecimalsTest : public PlotTest, public ::testing::WithParamInterface<DecimalsCase> {};

TEST_P(PlotDecimalsTest, LabelDecimalsFollowTheSpan) {
  Plot({GetParam().dataMinX, 0}, {1, 2});
  EXPECT_EQ(plot.XDecimals(), GetParam().decimals);
  EXPECT_EQ(TextAt(95, kH - 44), GetParam().firstTickLabel);
}

INSTANTIATE_TEST_SUITE_P(Spans, PlotDecimalsTest,
                         ::testing::Values(DecimalsCase{"Span10", -10, 0, "-9"},
                                           DecimalsCase{"Span9_99", -9.99, 1, "-8,7"},
                                           DecimalsCase{"Span0_0005", -0.0005, 5, "-0,00044"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlotTest, TooManyPointsAbortBeforeAnythingIsDrawn) {
  std::vector<double> xs(4300), ys(4300, 1.0);
  for (size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>(i);
  plot.SetCurve(xs.data(), ys.data(), 0, 2 * (kPlotSlotPoints - 1) + 1, 2, 0, csLine);
  EXPECT_EQ(plot.Slot(0).Count(), kPlotSlotPoints);

  const auto revision = image.Picture().Revision();
  try {
    plot.SetCurve(xs.data(), ys.data(), 0, kPlotSlotPoints, 1, 0, csLine);
    FAIL() << "no abort";
  } catch (const ActionAborted& e) {
    EXPECT_EQ(e.Text(), "Příliš mnoho dat v grafu");
  }
  EXPECT_THROW(plot.SetCurve(xs.data(), ys.data(), 0, 2 * kPlotSlotPoints, 2, 3, csLine),
               ActionAborted);
  EXPECT_EQ(image.Picture().Revision(), revision);
  EXPECT_TRUE(plot.Slot(0).visible);
  EXPECT_EQ(plot.Slot(0).x[kPlotSlotPoints - 1], 0) << "the slot is left zeroed";
  EXPECT_FALSE(plot.Slot(3).visible);
}

TEST_F(PlotTest, PressShowsTheWorldCoordinatesRoundedTwoPlacesFiner) {
  plot.MouseDown(250, 80);  // half of the plot width, 200 of 250 px up
  EXPECT_EQ(readX.Text(), "0,525");
  EXPECT_EQ(readY.Text(), "0,84");
  EXPECT_TRUE(plot.Dragging());
}

TEST_F(PlotTest, BandIsRedUntilBothSpansReachATenth) {
  plot.MouseMove(300, 200);
  EXPECT_FALSE(image.Band().visible) << "moves without a press do nothing";

  plot.MouseDown(100, 100);
  plot.MouseMove(130, 250);  // 30 px of 400 across
  EXPECT_TRUE(image.Band().visible);
  EXPECT_EQ(image.Band().color, forms::kRed);
  EXPECT_NEAR(image.Band().x1, 100, 1);
  EXPECT_NEAR(image.Band().y1, 100, 1);
  EXPECT_EQ(image.Band().x2, 130);
  EXPECT_EQ(image.Band().y2, 250);
  plot.MouseMove(300, 120);  // 20 px of 250 up
  EXPECT_EQ(image.Band().color, forms::kRed);
  plot.MouseMove(300, 250);
  EXPECT_EQ(image.Band().color, forms::kBlack);

  plot.MouseUp(130, 250);
  EXPECT_DOUBLE_EQ(plot.XMax(), 1.05) << "a narrow rectangle does not zoom";
  EXPECT_FALSE(image.Band().visible);
  EXPECT_FALSE(plot.Dragging());
}

TEST_F(PlotTest, ZoomIsTheSameInBothDragDirectionsAndDoesNotClip) {
  Plot({0, 5, 10}, {0, 10, 0});  // spans 10.5: labels without decimals
  Drag(100, 250, 250, 130);
  const auto zoomed = Axes();
  EXPECT_NEAR(zoomed[0], 50 * 10.5 / 400, 1e-12);
  EXPECT_NEAR(zoomed[1], 200 * 10.5 / 400, 1e-12);
  EXPECT_NEAR(zoomed[2], 30 * 10.5 / 250, 1e-12);
  EXPECT_NEAR(zoomed[3], 150 * 10.5 / 250, 1e-12);
  EXPECT_EQ(plot.XDecimals(), 1);
  EXPECT_EQ(plot.YDecimals(), 1);
  // The peak lies above the view and is drawn across the top margin.
  const auto lines = Ops(OpKind::Line, 2);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.y2 < 30; }));

  plot.DblClick();
  EXPECT_DOUBLE_EQ(plot.XMax(), 10.5);
  Drag(250, 130, 100, 250);
  EXPECT_EQ(Axes(), zoomed);
  Plot({0, 5, 10}, {0, 10, 0}, 1);
  EXPECT_DOUBLE_EQ(plot.XMax(), 10.5) << "a new curve ends the zoom";
}

TEST_F(PlotTest, ImageBelow120PixelsKeepsItsPicture) {
  const auto revision = image.Picture().Revision();
  for (auto [w, h] : {std::pair{119, 300}, std::pair{300, 119}}) {
    image.SetSize(w, h);
    plot.FitToImage();
    EXPECT_EQ(image.Picture().Width(), kW);
    EXPECT_EQ(image.Picture().Height(), kH);
    EXPECT_EQ(image.Picture().Revision(), revision);
  }
  plot.Redraw();
  EXPECT_EQ(Box(Ops(OpKind::FillRect).back()), (std::array{0, 0, 300, kH}))
      << "white only as wide as the control";

  image.SetSize(120, 120);
  plot.FitToImage();
  EXPECT_EQ(image.Picture().Width(), 120);
  EXPECT_EQ(image.Picture().Height(), 120);
  EXPECT_EQ(TextAt(120 - 40, 120 - 23), "m");
}

TEST(PlotOwnerTest, DragGraphWindowPlacesItsUnitsElsewhereAndHasNoTitle) {
  forms::Image image{"Graf1", kW, kH};
  forms::Edit x{"Edit1"}, y{"Edit2"};
  TPlotCanvas plot{
      image, x, y, {.xUnitFromRight = 60, .yUnitY = 15, .hasTitle = false, .palette = {}}};
  plot.SetXUnit("v [m/s]");
  plot.SetYUnit("c");
  plot.ResetAxes();
  std::vector<std::string> owner;
  for (const auto& op : image.Picture().Ops()) {
    if (op.kind == OpKind::Text && op.text.find_first_of("0123456789") == std::string::npos)
      owner.push_back(op.text + "@" + std::to_string(op.x1) + "," + std::to_string(op.y1));
  }
  EXPECT_EQ(owner, (std::vector<std::string>{"v [m/s]@420,307", "c@20,15"}));
}

}  // namespace
