// The projectile's drag curve and the conversion of a coefficient between drag functions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DragComparison.h"
#include "tests/engine_support.h"

namespace {

using enginetest::FloatingPointTraps;

struct TableSpeed {
  const char* name;
  int id;
  double speed;
  double cd;  // read off the published table by hand
};

class TableCoefficient : public testing::TestWithParam<TableSpeed> {};

TEST_P(TableCoefficient, LiesOnItsSegment) {
  TDragTableStore store;
  EXPECT_NEAR(TableDragCoefficient(store.Table(GetParam().id), GetParam().speed), GetParam().cd,
              1e-12);
}

INSTANTIATE_TEST_SUITE_P(Points, TableCoefficient,
                         testing::Values(TableSpeed{"G1_first_point", kDragG1, 0, 0.2629},
                                         TableSpeed{"G1_at_a_point", kDragG1, 17, 0.2558},
                                         TableSpeed{"G1_last_point", kDragG1, 1700, 0.4988},
                                         TableSpeed{"GC_halfway", kDragGC, 15,
                                                    (0.647 + 0.6481) / 2},
                                         TableSpeed{"RA4_long_first_segment", kDragRA4, 100,
                                                    0.2283 + (0.2296 - 0.2283) * 100 / 246.7},
                                         TableSpeed{"M1943_flat_end", kDrag1943, 1500, 0.2602}),
                         [](const auto& info) { return std::string(info.param.name); });

class DragComparisonTest : public FloatingPointTraps {
 protected:
  TDragTableStore store_;
  TShotInputs in_ = enginetest::StartInputs();
};

TEST_F(DragComparisonTest, AFunctionConvertedToItselfKeepsItsFormFactor) {
  for (double speed : {1.0, 222.0, 800.0, 1700.0}) {
    const double g1 = TableDragCoefficient(store_.Table(kDragG1), speed);
    const TCoefficientConversion c =
        ConvertCoefficient(store_, 1.07 * g1, speed, in_.massKg, in_.diameterM);
    EXPECT_DOUBLE_EQ(c.formFactor[0], 1.07) << speed;
    EXPECT_DOUBLE_EQ(c.ballisticCoefficient[0],
                     in_.massKg * 0.001422341 / (in_.diameterM * in_.diameterM * 1.07));
    // Every converted pair gives the same drag at that speed.
    for (int id = kDragG1; id < kDragFunctionCount; ++id) {
      EXPECT_NEAR(c.formFactor[id - 1] * TableDragCoefficient(store_.Table(id), speed), 1.07 * g1,
                  1e-12)
          << id;
    }
  }
}

TEST_F(DragComparisonTest, LinesKeepTheNumbersInOneColumn) {
  TCoefficientConversion c;
  for (int k = 0; k < kDragFunctionCount - 1; ++k) {
    c.formFactor[k] = 1 + k / 8.0;
    c.ballisticCoefficient[k] = 0.5 - k / 32.0;
  }
  const std::vector<std::string> lines = CoefficientConversionLines(c);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "  ");
  EXPECT_EQ(lines[1], "  Koeficient tvaru (G1):           1.0000  ");
  EXPECT_EQ(lines[10], "  Koeficient tvaru (RA4):          2.1250  ");
  EXPECT_EQ(lines[11], "  Koeficient tvaru (1943):         2.2500  ");
  EXPECT_EQ(lines[12], "  Balistický koeficient (G1)      [lb/in2]:       0.5000  ");
  EXPECT_EQ(lines[21], "  Balistický koeficient (RA4)     [lb/in2]:       0.2188  ");
  EXPECT_EQ(lines[22], "  Balistický koeficient (1943)   [lb/in2]:        0.1875  ");
  EXPECT_EQ(lines[23], "  ");
}

TEST_F(DragComparisonTest, FormFactorOneDrawsTheFunctionItself) {
  TDragGrid grid;
  SelectBuiltInDragFunction(grid, store_, kDragG7);
  in_.formFactor = 1;
  std::array<double, kDragGridMax + 1> cd{};
  ProjectileDragCurve(in_, false, grid, cd);
  for (int v = 0; v <= kDragGridMax; ++v) ASSERT_EQ(cd[v], grid.cd[v]) << v;
}

TEST_F(DragComparisonTest, VariableBandsJumpAtTheSecondBandsSpeed) {
  TDragGrid grid;
  SelectBuiltInDragFunction(grid, store_, kDragG1);
  in_.bcBands = {};
  in_.bcBands[0] = {0.462, 793, true};
  in_.bcBands[1] = {0.447, 793, true};
  in_.bcBands[2] = {0.424, 640, false};  // switched off: never chosen
  std::array<double, kDragGridMax + 1> cd{};
  const TCoefficientPair last = ProjectileDragCurve(in_, true, grid, cd);
  const double below = FormFactorFromCoefficient(in_.massKg, in_.diameterM, 0.447);
  const double above = FormFactorFromCoefficient(in_.massKg, in_.diameterM, 0.462);
  EXPECT_DOUBLE_EQ(cd[500], below * grid.cd[500]);
  EXPECT_DOUBLE_EQ(cd[792], below * grid.cd[792]);
  EXPECT_DOUBLE_EQ(cd[793], above * grid.cd[793]);
  EXPECT_DOUBLE_EQ(last.ballisticCoefficient, 0.462);
  EXPECT_DOUBLE_EQ(last.formFactor, above);
}

}  // namespace
