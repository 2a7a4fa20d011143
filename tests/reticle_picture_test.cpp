// Pixels of the seven reticle pictures as the renderer paints them.
#include <gtest/gtest.h>

#include <QImage>

#include "qt/CanvasRenderer.h"
#include "ui/Mildot1.h"

namespace {

const QColor kWhite(255, 255, 255), kBlack(0, 0, 0), kRed(255, 0, 0);

struct PictureCase {
  std::string name;
  int reticle;
  QPoint post;   // inside a post near its corner, or on a long tick without posts
  QPoint mark;   // a dot or tick
  QPoint label;  // where the hold label of the first mark below the centre starts
};

void PrintTo(const PictureCase& c, std::ostream* os) {
  *os << c.name;
}

// Hold distances 50 m above the centre mark and 50 m more for every mark below it; wind
// marks of 2 m/s each; the aiming cross two marks below the centre without wind.
TReticleScene Scene(int reticle, bool withTables) {
  const TReticle& r = kReticles[reticle];
  TReticleScene s;
  s.reticle = reticle;
  s.title = "308 Sierra MatchKing 168gr.";
  s.standardMagText = s.actualMagText = "24";
  s.shootingDistanceText = "200";
  s.shootingDistanceM = 200;
  if (withTables) {
    for (int p = r.centre - 1; p <= r.count; ++p) s.hold[p] = 100 + 50 * (p - r.centre);
    for (int w = 1; w <= r.windDivisions; ++w) s.wind[w] = 2 * w;
  }
  return s;
}

int InkIn(const QImage& image, QRect box) {
  int ink = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) ink += image.pixelColor(x, y) != kWhite;
  return ink;
}

class ReticlePixels : public testing::TestWithParam<PictureCase> {};

TEST_P(ReticlePixels, CentrePostMarkLabelAndAimingCross) {
  const PictureCase& c = GetParam();
  forms::Canvas canvas;
  DrawReticleScene(canvas, Scene(c.reticle, true));
  const QImage image = RenderCanvas(canvas);
  ASSERT_EQ(image.size(), QSize(360, 385));
  EXPECT_EQ(image.pixelColor(2, 2), kWhite) << "outside the field of view";
  EXPECT_EQ(image.pixelColor(8, 180), kBlack) << "the field of view's edge";
  EXPECT_EQ(image.pixelColor(180, 180), kBlack) << "the centre";
  EXPECT_EQ(image.pixelColor(c.post), kBlack);
  EXPECT_EQ(image.pixelColor(c.mark), kBlack);

  forms::Canvas bare;
  DrawReticleScene(bare, Scene(c.reticle, false));
  const QImage without = RenderCanvas(bare);
  const QRect labelBox(c.label, QSize(18, 10));
  EXPECT_GT(InkIn(image, labelBox), InkIn(without, labelBox) + 4) << "the label";

  // The cross two marks below the centre, on the vertical line.
  const TReticleScale scale = ReticleScale(c.reticle);
  const int y = scale.offset + (kReticles[c.reticle].centre + 2) * scale.pixelsPerDivision;
  EXPECT_EQ(image.pixelColor(188, y), kRed);
  EXPECT_EQ(image.pixelColor(180, y - 10), kRed);
  EXPECT_NE(without.pixelColor(180, y - 10), kRed) << "a message instead without tables";
}

INSTANTIATE_TEST_SUITE_P(
    SevenReticles, ReticlePixels,
    testing::Values(PictureCase{"MilDot", 0, {176, 40}, {184, 68}, {192, 199}},
                    PictureCase{"Sightron", 1, {168, 105}, {185, 120}, {190, 190}},
                    PictureCase{"LeupoldTmr", 2, {176, 320}, {182, 82}, {188, 188}},
                    PictureCase{"VortexMoa", 3, {341, 176}, {182, 140}, {186, 185}},
                    PictureCase{"VortexMrad", 4, {29, 184}, {184, 36}, {162, 184}},
                    PictureCase{"Nightforce", 5, {184, 331}, {182, 117}, {190, 186}},
                    PictureCase{"Meopta", 6, {320, 176}, {182, 54}, {188, 188}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
