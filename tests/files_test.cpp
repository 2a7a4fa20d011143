// The readers and writers of saved computations, parameter headers and list files.
#include <gtest/gtest.h>

#include <cmath>

#include "core/TextFile.h"
#include "engine/Computation.h"
#include "engine/Integration.h"
#include "files/ListFile.h"
#include "files/ParameterFile.h"
#include "files/SavedComputation.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (true) {
    const size_t lf = text.find('\n', pos);
    out.push_back(text.substr(pos, lf == std::string::npos ? std::string::npos : lf - pos));
    if (lf == std::string::npos) return out;
    pos = lf + 1;
  }
}

TShotInputs SampleInputs() {
  TShotInputs in;
  in.massKg = 0.01089;
  in.diameterM = 0.00785;
  in.muzzleVelocity = 800;
  in.ballisticCoefficient = 0.405;
  in.formFactor = 0.6206;
  in.sightHeightM = 0.04;
  in.launchAngleDeg = 0.072534;
  in.zeroDistanceM = 110;
  in.temperatureK = 288.15;
  in.pressurePa = 97790;
  in.humidityPct = 35;
  in.crossWind = 2.5;
  in.rangeWind = -1.5;
  in.verticalWind = 0.5;
  in.gravity = 9.81;
  in.stepS = 0.0005;
  in.bcBands = {TBcBand{0.462, 793, true}, TBcBand{0.447, 793, true}, TBcBand{0.424, 640, true},
                TBcBand{0.405, 488, true}, TBcBand{0.39, 300, true}};
  return in;
}

// A straight-line "trajectory": 2 m per point, falling 1 cm per point, drifting right.
TTrajectory LineTrajectory(int n, double stepM = 2) {
  TTrajectory tr;
  tr.stepCount = n;
  for (int p = 0; p <= n; ++p) {
    tr.timeS[p] = p * 0.0025;
    tr.xM[p] = p * stepM;
    tr.yCm[p] = -4 + 0.5 * p - 0.004 * p * p;
    tr.zCm[p] = 0.01 * p;
    tr.vxMps[p] = 800 - p;
    tr.vyMps[p] = 1;
    tr.vzMps[p] = 0.1;
    tr.pathAngleDeg[p] = 0.05 - 0.001 * p;
    tr.energyDensityJcm2[p] = 7000 - p;
  }
  return tr;
}

struct HeaderCase {
  std::string name;
  HeaderLayout layout;
  int coefficientMode;
  int dragItem;
  int clickItem;
  std::array<bool, 3> bands;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
  *os << c.name;
}

class HeaderRoundTrip : public ::testing::TestWithParam<HeaderCase> {};

// Every layout, coefficient mode, drag function and click item reads back into the values
// the header was written from (the text and English layouts exactly to their decimals).
TEST_P(HeaderRoundTrip, ReadsBackWhatWasWritten) {
  const HeaderCase& c = GetParam();
  TShotInputs in = SampleInputs();
  in.clickDeg = c.clickItem == 7 ? std::atan(12.5 * 0.001 * 0.01) * 57.295779 : 0.25 / 60;
  HeaderWindowState w;
  w.cartridgeName = "7x64 RWS KS 10,5g: lovecký";
  w.dragItem = c.dragItem;
  // Headers written on Windows name the file with a drive letter.
  w.drgPath =
      c.layout == HeaderLayout::EnglishCsv ? "/data/funkce/Lapua.drg" : "C:\\Střelba\\Lapua.drg";
  w.coefficientMode = c.coefficientMode;
  w.bandOn = c.bands;
  w.clickItem = c.clickItem;
  w.ownClickText = c.clickItem == 7 ? "12,5" : "0,25";
  const std::string header = WriteParameterHeader(in, w, c.layout);
  const ParameterRecord r = ReadParameterFile(Cp1250FromUtf8(header));
  ASSERT_FALSE(r.formatError);
  EXPECT_EQ(r.cartridgeName, w.cartridgeName);
  EXPECT_EQ(r.dragItem, c.dragItem);
  if (c.dragItem == 0) {
    EXPECT_EQ(r.dragText, w.drgPath);
  }
  if (c.coefficientMode == 2) {
    EXPECT_EQ(r.coefficientKind, 'P');
    const int expectedBands =
        2 + c.bands[0] + (c.bands[0] && c.bands[1]) + (c.bands[0] && c.bands[1] && c.bands[2]);
    EXPECT_EQ(r.bandCount, expectedBands);
    for (int i = 0; i < r.bandCount; ++i) {
      EXPECT_DOUBLE_EQ(r.bandSpeed[i], in.bcBands[i].speedMps) << i;
      EXPECT_DOUBLE_EQ(r.bandCoefficient[i], in.bcBands[i].coefficient) << i;
    }
  } else {
    EXPECT_EQ(r.coefficientKind, 'B');
    EXPECT_DOUBLE_EQ(r.coefficient, 0.405);
    EXPECT_DOUBLE_EQ(r.formFactor, 0.6206);
  }
  // Every layout reads back what it wrote, the decimal commas of the Czech one included.
  auto expect = [&](double read, double written) { EXPECT_DOUBLE_EQ(read, written); };
  expect(r.massG, 10.89);
  expect(r.diameterMm, 7.85);
  expect(r.muzzleVelocity, 800);
  expect(r.sightHeightMm, 40);
  expect(r.launchAngleDeg, 0.072534);
  expect(r.zeroDistanceM, 110);
  EXPECT_EQ(r.clickItem, c.clickItem);
  if (c.clickItem == 7) expect(r.clickValue, 12.5);
  if (c.clickItem == 8) expect(r.clickValue, 0.25);
  expect(r.temperatureC, 15);
  expect(r.pressureHpa, 977.9);
  expect(r.humidityPct, 35);
  expect(r.crossWind, 2.5);
  expect(r.rangeWind, -1.5);
  expect(r.verticalWind, 0.5);
  expect(r.gravity, 9.81);
}

std::vector<HeaderCase> HeaderCases() {
  std::vector<HeaderCase> cases;
  const std::pair<const char*, HeaderLayout> layouts[] = {{"Text", HeaderLayout::Text},
                                                          {"Czech", HeaderLayout::CzechCsv},
                                                          {"English", HeaderLayout::EnglishCsv}};
  for (const auto& [name, layout] : layouts) {
    std::string n = name;
    cases.push_back({n + "_G1_quarterMoa", layout, 1, 1, 2, {}});
    cases.push_back({n + "_G7_tenMm", layout, 1, 5, 4, {}});
    cases.push_back({n + "_1943_sevenMm", layout, 1, 11, 5, {}});
    cases.push_back({n + "_RA4_eighthMoa", layout, 1, 10, 3, {}});
    cases.push_back({n + "_Drg_ownMm", layout, 0, 0, 7, {}});
    cases.push_back({n + "_GL_ownMoa", layout, 1, 7, 8, {}});
    cases.push_back({n + "_Bands2_halfMoa", layout, 2, 1, 0, {false, false, false}});
    cases.push_back({n + "_Bands4_thirdMoa", layout, 2, 8, 1, {true, true, false}});
    cases.push_back({n + "_Bands5_fiveMm", layout, 2, 9, 6, {true, true, true}});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Layouts, HeaderRoundTrip, ::testing::ValuesIn(HeaderCases()),
                         [](const auto& info) { return info.param.name; });

TEST(ParameterReader, ClickLinesOfOtherWritersAndDamagedFiles) {
  const std::string head =
      "\n *** x ***\n Náboj: a\n Funkce odporu: G2 \n BC: 0.3 \n K: 0.5 "
      "\n H: 9\n P: 7\n R: 800\n V: 40\n U: 0.1\n Z: 100";
  auto click = [&](const std::string& line) {
    return ReadParameterFile(Cp1250FromUtf8(head + "\n Klik puškohledu:" + line + "\n T: 15"));
  };
  EXPECT_EQ(click("               10 mm/100m").clickItem, 4);
  EXPECT_EQ(click("               1/8 MOA").clickItem, 3);
  const auto moa = click("               0.250 MOA");
  EXPECT_EQ(moa.clickItem, 8);
  EXPECT_DOUBLE_EQ(moa.clickValue, 0.25);
  const auto mm = click("              12.500 mm/100m");
  EXPECT_EQ(mm.clickItem, 7);
  EXPECT_DOUBLE_EQ(mm.clickValue, 12.5);
  // No unit: the value is taken, the item stays; a 300-character line is read in pieces.
  EXPECT_EQ(click("   3.5").clickItem, -1);
  const auto longLine = click(std::string(300, ' ') + "1/2 MOA");
  EXPECT_EQ(longLine.dragItem, 2);
  EXPECT_DOUBLE_EQ(longLine.temperatureC, 15);

  // No colon within the first 250 characters.
  EXPECT_TRUE(ReadParameterFile(std::string(250, 'x') + ":").formatError);
  EXPECT_FALSE(ReadParameterFile(std::string(249, 'x') + ":").formatError);
  // A line 6 of 1000 characters keeps 399 of them; every cut of a header reads safely.
  const auto wide = ReadParameterFile("a: b\n c: /" + std::string(1000, 'd') + "\n");
  EXPECT_EQ(wide.dragItem, 0);
  EXPECT_EQ(wide.dragText.size(), 399u);
  const std::string full =
      Cp1250FromUtf8(WriteParameterHeader(SampleInputs(), HeaderWindowState{}, HeaderLayout::Text));
  for (size_t cut = 0; cut <= full.size(); cut += 7) ReadParameterFile(full.substr(0, cut));
  // A zero byte is a character like any other, not the end of a search.
  EXPECT_EQ(ReadParameterFile(std::string("a: b\n", 5) + '\0' + " c: G7 ").dragItem, kDragG7);
}

TEST(ParameterReader, AltitudeOfStandardPressure) {
  EXPECT_EQ(AltitudeFromPressure(288.15, 101325), 0);
  EXPECT_EQ(AltitudeFromPressure(288.15, 97790), 300);
}

TEST(SavedComputation, NormalTableRowsAndFormats) {
  TShotInputs in = SampleInputs();
  in.tableStepM = 25;
  in.clickDeg = 0.25 / 60;
  const TTrajectory tr = LineTrajectory(80);  // up to 160 m
  SaveOptions o;
  const auto lines = Lines(WriteSavedComputation(tr, in, {}, {}, {}, o));
  // Header, a blank line, two empty lines, the column header and the underline.
  const size_t top =
      std::find(lines.begin(), lines.end(), "  X [m]     Y [Klik]      T [ms]   Vítr [klik]") -
      lines.begin();
  ASSERT_LT(top, lines.size());
  EXPECT_EQ(lines[top + 1], " --------------" + std::string(33, '-'));
  std::vector<int> xs;
  for (size_t i = top + 2; i < lines.size(); ++i) xs.push_back(std::stoi(lines[i]));
  // The zero row between 100 and 125 m, and the end row at the last point.
  EXPECT_EQ(xs, (std::vector<int>{0, 25, 50, 75, 100, 110, 125, 150, 160}));
  EXPECT_EQ(lines[top + 2], "    0         0.0         0          0.0");
  // The last row ends the file without a line break; the all-data file has one per point.
  EXPECT_NE(lines.back(), "");
  o.format = 3;
  const auto all = Lines(WriteSavedComputation(LineTrajectory(250), in, {}, {}, {}, o));
  EXPECT_EQ(all.back(), "");
  const auto header =
      std::find(all.begin(), all.end(),
                "    T[s];     X[m];    Y[m];      Z[m];  Vx[m/s];   Vy[m/s];  Vz[m/s]");
  EXPECT_EQ(all.end() - header - 2, 251);
}

TEST(SavedComputation, InclineBySlantDistance) {
  TShotInputs in = SampleInputs();
  in.tableStepM = 25;
  in.clickDeg = 0.25 / 60;
  const TTrajectory tr = LineTrajectory(140);  // up to 280 m horizontally
  SavedTableState table;
  table.slantEntry = true;
  // Slant 300 m at 30 degrees.
  const InclineState incline{150, 300 * std::cos(M_PI / 6)};
  SaveOptions o;
  o.columns[0] = true;
  const auto lines = Lines(WriteSavedComputation(tr, in, {}, table, incline, o));
  const auto title = std::find(lines.begin(), lines.end(), " Střelba do / z kopce  ");
  ASSERT_NE(title, lines.end());
  EXPECT_EQ(title[2], " Š.V.[m]     Y [cm]     Y [Klik]      T [ms]   Vítr [klik]");
  std::vector<int> slant;
  for (auto it = title + 4; it != lines.end(); ++it) slant.push_back(std::stoi(*it));
  // Whole slant steps up to the last point (280 m horizontally is 323 m slant).
  std::vector<int> expected;
  for (int s = 0; s <= 300; s += 25) expected.push_back(s);
  expected.push_back(323);
  EXPECT_EQ(slant, expected);
  EXPECT_DOUBLE_EQ(in.tableStepM, 25);
}

// A range of distances picks rows from the same walk: the zero row where it falls inside, the
// end row where it prints as at most the last distance, and the file's values at each row.
TEST(SavedComputation, RowsOfARangeOfDistances) {
  TShotInputs in = SampleInputs();
  in.tableStepM = 25;
  in.clickDeg = 0.25 / 60;
  const TTrajectory tr = LineTrajectory(80);  // up to 160 m, zero at 110 m
  const auto whole = RangeTableValues(tr, in, {}, false);
  const struct {
    TableRange range;
    std::vector<double> distances;
  } cases[] = {
      {{}, {0, 25, 50, 75, 100, 110, 125, 150, 160}},
      {{100, 50, 400}, {100, 110, 150, 160}},
      {{30, 20, 90}, {30, 50, 70, 90}},
      {{120, 10, 140}, {120, 130, 140}},
      {{0, 25, 159.6}, {0, 25, 50, 75, 100, 110, 125, 150, 160}},
      {{0, 25, 159}, {0, 25, 50, 75, 100, 110, 125, 150}},
  };
  for (const auto& c : cases) {
    const auto rows = RangeTableValues(tr, in, {}, false, c.range);
    std::vector<double> distances;
    for (const auto& row : rows) {
      distances.push_back(row[kColDistance]);
      for (const auto& w : whole) {
        if (w[kColDistance] == row[kColDistance]) {
          EXPECT_EQ(w, row) << row[kColDistance];
        }
      }
    }
    EXPECT_EQ(distances, c.distances) << c.range.fromM << " " << c.range.toM;
  }
}

TEST(ListFile, RoundTripAndDamagedFiles) {
  const std::vector<ListRow> rows = {
      {"7,82", "0,462", "G1", "10,89", "808", "61", " Sierra MatchKing 168gr"},
      {"7,82", "0,447", "prom.", "10,89", "793", "61", " Proměnný balistický koeficient"},
      {"", " 0,5 ", "G 7", "", "", "", "note: with \"quotes\" & 100%"}};
  const ListFileRecord back = ReadListFile(Cp1250FromUtf8(WriteListFile(rows)));
  ASSERT_FALSE(back.notAList);
  ASSERT_EQ(back.rows.size(), 3u);
  EXPECT_EQ(back.rows[0], rows[0]);
  EXPECT_EQ(back.rows[1], rows[1]);
  EXPECT_EQ(back.rows[2], (ListRow{"0", "0,5", "G 7", "0", "0", "0", rows[2][6]}));

  EXPECT_TRUE(ReadListFile(std::string(51, ' ') + "*$\n 1 2 3 4 5 6 x").notAList);
  EXPECT_FALSE(ReadListFile(std::string(50, ' ') + "*$\n 1 2 3 4 5 6 x").notAList);
  EXPECT_TRUE(ReadListFile("*** no list ***\n").notAList);
  EXPECT_TRUE(ReadListFile("*" + std::string(1001, ' ') + "$").notAList);
  // A long note is cut at 199 characters, a short last row loads what it holds.
  const auto cut = ReadListFile("*$\n 1 2 G1 4 5 6 " + std::string(300, 'n') + "\n 7,5 0,3");
  ASSERT_EQ(cut.rows.size(), 2u);
  EXPECT_EQ(cut.rows[0][6].size(), 199u);
  EXPECT_EQ(cut.rows[1], (ListRow{"7,5", "0,3", "", "", "", "", ""}));
}

// A header and a list as other editors save them: any line end, UTF-8 or Windows-1250,
// bytes that Windows-1250 leaves undefined; also cut short after the first line end.
TEST(TextDecoding, HeadersAndListsInAnyEncodingAndLineEnd) {
  HeaderWindowState w;
  w.cartridgeName = "Žluťoučký náboj";
  const std::string header = WriteParameterHeader(SampleInputs(), w, HeaderLayout::Text);
  const std::vector<ListRow> rows = {{"7,82", "0,462", "G1", "10,89", "808", "61", "Střela"},
                                     {"5,7", "0,2", "G7", "3,6", "900", "50", "Žluté"}};
  const std::string list = WriteListFile(rows);
  auto ends = [](std::string text, const std::string& end) {
    std::string out;
    for (char c : text) out += c == '\n' ? end : std::string(1, c);
    return out;
  };
  auto undefine = [](std::string bytes) {  // 'ž' (0x9E) becomes the undefined 0x81
    for (char& c : bytes) {
      if (c == '\x9E') c = '\x81';
    }
    return bytes;
  };
  struct Case {
    const char* name;
    std::string headerBytes, listBytes;
    bool undefined = false;
  };
  const Case cases[] = {
      {"cp1250 CR LF", ends(Cp1250FromUtf8(header), "\r\n"), ends(Cp1250FromUtf8(list), "\r\n")},
      {"bare LF", Cp1250FromUtf8(header), Cp1250FromUtf8(list)},
      {"bare CR", ends(Cp1250FromUtf8(header), "\r"), ends(Cp1250FromUtf8(list), "\r")},
      {"UTF-8 CR LF", ends(header, "\r\n"), ends(list, "\r\n")},
      {"UTF-8 BOM bare CR", "\xEF\xBB\xBF" + ends(header, "\r"), "\xEF\xBB\xBF" + ends(list, "\r")},
      {"undefined bytes", undefine(Cp1250FromUtf8(header)), undefine(Cp1250FromUtf8(list)), true},
  };
  auto question = [](std::string text) {
    for (size_t p; (p = text.find("ž")) != std::string::npos;) text.replace(p, 2, "?");
    return text;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ParameterRecord r = ReadParameterFile(c.headerBytes);
    ASSERT_FALSE(r.formatError);
    EXPECT_EQ(r.cartridgeName, c.undefined ? question(w.cartridgeName) : w.cartridgeName);
    EXPECT_EQ(r.dragItem, kDragG1);
    EXPECT_DOUBLE_EQ(r.massG, 10.89);
    EXPECT_EQ(r.clickItem, 2);
    EXPECT_DOUBLE_EQ(r.gravity, 9.81);
    const ListFileRecord l = ReadListFile(c.listBytes);
    ASSERT_FALSE(l.notAList);
    ASSERT_EQ(l.rows.size(), 2u);
    EXPECT_EQ(l.rows[0], rows[0]);
    EXPECT_EQ(l.rows[1][6], c.undefined ? question(rows[1][6]) : rows[1][6]);
    // Cut after the first line end of the data: whatever stands there loads, nothing more.
    const size_t dollar = c.listBytes.find('$');
    const size_t cut = c.listBytes.find_first_of("\r\n", dollar + 3);
    EXPECT_EQ(ReadListFile(c.listBytes.substr(0, cut + 1)).rows, std::vector<ListRow>{rows[0]});
    for (size_t n = 0; n <= c.headerBytes.size(); n += 5)
      ReadParameterFile(c.headerBytes.substr(0, n));
  }
}

}  // namespace
