// The reticle ranging report of the calculation window and the reticle window.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "engine/Integration.h"
#include "tests/ui_test_support.h"
#include "ui/Mildot1.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

constexpr int kMilDotCentre = 6;

// The lines the action added after the compute report's closing line.
std::vector<std::string> ReticleLines(const Tvstup& w) {
  const auto& lines = w.Memo1.Lines();
  size_t i = lines.size();
  while (i > 0 && lines[i - 1] != "  ") --i;
  return {lines.begin() + i, lines.end()};
}

Shown Report(Session& s) {
  return s.Act([&] { s.w().Button19.Click(); });
}

// The angle in mils under which the zeroed trajectory, run on past its zero, is seen below
// the line of sight at a distance.
double MilsBelowSightAt(const Computation& zeroed, double xM) {
  auto c = std::make_unique<Computation>(zeroed);
  c->in.limitXM = xM + 20;
  c->in.limitYM = 1000000;
  IntegrateTrajectory(*c, TIntegrationMode::Full);
  const TTrajectory& tr = c->trajectory;
  int j = 1;
  while (tr.xM[j] < xM) ++j;
  const double t = (xM - tr.xM[j - 1]) / (tr.xM[j] - tr.xM[j - 1]);
  const double yCm = tr.yCm[j - 1] + t * (tr.yCm[j] - tr.yCm[j - 1]);
  return -std::atan(0.01 * yCm / xM) * 1000;
}

TEST(ReticleReport, MilDotDefaultsListFiveToMinusFiveAndEachMarkHoldsItsMils) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(w.ComboBox7.Text(), "MilDot (1Mil)");
  EXPECT_FALSE(w.Button20.Enabled());
  w.CheckBox4.Click();  // the user's X limit is remembered and given back
  ASSERT_EQ(Report(s), Shown{});

  const std::vector<std::string> lines = ReticleLines(w);
  ASSERT_EQ(lines.size(), 1u + 11 + 2 + 5);
  EXPECT_EQ(lines[0], "  Záměrné vzdálenosti při použití MilDotu:");
  const auto& hold = w.computation().holdDistanceM;
  for (int p = 1; p <= 11; ++p) {
    const int k = kMilDotCentre - p;
    std::string expected = Sprintf("  Dílek %6d:    %6.0f  m", k, hold[p]);
    if (k == 0) expected = Sprintf("  Dílek      0:    %6.0f  m", hold[p]);
    if (k != 0 && hold[p] == 0)
      expected = Sprintf("  Dílek %6d:       Střela neprotne záměrnou", k);
    EXPECT_EQ(lines[p], expected);
  }
  EXPECT_NEAR(hold[kMilDotCentre], 100, 1) << "the far zero";
  EXPECT_EQ(lines[12], "");
  EXPECT_EQ(lines[13], "  Velikost příčného větru pro zadanou vzdálenost střelby:  300 m");
  const auto& wind = w.computation().windMarkValue;
  ASSERT_GT(wind[1], 0);
  for (int k = 2; k <= 5; ++k) EXPECT_NEAR(wind[k], k * wind[1], 0.6) << k;

  // The zeroed trajectory is back, and at the hold distance of each mark below the centre
  // it is seen that many mils under the line of sight.
  const TTrajectory& tr = w.computation().trajectory;
  EXPECT_NEAR(tr.xM[tr.stepCount], 100, 2);
  for (int p = kMilDotCentre + 1; p <= 11; ++p) {
    EXPECT_NEAR(MilsBelowSightAt(w.computation(), hold[p]), p - kMilDotCentre, 0.02) << p;
  }

  EXPECT_TRUE(w.Button20.Enabled());
  EXPECT_TRUE(s.platform().Shown().empty());
  EXPECT_TRUE(w.CheckBox1.Checked());
  EXPECT_TRUE(w.CheckBox4.Checked());
  EXPECT_TRUE(w.CheckBox5.Checked());
  EXPECT_EQ(w.computation().in.crossWind, 0);
}

TEST(ReticleReport, HalvingTheActualMagnificationDoublesTheDivision) {
  Session full, half;
  half.w().Edit43.SetText("12");
  ASSERT_EQ(Report(full), Shown{});
  ASSERT_EQ(Report(half), Shown{});
  const auto& h24 = full.w().computation().holdDistanceM;
  const auto& h12 = half.w().computation().holdDistanceM;
  EXPECT_NEAR(h12[kMilDotCentre], h24[kMilDotCentre], 1);
  for (int k = 1; k <= 5; ++k) EXPECT_GT(h12[kMilDotCentre + k], h24[kMilDotCentre + k]) << k;
  // One mark at 12x is two marks at 24x.
  for (int k = 1; k <= 2; ++k)
    EXPECT_NEAR(h12[kMilDotCentre + k], h24[kMilDotCentre + 2 * k], 3) << k;
}

struct MarkCase {
  std::string name;
  int reticle;
  int markMode;
  const char* crossWind;
  const char* shootingDistance;
  std::vector<std::string> lines;  // after the compute report; empty strings stand for any
  bool cut;                        // the shooting distance becomes the lowest mark's
};

class ReticleMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(ReticleMarks, Lines) {
  const MarkCase& c = GetParam();
  Session s;
  Tvstup& w = s.w();
  w.ComboBox7.Pick(c.reticle);
  w.RadioGroup8.Pick(c.markMode);
  w.Edit10.SetText(c.crossWind);
  w.Edit64.SetText(c.shootingDistance);
  ASSERT_EQ(Report(s), Shown{});
  const auto lines = ReticleLines(w);
  ASSERT_EQ(lines.size(), c.lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!c.lines[i].empty()) {
      EXPECT_EQ(lines[i], c.lines[i]) << i;
    }
  }
  const TReticle& r = kReticles[c.reticle];
  const auto& hold = w.computation().holdDistanceM;
  EXPECT_EQ(w.Edit64.Text(), c.cut ? FormatNumber(hold[r.count]) : c.shootingDistance);
  const auto& wind = w.computation().windMarkValue;
  EXPECT_NEAR(hold[r.centre], 100, 1);
  EXPECT_GT(hold[r.count], hold[r.count - 1]);
  EXPECT_EQ(hold[r.count + 1], 0);
  const bool windMarks = c.markMode == 1 || std::string(c.crossWind) != "0";
  for (int k = 1; k <= r.windDivisions; ++k) EXPECT_EQ(wind[k] > 0, windMarks) << k;
  EXPECT_EQ(wind[r.windDivisions + 1], 0);
}

const std::string kAny;
std::vector<std::string> MilDotHolds() {
  return std::vector<std::string>(12, kAny);
}
std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReticleMarks,
    testing::Values(MarkCase{"distance_marks_without_wind_print_no_wind_lines", 0, 0, "0", "300",
                             MilDotHolds(), false},
                    MarkCase{"distance_marks_with_wind", 0, 0, "-30", "300",
                             With(MilDotHolds(),
                                  {"", "  Záměrné vzdálenosti při příčném větru větru:  -30 m/s",
                                   kAny, kAny, kAny, kAny, kAny}),
                             false},
                    MarkCase{"shooting_distance_cut_to_the_lowest_mark", 0, 1, "0", "5000",
                             With(MilDotHolds(), {"  Vzdálenost střelby změněna", "", kAny, kAny,
                                                  kAny, kAny, kAny, kAny}),
                             true},
                    MarkCase{"other_reticles_print_only_the_cut",
                             4,
                             1,
                             "0",
                             "5000",
                             {"  Vzdálenost střelby změněna"},
                             true},
                    MarkCase{"other_reticles_print_nothing", 3, 0, "50", "300", {}, false}),
    [](const auto& info) { return info.param.name; });

struct AbortCase {
  std::string name;
  const char* control;
  const char* text;
  const char* message;
};

class ReticleAbort : public testing::TestWithParam<AbortCase> {};

TEST_P(ReticleAbort, StopsBeforeAnythingChanges) {
  const AbortCase& c = GetParam();
  Session s;
  Tvstup& w = s.w();
  uitest::Apply(w, c.control, c.text);
  w.CheckBox4.Click();
  w.RadioGroup3.Pick(0);
  const auto memo = w.Memo1.Lines();
  EXPECT_EQ(Report(s), Shown{Msg(c.message)});
  EXPECT_EQ(w.Memo1.Lines(), memo);
  EXPECT_TRUE(w.CheckBox4.Checked());
  EXPECT_EQ(w.RadioGroup3.ItemIndex(), 0);
  EXPECT_FALSE(w.Button20.Enabled());
  EXPECT_FALSE(s.platform().Shown().size());
}

INSTANTIATE_TEST_SUITE_P(Cases, ReticleAbort,
                         testing::Values(AbortCase{"negative_distance", "Edit64", "-1",
                                                   "Vzdálenost střelby menší než nula."},
                                         AbortCase{"zero_standard", "Edit42", "0",
                                                   "Zvětšení menší nebo rovno nule."},
                                         AbortCase{"negative_actual", "Edit43", "-24",
                                                   "Zvětšení menší nebo rovno nule."}),
                         [](const auto& info) { return info.param.name; });

// Absurd magnifications shrink a division to nothing or widen it past a right angle; the
// action still ends, and no table, field or line holds a NaN or an infinity.
TEST(ReticleReport, HostileMagnificationsEndWithFiniteValues) {
  for (auto [standard, actual] : {std::pair{"1", "1000"}, std::pair{"1000", "1"}}) {
    for (int mode : {0, 1}) {
      for (int reticle : {0, 4}) {
        Session s;
        Tvstup& w = s.w();
        w.Edit42.SetText(standard);
        w.Edit43.SetText(actual);
        w.Edit10.SetText("3");
        w.RadioGroup8.Pick(mode);
        w.ComboBox7.Pick(reticle);
        const Shown shown = Report(s);
        const std::string where = std::string(standard) + "/" + actual + " mode " +
                                  std::to_string(mode) + " reticle " + std::to_string(reticle);
        EXPECT_LE(shown.size(), 1u) << where;
        for (double v : w.computation().holdDistanceM) EXPECT_TRUE(std::isfinite(v)) << where;
        for (double v : w.computation().windMarkValue) EXPECT_TRUE(std::isfinite(v)) << where;
        for (const auto& line : w.Memo1.Lines()) {
          EXPECT_EQ(line.find("nan"), std::string::npos) << where << ": " << line;
          EXPECT_EQ(line.find("inf"), std::string::npos) << where << ": " << line;
        }
        EXPECT_EQ(w.Edit64.Text().find_first_of("ni"), std::string::npos) << where;
        s.Act([&] { s.platform().ShowWindow(s.app().mildot(), false); });
      }
    }
  }
}

// A raised run that reaches the step limit ends the action; the 20 m/s of the wind-mark run
// does not stay behind for the reticle window.
TEST(ReticleReport, StepLimitOfTheRaisedRunLeavesTheComputationAsBefore) {
  Session s;
  Tvstup& w = s.w();
  w.CheckBox8.Click();  // manual step of 0.1 ms: 3 s of flight at most
  w.ScrollBar1.Scroll(1);
  w.Edit43.SetText("4");  // six mils a mark: the bore is raised by 30 mils
  w.Edit10.SetText("4");
  EXPECT_EQ(Report(s), Shown{Msg("Dosaženo maximálního počtu kroků. Zvětšete krok.")});
  EXPECT_EQ(w.computation().in.crossWind, 0);  // not yet read from the field
  EXPECT_EQ(w.computation().trajectory.stepCount, 0);
  EXPECT_FALSE(w.Button20.Enabled());
}

TEST(ReticleReport, ZobrazitOnlyForTheReticleAndModeComputed) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(Report(s), Shown{});
  Tmildot& m = s.app().mildot();
  m.SetShown(false);
  w.Button20.Click();
  EXPECT_TRUE(m.Shown());
  w.ComboBox7.Pick(2);
  EXPECT_FALSE(w.Button20.Enabled());
  ASSERT_EQ(Report(s), Shown{});
  EXPECT_TRUE(w.Button20.Enabled());
  w.RadioGroup8.Pick(0);
  EXPECT_FALSE(w.Button20.Enabled());
}

// ---- The reticle window

TEST(ReticleWindow, RangingCalculator) {
  Session s;
  Tvstup& w = s.w();
  Tmildot& m = s.app().mildot();
  auto distance = [&](int reticle, const char* size, const char* divisions) {
    w.ComboBox7.Pick(reticle);
    m.Edit1.SetText(size);
    m.Edit2.SetText(divisions);
    const Shown shown = s.Act([&] { m.Button3.Click(); });
    return shown.empty() ? m.Label3.Caption() : shown.front();
  };
  EXPECT_EQ(m.Edit1.Text(), "0,1");
  EXPECT_EQ(distance(0, "0,1", "1"), "100");
  EXPECT_EQ(distance(0, "1,8", "4"), "450");
  EXPECT_EQ(distance(5, "0,1", "1"), "344") << "1 MOA here";
  EXPECT_EQ(distance(1, "0,1", "1"), "172") << "2 MOA";
  EXPECT_EQ(distance(0, "0,1", "0"), Msg("Velikost předmětu na kříži mimo rozsah."));
  EXPECT_EQ(distance(0, "0", "1"), Msg("Reálná velikost předmětu menší nebo rovna nule."));
  w.Edit43.SetText("0");
  EXPECT_EQ(distance(0, "0,5", "1"), Msg("Zvětšení menší nebo rovno nule."));
  EXPECT_EQ(m.Label3.Caption(), "172") << "unchanged by a refused calculation";
}

TEST(ReticleWindow, SavesThePictureUnderTheChosenName) {
  Session s;
  Tmildot& m = s.app().mildot();
  std::vector<std::string> saved;
  s.platform().pictureWriter = [&](const forms::Canvas& c, const std::string& path) {
    EXPECT_EQ(c.Width(), 360);
    EXPECT_EQ(c.Height(), 385);
    saved.push_back(path);
    return true;
  };
  ASSERT_EQ(Report(s), Shown{});
  s.platform().QueueFileAnswer(std::nullopt);
  s.platform().QueueFileAnswer(s.platform().ProgramFolder() + "/MilDot");
  EXPECT_EQ(s.Act([&] { m.Button2.Click(); }), Shown{});
  EXPECT_EQ(s.Act([&] { m.Button2.Click(); }), Shown{});
  EXPECT_EQ(saved, std::vector<std::string>{s.platform().ProgramFolder() + "/MilDot.bmp"});
  const auto& dialog = s.platform().Dialogs().back();
  EXPECT_EQ(dialog.defaultName, "MilDot.bmp");
  EXPECT_EQ(dialog.filter, "Obrázek  (*.bmp)|*.bmp");
  EXPECT_TRUE(dialog.overwritePrompt);
}

// ---- The picture

TReticleScene MilDotScene() {
  TReticleScene s;
  s.title = "308";
  s.standardMagText = s.actualMagText = "24";
  s.shootingDistanceText = "300";
  const double hold[] = {0, 0, 0, 0, 0, 0, 100, 234, 333, 420, 498, 569};
  for (int p = 0; p < 12; ++p) s.hold[p] = hold[p];
  for (int k = 1; k <= 5; ++k) s.wind[k] = 6 * k;
  return s;
}

std::vector<forms::DrawOp> OpsOf(const TReticleScene& scene, forms::OpKind kind,
                                 forms::Color color) {
  forms::Canvas c;
  DrawReticleScene(c, scene);
  EXPECT_EQ(c.Width(), 360);
  EXPECT_EQ(c.Height(), 385);
  std::vector<forms::DrawOp> out;
  for (const auto& op : c.Ops()) {
    const forms::Color ink = kind == forms::OpKind::Text ? op.font.color : op.pen.color;
    if (op.kind == kind && ink == color) out.push_back(op);
  }
  return out;
}

TEST(ReticlePicture, HoldLabelsOnlyWhereAMarkIsReached) {
  const auto texts = OpsOf(MilDotScene(), forms::OpKind::Text, forms::kBlack);
  std::vector<std::pair<int, std::string>> holds;
  for (const auto& op : texts) {
    if (op.x1 == 192) holds.push_back({op.y1, op.text});
  }
  const std::vector<std::pair<int, std::string>> expected = {
      {171, "100"}, {199, "234"}, {227, "333"}, {255, "420"}, {283, "498"}, {311, "569"}};
  EXPECT_EQ(holds, expected);
}

struct CrossCase {
  std::string name;
  int markMode;
  double crossWind;
  double shootingDistanceM;
  int x, y;             // the centre of the red cross when one is drawn
  const char* message;  // otherwise the message at (40, 115)
};

class AimingCross : public testing::TestWithParam<CrossCase> {};

TEST_P(AimingCross, PlaceOrMessage) {
  const CrossCase& c = GetParam();
  TReticleScene scene = MilDotScene();
  scene.markMode = c.markMode == 1 ? TMarkMode::Wind : TMarkMode::Distance;
  scene.crossWind = c.crossWind;
  scene.shootingDistanceM = c.shootingDistanceM;
  if (c.markMode == 0) {
    scene.wind = {};
    if (c.crossWind != 0)
      for (int k = 1; k <= 5; ++k) scene.wind[k] = 100 * k + 100;
  }
  const auto red = OpsOf(scene, forms::OpKind::Text, forms::kRed);
  const auto lines = OpsOf(scene, forms::OpKind::Line, forms::kRed);
  if (c.message) {
    ASSERT_FALSE(red.empty());
    EXPECT_EQ(red.back().text, c.message);
    EXPECT_EQ(red.back().x1, 40);
    EXPECT_EQ(red.back().y1, 115);
    EXPECT_TRUE(lines.empty());
    return;
  }
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].x1, c.x);
  EXPECT_EQ(lines[0].y1, c.y - 13);
  EXPECT_EQ(lines[1].y1, c.y);
  EXPECT_EQ(lines[1].x1, c.x - 14);
}

// MilDot: y(p) = 12 + 28 p, wind division w at 180 - 28 w.
INSTANTIATE_TEST_SUITE_P(
    Cases, AimingCross,
    testing::Values(CrossCase{"no_wind_on_the_vertical_line", 1, 0, 100, 180, 180, nullptr},
                    CrossCase{"halfway_between_marks", 1, -9, 283.5, 138, 222, nullptr},
                    CrossCase{"right_wind_mirrored", 1, 9, 283.5, 222, 222, nullptr},
                    CrossCase{"distance_marks", 0, -2, 250, 138, 213, nullptr},
                    CrossCase{"distance_below_the_shortest", 1, 0, 99, 0, 0,
                              "Vzdálenost mimo vypočtenou oblast"},
                    CrossCase{"wind_beyond_the_marks", 1, 31, 300, 0, 0,
                              "Rychlost větru mimo vypočtenou oblast"},
                    CrossCase{"no_wind_marks", 0, 0, 300, 0, 0,
                              "Vzdálenost mimo vypočtenou oblast větru"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
