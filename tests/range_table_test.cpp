#include <gtest/gtest.h>

#include "engine/RangeTable.h"
#include "engine_support.h"

namespace {

// A straight flight 10 m a step, 10 cm under the sight line, slowing by 2 m/s a step.
struct Flight {
  TTrajectory tr;
  TShotInputs in = enginetest::StartInputs();
  explicit Flight(int steps, double lastX = -1) {
    tr.stepCount = steps;
    for (int k = 0; k <= steps; ++k) {
      tr.xM[k] = 10.0 * k;
      tr.yCm[k] = k == 0 ? -4 : -10;
      tr.vxMps[k] = 800 - 2 * k;
      tr.timeS[k] = 0.0125 * k;
    }
    if (lastX >= 0) tr.xM[steps] = lastX;
  }
  std::vector<std::string> Rows() { return RangeTableRows(tr, in); }
};

std::vector<int> Distances(const std::vector<std::string>& rows) {
  std::vector<int> out;
  for (const auto& r : rows) out.push_back(std::stoi(r.substr(0, 4)));
  return out;
}

TEST(RangeTableTest, RowsHaveTheirExactColumns) {
  Flight f(30);
  const auto rows = f.Rows();
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(
      rows[0],
      "   0          -4.0         0.0         800         3485         0             0.0     0.0");
  // 25 m: between 20 and 30 m, 795 m/s, -10 cm is 55 clicks of 1/4 MOA, time of the 30 m point.
  EXPECT_EQ(
      rows[1],
      "  25       -10.0        55.0         795         3441        38             0.0     0.0");
}

TEST(RangeTableTest, RowEveryStepAndNoEndRowWhenTheLastPointClosesARow) {
  Flight f(30);  // ends exactly at 300 m
  EXPECT_EQ(Distances(f.Rows()),
            (std::vector<int>{0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}));
}

TEST(RangeTableTest, ZeroRowStandsBetweenTheTableRowsAroundIt) {
  Flight f(20);
  f.in.zeroDistanceM = 110;
  EXPECT_EQ(Distances(f.Rows()), (std::vector<int>{0, 25, 50, 75, 100, 110, 125, 150, 175, 200}));
}

TEST(RangeTableTest, EndRowShowsTheLastPointUnlessARowIsThere) {
  Flight f(32, 317);
  EXPECT_EQ(Distances(f.Rows()).back(), 317);
  Flight g(32, 301);  // one metre past the last table row
  EXPECT_EQ(Distances(g.Rows()).back(), 300);
  Flight h(12, 101);  // one metre past the zero distance
  EXPECT_EQ(Distances(h.Rows()), (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST(RangeTableTest, HeightNearTheSightLineShowsZeroAndNoClicks) {
  Flight f(10);
  for (int k = 1; k <= 10; ++k) f.tr.yCm[k] = 0.04;
  const auto rows = f.Rows();
  EXPECT_NE(rows[1].find("       0.0         0.0"), std::string::npos) << rows[1];
}

TEST(RangeTableTest, DriftToTheRightNeedsClicksToTheLeft) {
  Flight f(10);
  for (int k = 0; k <= 10; ++k) f.tr.zCm[k] = 2.0 * k;
  const auto rows = f.Rows();
  const double clicks = std::stod(rows[4].substr(rows[4].size() - 7));
  EXPECT_NEAR(clicks, -(std::atan(0.01 * 20 / 100) * 180 / M_PI) * 240, 0.05);
}

TEST(RangeTableTest, ShotStraightUpPrintsTheMuzzleRowAndSaysWhy) {
  Flight f(50);
  f.in.launchAngleDeg = 90;
  for (int k = 0; k <= 50; ++k) f.tr.xM[k] = 1e-12 * k;  // cos(90 deg) is not quite 0
  const auto rows = f.Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], "  Střela letí svisle vzhůru, tabulka nemá další řádky.");
  // A run that stops within half a metre for another reason says so too.
  Flight g(1, 0.3);
  const auto short_ = g.Rows();
  ASSERT_EQ(short_.size(), 2u);
  EXPECT_EQ(short_[1], "  Dráha střely je kratší než 0.5 m, tabulka nemá další řádky.");
}

TEST(ReportTest, CoefficientLineNamesTheFunctionOrTheFile) {
  TShotInputs in = enginetest::StartInputs();
  EXPECT_EQ(CoefficientLine(in, kDragG1, ""),
            "  Balistický koeficient (G1):          0.462  lb/in2");
  EXPECT_EQ(CoefficientLine(in, kDragRA4, ""),
            "  Balistický koeficient (RA4):         0.462  lb/in2");
  EXPECT_EQ(CoefficientLine(in, kDrag1943, ""),
            "  Balistický koeficient (1943):        0.462  lb/in2");
  EXPECT_EQ(CoefficientLine(in, kDragLoaded, "sierra.drg"), "  Funkce odporu: sierra.drg");
  in.coefficientMode = 2;
  EXPECT_EQ(CoefficientLine(in, kDragLoaded, "sierra.drg"), "  Balistický koeficient proměnný");
  EXPECT_EQ(StepCountLine(163), "  Počet kroků výpočtu:                163  ");
  EXPECT_EQ(RangeTableRule(), std::string(120, '-'));
}

}  // namespace
