#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "qt/CanvasRenderer.h"
#include "qt/PdfRenderer.h"
#include "ui/Karta1.h"

namespace {

// Fonts need an application; the offscreen platform needs no display.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "qtpicture_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kBlack(0, 0, 0), kGreen(0, 128, 0);

forms::Canvas WhitePicture(int w, int h) {
  forms::Canvas c(w, h);
  c.brush.color = forms::kWhite;
  c.FillRect(0, 0, w, h);
  return c;
}

TEST(RenderCanvasTest, FillsWhiteAndDrawsAWideRedLine) {
  forms::Canvas c = WhitePicture(100, 60);
  c.pen = {forms::kRed, 2, forms::PenStyle::Solid};
  c.MoveTo(10, 30);
  c.LineTo(90, 30);
  const QImage image = RenderCanvas(c);
  ASSERT_EQ(image.size(), QSize(100, 60));
  EXPECT_EQ(image.pixelColor(5, 5), kWhite);
  EXPECT_EQ(image.pixelColor(50, 30), kRed);
  EXPECT_EQ(image.pixelColor(50, 25), kWhite);

  // A deeply zoomed graph reaches far outside the picture.
  c.MoveTo(-1'000'000'000, 50);
  c.LineTo(1'000'000'000, 50);
  EXPECT_EQ(RenderCanvas(c).pixelColor(50, 50), kRed);
}

TEST(RenderCanvasTest, RectangleCoversItsBoxWithoutTheFarEdges) {
  forms::Canvas c = WhitePicture(40, 40);
  c.brush.color = {0, 128, 0};
  c.Rectangle(20, 20, 10, 10);  // corners in either order
  const QImage image = RenderCanvas(c);
  EXPECT_EQ(image.pixelColor(10, 10), kBlack);
  EXPECT_EQ(image.pixelColor(19, 19), kBlack);
  EXPECT_EQ(image.pixelColor(15, 15), kGreen);
  EXPECT_EQ(image.pixelColor(20, 15), kWhite);
  EXPECT_EQ(image.pixelColor(15, 20), kWhite);
}

TEST(RenderCanvasTest, PenWiderThanAnEllipseCoversItWhole) {
  forms::Canvas c = WhitePicture(40, 40);
  c.pen.width = 8;
  c.Ellipse(18, 18, 22, 22);  // a reticle's dot: white brush, wide black pen
  const QImage image = RenderCanvas(c);
  for (int d : {-5, 0, 5}) {
    EXPECT_EQ(image.pixelColor(20 + d, 20), kBlack) << d;
    EXPECT_EQ(image.pixelColor(20, 20 + d), kBlack) << d;
  }
  EXPECT_EQ(image.pixelColor(20, 27), kWhite);
}

TEST(RenderCanvasTest, TextHangsBelowAndRightOfItsPoint) {
  forms::Canvas c = WhitePicture(120, 60);
  c.TextOut(30, 20, "čas 8");
  const QImage image = RenderCanvas(c);
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) != kWhite) ink |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 30);
  EXPECT_GE(ink.top(), 20);
  // Arial 10 pt at 96 dpi: a cell 15 px high.
  EXPECT_LE(ink.bottom(), 20 + 15);
  EXPECT_GE(ink.width(), 20);
}

// Black text over a red line: on the saved picture the line shows through; with the brush
// behind the text, it does not; on a screen at twice the pixels the text is also smooth.
TEST(RenderCanvasTest, TextOverALine) {
  for (const auto& [behind, style, lineShows, smooth] :
       {std::tuple{false, RenderStyle{}, true, false},
        std::tuple{true, RenderStyle{}, false, false},
        std::tuple{true, RenderStyle{2, true}, false, true}}) {
    forms::Canvas c = WhitePicture(120, 40);
    c.pen.color = forms::kRed;
    c.MoveTo(0, 20);
    c.LineTo(120, 20);
    c.brush.behindText = behind;
    c.TextOut(10, 12, "100 m");
    const QImage image = RenderCanvas(c, style);
    const qreal ratio = style.devicePixelRatio;
    ASSERT_EQ(image.size(), QSize(120, 40) * ratio);
    int red = 0, grey = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor p = image.pixelColor(x, y);
        red += p == kRed && x >= 12 * ratio && x < 30 * ratio;
        grey += p != kRed && p != kWhite && p != kBlack;
      }
    }
    EXPECT_EQ(red > 0, lineShows) << behind << ratio;
    EXPECT_EQ(grey > 0, smooth) << behind << ratio;
    EXPECT_EQ(image.pixelColor(QPoint(115, 20) * ratio), kRed) << "the line beyond the text";
  }
}

TEST(SavePictureTest, WritesBmpOrPngByNameAndReportsFailure) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  forms::Canvas c = WhitePicture(50, 40);
  c.pen.color = forms::kRed;
  c.MoveTo(0, 10);
  c.LineTo(50, 10);
  for (const auto& [name, format] :
       {std::pair{"graf.bmp", "bmp"}, std::pair{"graf.PNG", "png"}, std::pair{"graf.obr", "bmp"}}) {
    const QString path = dir.filePath(name);
    ASSERT_TRUE(SavePicture(c, path.toStdString())) << name;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), format) << name;
    const QImage back = reader.read();
    ASSERT_EQ(back.size(), QSize(50, 40)) << name;
    EXPECT_EQ(back.pixelColor(20, 10), kRed) << name;
    EXPECT_EQ(back.pixelColor(20, 20), kWhite) << name;
  }
  EXPECT_FALSE(SavePicture(c, dir.filePath("no-such-folder/graf.bmp").toStdString()));
}

TEST(PaintOverlayTest, DrawsADashedOutlineShiftedToTheImagePlace) {
  QImage surface(100, 100, QImage::Format_RGB32);
  surface.fill(Qt::white);
  {
    QPainter painter(&surface);
    PaintOverlay(painter, forms::Overlay{true, 60, 50, 10, 20, forms::kRed}, 5, 5);
    PaintOverlay(painter, forms::Overlay{false, 0, 0, 99, 99, forms::kBlack}, 0, 0);
  }
  EXPECT_EQ(surface.pixelColor(15, 25), kRed);
  EXPECT_EQ(surface.pixelColor(40, 40), kWhite) << "no fill";
  int red = 0, white = 0;
  for (int x = 15; x < 65; ++x) (surface.pixelColor(x, 25) == kRed ? red : white)++;
  EXPECT_GT(red, 0);
  EXPECT_GT(white, 0) << "dashed";
  EXPECT_EQ(surface.pixelColor(0, 0), kWhite) << "an invisible band draws nothing";
}

// The layout measures text without fonts; with the fonts themselves every line of every size
// still ends inside the margin, and the renderer makes a PDF of the pages.
TEST(RangeCardPdf, TextFitsInsideTheMarginWithRealFontsAndRendersAsPdf) {
  RangeCardContent k;
  k.title = "WWWWWWWWWWWWWW Mimořádně dlouhý název náboje, který se nevejde na stránku A4";
  k.date = "30. 12. 2027";
  k.parameters = {"BC proměnný (G1) · v0 1200 m/s · nástřel 1000 m WWWWWWWWWWWWWWWWWWWWWWWWWW",
                  "Výška mířidel 140 mm · 1 klik = 1/4 MOA", "15,0 °C · 1013,3 hPa · vlhkost 100 %",
                  "Funkce odporu:    G1", "Teplota vzduchu [C]:   15"};
  k.notes = {"Vítr: oprava na 1 m/s příčného větru, točit proti větru; MMMMMM WWWWWW MMMMMM WW."};
  k.columns = {{"X", "[m]"},       {"Výška", "[klik]"}, {"Výška", "[mrad]"},
               {"Vítr", "[klik]"}, {"T", "[ms]"},       {"E", "[J]"}};
  k.rows = {{"1500", "-1234,5", "-22,22", "123,4", "12345", "123456"}};
  for (CardSize size : {CardSize::A4, CardSize::A6, CardSize::Card}) {
    const forms::Document d = LayoutRangeCard(k, size);
    const double marginMm = size == CardSize::A4 ? 12 : size == CardSize::A6 ? 6 : 4;
    const double right = std::lround((d.pageWidthMm - marginMm) * d.dotsPerInch / 25.4);
    double previousEnd = 0;
    int previousY = -1;
    for (const forms::DrawOp& op : d.pages[0].Ops()) {
      if (op.kind != forms::OpKind::Text) continue;
      QFont font(QString::fromStdString(op.font.name));
      font.setPixelSize(static_cast<int>(std::lround(op.font.sizePt * d.dotsPerInch / 72.0)));
      font.setBold(op.font.bold);
      font.setHintingPreference(QFont::PreferNoHinting);  // a PDF keeps the design widths
      const double width = QFontMetricsF(font).horizontalAdvance(QString::fromStdString(op.text));
      EXPECT_LE(op.x1 + width, right) << static_cast<int>(size) << ": " << op.text;
      // The date beside the title and the header's two columns do not touch.
      if (op.y1 == previousY || op.text == k.date) {
        EXPECT_LT(previousEnd, op.x1) << op.text;
      }
      previousEnd = op.x1 + width;
      previousY = op.y1;
    }
    const auto pdf = RenderPdf(d);
    ASSERT_TRUE(pdf);
    EXPECT_TRUE(pdf->starts_with("%PDF-"));
  }
}

}  // namespace
