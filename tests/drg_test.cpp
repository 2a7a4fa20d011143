#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/TextFile.h"
#include "drg_support.h"
#include "engine/DragFunctions.h"
#include "engine/DrgFile.h"
#include "engine_support.h"

namespace {

using drgtest::Pair;
using drgtest::PlainDrg;
using drgtest::ScrambledDrg;

const std::vector<Pair> kSample = {{0.2629, 0.0}, {0.2558, 0.05}, {0.2344, 0.2}, {0.2032, 0.5},
                                   {0.2165, 0.7}, {0.4805, 1.0},  {0.6625, 1.4}, {0.5934, 2.0},
                                   {0.5133, 3.0}, {0.5006, 4.0},  {0.4988, 5.0}};

TDragGrid GridOf(const DrgContents& drg) {
  TDragGrid g;
  g.cd.fill(-1);
  ResampleToGrid(g, drg.speeds, drg.coefficients, static_cast<int>(drg.speeds.size()));
  return g;
}

class DrgTest : public enginetest::FloatingPointTraps {};

TEST_F(DrgTest, PlainFileGivesHeaderAndPointsInMetresPerSecond) {
  const DrgContents drg = ParseDrg(PlainDrg(kSample));
  ASSERT_EQ(drg.status, DrgStatus::Ok);
  EXPECT_FALSE(drg.scrambled);
  EXPECT_EQ(drg.name, "Střela 168gr");
  EXPECT_DOUBLE_EQ(drg.massKg, 0.01089);
  EXPECT_DOUBLE_EQ(drg.diameterM, 0.00782);
  EXPECT_EQ(drg.pairCount, 12);
  ASSERT_EQ(drg.speeds.size(), kSample.size());
  for (size_t i = 0; i + 1 < kSample.size(); ++i) {
    EXPECT_DOUBLE_EQ(drg.speeds[i], kSample[i].mach * 340.29) << i;
    EXPECT_DOUBLE_EQ(drg.coefficients[i], kSample[i].cd) << i;
  }
  EXPECT_EQ(drg.speeds.back(), 1700);  // Mach 5 lies above 1700 m/s
  const TDragGrid g = GridOf(drg);
  EXPECT_DOUBLE_EQ(g.cd[0], 0.2629);
  EXPECT_DOUBLE_EQ(g.cd[1700], 0.4988);
}

TEST_F(DrgTest, ScrambledFileReadsBackToItsPlainTwin) {
  const DrgContents plain = ParseDrg(PlainDrg(kSample));
  const DrgContents scrambled = ParseDrg(ScrambledDrg(kSample));
  ASSERT_EQ(scrambled.status, DrgStatus::Ok);
  EXPECT_TRUE(scrambled.scrambled);
  EXPECT_EQ(scrambled.name, plain.name);
  ASSERT_EQ(scrambled.speeds.size(), plain.speeds.size());
  for (size_t i = 0; i < plain.speeds.size(); ++i) {
    EXPECT_NEAR(scrambled.speeds[i], plain.speeds[i], 1e-9) << i;
    EXPECT_NEAR(scrambled.coefficients[i], plain.coefficients[i], 1e-12) << i;
  }
  const TDragGrid a = GridOf(plain), b = GridOf(scrambled);
  for (int j = 0; j <= kDragGridMax; ++j) ASSERT_NEAR(a.cd[j], b.cd[j], 1e-11) << j;
}

TEST_F(DrgTest, BareLfAndBareCrLineEndsReadLikeCrLf) {
  const std::string crlf = ScrambledDrg(kSample);
  const DrgContents expected = ParseDrg(crlf);
  for (const std::string eol : {"\n", "\r"}) {
    std::string text;
    for (size_t i = 0; i < crlf.size(); ++i) {
      const bool lineEnd = crlf.compare(i, 2, "\r\n") == 0;
      text += lineEnd ? eol : std::string(1, crlf[i]);
      i += lineEnd;
    }
    const DrgContents drg = ParseDrg(text);
    ASSERT_EQ(drg.status, DrgStatus::Ok);
    EXPECT_TRUE(drg.scrambled);
    EXPECT_EQ(drg.speeds, expected.speeds);
    EXPECT_EQ(drg.coefficients, expected.coefficients);
  }
}

TEST_F(DrgTest, FunctionEndingAtMach4IsExtendedFlat) {
  std::vector<Pair> pairs(kSample.begin(), kSample.end() - 1);  // last point Mach 4
  const DrgContents drg = ParseDrg(PlainDrg(pairs));
  ASSERT_EQ(drg.status, DrgStatus::Ok);
  EXPECT_EQ(drg.speeds.back(), 1700);
  EXPECT_DOUBLE_EQ(drg.coefficients.back(), 0.5006);
  const TDragGrid g = GridOf(drg);
  for (int j = static_cast<int>(4 * 340.29) + 1; j <= 1700; ++j)
    ASSERT_DOUBLE_EQ(g.cd[j], 0.5006) << j;
}

TEST_F(DrgTest, FunctionStartingAtMach05IsExtrapolatedBelow) {
  const std::vector<Pair> pairs = {{0.20, 0.5}, {0.22, 0.7}, {0.48, 1.0}, {0.50, 5.0}};
  const DrgContents drg = ParseDrg(PlainDrg(pairs, false));  // ends with the file
  ASSERT_EQ(drg.status, DrgStatus::Ok);
  const TDragGrid g = GridOf(drg);
  const double v1 = 0.5 * 340.29, v2 = 0.7 * 340.29;
  const double slope = (0.20 - 0.22) / (v1 - v2);
  for (int j : {0, 50, 170}) EXPECT_NEAR(g.cd[j], 0.20 + slope * (j - v1), 1e-12) << j;
  EXPECT_LT(g.cd[0], 0.20);  // the first segment rises with speed, so it falls below
}

TEST_F(DrgTest, ListEndsAtTheFirstCoefficientNotAboveZero) {
  std::string text = PlainDrg({{0.3, 0.0}, {0.31, 1.0}}, false) + "-1 2.0\r\n0.4 3.0\r\n";
  const DrgContents drg = ParseDrg(text);
  ASSERT_EQ(drg.status, DrgStatus::Ok);
  EXPECT_EQ(drg.pairCount, 3);
  EXPECT_EQ(drg.speeds.size(), 3u);  // two points and the 1700 m/s extension
}

TEST_F(DrgTest, TooManyPairsStopAtTheThreeHundredth) {
  std::vector<Pair> pairs;
  for (int i = 0; i < 298; ++i) pairs.push_back({0.3, i * 0.01});
  EXPECT_EQ(ParseDrg(PlainDrg(pairs)).status, DrgStatus::Ok);  // 298 pairs and the end pair
  pairs.push_back({0.3, 2.99});
  const DrgContents drg = ParseDrg(PlainDrg(pairs));
  EXPECT_EQ(drg.status, DrgStatus::TooManyPairs);
  EXPECT_TRUE(drg.headerRead);
  EXPECT_DOUBLE_EQ(drg.massKg, 0.01089);
}

struct BadHeader {
  const char* name;
  std::string text;
};

class DrgHeaderTest : public ::testing::TestWithParam<BadHeader> {};

TEST_P(DrgHeaderTest, IsABadFormat) {
  const DrgContents drg = ParseDrg(GetParam().text);
  EXPECT_EQ(drg.status, DrgStatus::BadFormat);
  EXPECT_FALSE(drg.headerRead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrgHeaderTest,
    ::testing::Values(
        BadHeader{"Empty", ""}, BadHeader{"NoComma", "0.2629 0.0\n0.3 1.0\n"},
        BadHeader{"CommaAfterTwentyCharacters", "ABCDEFGHIJKLMNOPQRSTU, n, 0.01, 0.007\n0.3 0\n"},
        BadHeader{"EndsInsideTheName", "CFM, Sierra"},
        BadHeader{"EndsAfterTheMass", "CFM, Sierra, 0.01089"},
        BadHeader{"NameRunsIntoData", "CFM, Sierra\n0.3 0.0\n0.3 1.0\n"},
        BadHeader{"OverlongName", "CFM, " + std::string(150, 'x') + ", 0.01, 0.007\n0.3 0\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrgTest2, FileWithoutDataPairsIsABadFormat) {
  EXPECT_EQ(ParseDrg("CFM, Sierra, 0.01089, 0.00782\n").status, DrgStatus::BadFormat);
}

}  // namespace
