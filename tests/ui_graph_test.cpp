// The trajectory graph of the calculation window after a computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui_test_support.h"

namespace {

using uitest::Session;
using uitest::Shown;

constexpr int kSightSlot = 1, kBoreSlot = 2, kCloneI = 3, kCloneII = 4;

void Compute(Session& s) {
  ASSERT_EQ(s.Act([&] { s.w().Button3.Click(); }), Shown{});
}

// Launch angle given, a fixed step of 0.1 ms and the X limit only: the step count is then
// the first step that reaches the limit.
void ManualStepUpToX(Tvstup& w, const std::string& limitM) {
  w.RadioGroup3.Pick(0);
  if (w.CheckBox8.Checked()) w.CheckBox8.Click();
  w.ScrollBar1.Scroll(1);
  if (!w.CheckBox4.Checked()) w.CheckBox4.Click();
  if (w.CheckBox5.Checked()) w.CheckBox5.Click();
  w.Edit15.SetText(limitM);
}

// Every point of a slot against the expected arrays at indices 0, e, 2e, ...; returns one
// line per differing point.
std::vector<std::string> DifferingPoints(const TCurveSlot& slot, int count, int e,
                                         const std::vector<double>& xs,
                                         const std::function<double(int)>& y) {
  std::vector<std::string> rows;
  for (int i = 0; i < count; ++i) {
    const int k = i * e;
    if (slot.x[i] != xs[k] || slot.y[i] != y(k)) {
      std::ostringstream row;
      row.precision(17);
      row << "point " << i << " (step " << k << "): (" << slot.x[i] << ", " << slot.y[i]
          << ") expected (" << xs[k] << ", " << y(k) << ")";
      rows.push_back(row.str());
    }
  }
  return rows;
}

std::string Lines(const std::vector<std::string>& rows) {
  std::string out;
  for (const auto& r : rows) out += "  " + r + "\n";
  return out;
}

// Texts drawn with their top-left corner at a pixel.
std::vector<std::string> TextsAt(const forms::Canvas& canvas, int x, int y) {
  std::vector<std::string> texts;
  for (const auto& op : canvas.Ops()) {
    if (op.kind == forms::OpKind::Text && op.x1 == x && op.y1 == y) texts.push_back(op.text);
  }
  return texts;
}

// ---- Sampling step

struct SamplingCase {
  int steps;
  int e;       // documented: steps div 1000, at least 1
  int points;  // steps div e + 1
};

void PrintTo(const SamplingCase& c, std::ostream* os) {
  *os << c.steps << " steps";
}

class GraphSampling : public testing::TestWithParam<SamplingCase> {};

TEST_P(GraphSampling, DrawsEveryEthStep) {
  const SamplingCase c = GetParam();
  ASSERT_EQ(c.e, std::max(1, c.steps / 1000));
  ASSERT_EQ(c.points, c.steps / c.e + 1);
  Session s;
  Tvstup& w = s.w();
  ManualStepUpToX(w, "400");
  Compute(s);
  const TTrajectory& tr = w.computation().trajectory;
  ASSERT_GT(tr.stepCount, c.steps) << "the long run must pass the wanted step count";
  // A limit between two steps stops the run at the later one.
  const double limit = (tr.xM[c.steps - 1] + tr.xM[c.steps]) / 2;
  w.Edit15.SetText(FormatNumber(limit));
  Compute(s);
  ASSERT_EQ(tr.stepCount, c.steps);

  const TCurveSlot& slot = w.graph().Slot(0);
  EXPECT_TRUE(slot.visible);
  EXPECT_EQ(slot.Count(), c.points);
  const auto rows = DifferingPoints(slot, c.points, c.e, tr.xM, [&](int k) { return tr.yCm[k]; });
  EXPECT_TRUE(rows.empty()) << rows.size() << " points differ:\n" << Lines(rows);
}

INSTANTIATE_TEST_SUITE_P(StepCounts, GraphSampling,
                         testing::Values(SamplingCase{1999, 1, 2000}, SamplingCase{2000, 2, 1001},
                                         SamplingCase{2999, 2, 1500}, SamplingCase{3000, 3, 1001},
                                         SamplingCase{4321, 4, 1081}),
                         [](const auto& info) {
                           return "Steps" + std::to_string(info.param.steps);
                         });

// ---- Ordinate choices

struct OrdinateCase {
  int item;
  const char* unit;  // text at the top left; empty for none
  std::function<double(const TTrajectory&, double massKg, int k)> value;
};

void PrintTo(const OrdinateCase& c, std::ostream* os) {
  *os << "item " << c.item;
}

std::string OrdinateName(int item) {
  const char* names[] = {"PositionY", "Speed",     "Energy",    "SpeedX",     "SpeedY",
                         "Lateral",   "CrossWind", "PathAngle", "EnergyLoad", "DragCoeff"};
  return names[item];
}

class Ordinate : public testing::TestWithParam<OrdinateCase> {};

TEST_P(Ordinate, DrawsItsQuantityWithItsUnit) {
  const OrdinateCase& c = GetParam();
  Session s;
  Tvstup& w = s.w();
  w.Edit10.SetText("5");
  Compute(s);
  w.RadioGroup1.Pick(c.item);
  const TTrajectory& tr = w.computation().trajectory;
  const double mass = w.computation().in.massKg;
  const int e = std::max(1, tr.stepCount / 1000);
  const int points = tr.stepCount / e + 1;
  const TCurveSlot& slot = w.graph().Slot(0);
  ASSERT_EQ(slot.Count(), points);
  const auto rows =
      DifferingPoints(slot, points, e, tr.xM, [&](int k) { return c.value(tr, mass, k); });
  EXPECT_TRUE(rows.empty()) << rows.size() << " points differ:\n" << Lines(rows);

  const auto units = TextsAt(w.Graf0.Picture(), 20, 6);
  std::vector<std::string> visible;
  for (const auto& t : units) {
    if (!t.empty()) visible.push_back(t);
  }
  if (std::string(c.unit).empty()) {
    EXPECT_TRUE(visible.empty()) << visible.front();
  } else {
    EXPECT_EQ(visible, std::vector<std::string>{c.unit});
  }
}

double Speed2(const TTrajectory& tr, int k) {
  return tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k];
}

INSTANTIATE_TEST_SUITE_P(
    Items, Ordinate,
    testing::Values(
        OrdinateCase{0, "cm", [](const TTrajectory& t, double, int k) { return t.yCm[k]; }},
        OrdinateCase{1, "m/s",
                     [](const TTrajectory& t, double, int k) { return std::sqrt(Speed2(t, k)); }},
        OrdinateCase{2, "J",
                     [](const TTrajectory& t, double m, int k) { return Speed2(t, k) * 0.5 * m; }},
        OrdinateCase{3, "m/s", [](const TTrajectory& t, double, int k) { return t.vxMps[k]; }},
        OrdinateCase{4, "m/s", [](const TTrajectory& t, double, int k) { return t.vyMps[k]; }},
        OrdinateCase{5, "cm", [](const TTrajectory& t, double, int k) { return t.zCm[k]; }},
        OrdinateCase{6, "m/s",
                     [](const TTrajectory& t, double, int k) { return t.crossWindMps[k]; }},
        OrdinateCase{7, "", [](const TTrajectory& t, double, int k) { return t.pathAngleDeg[k]; }},
        OrdinateCase{8, "",
                     [](const TTrajectory& t, double, int k) { return t.energyDensityJcm2[k]; }},
        OrdinateCase{9, "", [](const TTrajectory& t, double, int k) { return t.dragCoeff[k]; }}),
    [](const auto& info) { return OrdinateName(info.param.item); });

TEST(OrdinateSpeed, LeavesOutStrongCrossWindComponent) {
  Session s;
  Tvstup& w = s.w();
  w.Edit10.SetText("60");
  w.Edit19.SetText("300");
  Compute(s);
  w.RadioGroup1.Pick(1);
  const TTrajectory& tr = w.computation().trajectory;
  const int n = tr.stepCount;
  const int e = std::max(1, n / 1000);
  const int last = n / e;
  const int k = last * e;
  ASSERT_GT(std::fabs(tr.vzMps[k]), 1.0) << "the crosswind must push the projectile sideways";
  const TCurveSlot& slot = w.graph().Slot(0);
  const double planar = std::sqrt(Speed2(tr, k));
  const double full = std::sqrt(Speed2(tr, k) + tr.vzMps[k] * tr.vzMps[k]);
  EXPECT_DOUBLE_EQ(slot.y[last], planar);
  EXPECT_GT(full - slot.y[last], 1e-4);
}

TEST(Abscissa, TimeUsesTimeArrayAndSecondsUnit) {
  Session s;
  Tvstup& w = s.w();
  Compute(s);
  w.RadioGroup2.Pick(0);
  const TTrajectory& tr = w.computation().trajectory;
  const int e = std::max(1, tr.stepCount / 1000);
  const int points = tr.stepCount / e + 1;
  const TCurveSlot& slot = w.graph().Slot(0);
  ASSERT_EQ(slot.Count(), points);
  const auto rows = DifferingPoints(slot, points, e, tr.timeS, [&](int k) { return tr.yCm[k]; });
  EXPECT_TRUE(rows.empty()) << Lines(rows);
  const int width = w.Graf0.Picture().Width(), height = w.Graf0.Picture().Height();
  EXPECT_EQ(TextsAt(w.Graf0.Picture(), width - 40, height - 23), std::vector<std::string>{"s"});
}

// ---- Leaving and coming back to position against distance

struct LeaveCase {
  std::string name;
  bool abscissa;  // leave by the abscissa (time) or by the ordinate (speed)
};

void PrintTo(const LeaveCase& c, std::ostream* os) {
  *os << c.name;
}

class LeavePositionGraph : public testing::TestWithParam<LeaveCase> {};

TEST_P(LeavePositionGraph, TurnsOffClonesAndLinesForGood) {
  Session s;
  Tvstup& w = s.w();
  EXPECT_FALSE(w.BitBtn1.Enabled());
  EXPECT_FALSE(w.BitBtn2.Enabled());
  Compute(s);
  w.BitBtn1.Click();
  w.BitBtn2.Click();
  w.CheckBox2.Click();
  const TPlotCanvas& g = w.graph();
  for (int slot : {kSightSlot, kBoreSlot, kCloneI, kCloneII}) {
    ASSERT_TRUE(g.Slot(slot).visible) << "slot " << slot;
  }
  ASSERT_TRUE(w.CheckBox1.Checked());
  ASSERT_TRUE(w.Image1.Visible());
  ASSERT_TRUE(w.Image2.Visible());

  forms::RadioGroup& group = GetParam().abscissa ? w.RadioGroup2 : w.RadioGroup1;
  const int away = GetParam().abscissa ? 0 : 1, back = GetParam().abscissa ? 1 : 0;

  const std::vector<forms::Control*> graphControls = {&w.BitBtn1, &w.BitBtn2, &w.CheckBox1,
                                                      &w.CheckBox2};
  group.Pick(away);
  for (forms::Control* c : graphControls) {
    EXPECT_FALSE(c->Enabled()) << "away: " << c->Name();
  }
  for (int slot : {kSightSlot, kBoreSlot, kCloneI, kCloneII}) {
    EXPECT_FALSE(g.Slot(slot).visible) << "away: slot " << slot;
  }
  EXPECT_FALSE(w.CheckBox1.Checked());
  EXPECT_FALSE(w.CheckBox2.Checked());
  EXPECT_FALSE(w.Image1.Visible());
  EXPECT_FALSE(w.Image2.Visible());

  group.Pick(back);
  for (forms::Control* c : graphControls) {
    EXPECT_TRUE(c->Enabled()) << "back: " << c->Name();
  }
  for (int slot : {kSightSlot, kBoreSlot, kCloneI, kCloneII}) {
    EXPECT_FALSE(g.Slot(slot).visible) << "back: slot " << slot;
  }
  EXPECT_FALSE(w.CheckBox1.Checked());
  EXPECT_FALSE(w.CheckBox2.Checked());
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavePositionGraph,
                         testing::Values(LeaveCase{"ByTimeAbscissa", true},
                                         LeaveCase{"BySpeedOrdinate", false}),
                         [](const auto& info) { return info.param.name; });

TEST(Clones, StayThroughNewComputationUntilCleared) {
  Session s;
  Tvstup& w = s.w();
  Compute(s);
  w.BitBtn1.Click();
  const TTrajectory& tr = w.computation().trajectory;
  const std::vector<double> oldX(tr.xM.begin(), tr.xM.begin() + tr.stepCount + 1);
  const int e = std::max(1, tr.stepCount / 1000);
  const int points = tr.stepCount / e + 1;
  const double oldEndY = tr.yCm[(points - 1) * e];

  w.Edit4.SetText("700");
  Compute(s);
  const TCurveSlot& clone = w.graph().Slot(kCloneI);
  EXPECT_TRUE(clone.visible);
  EXPECT_EQ(clone.Count(), points);
  EXPECT_EQ(clone.x[points - 1], oldX[(points - 1) * e]);
  EXPECT_EQ(clone.y[points - 1], oldEndY);
  EXPECT_FALSE(w.graph().Slot(kCloneII).visible);

  w.BitBtn2.Click();
  EXPECT_TRUE(w.graph().Slot(kCloneII).visible);
  w.Button6.Click();
  EXPECT_FALSE(w.graph().Slot(kCloneI).visible);
  EXPECT_FALSE(w.graph().Slot(kCloneII).visible);
}

// ---- Reference lines

TEST(SightLine, EndsOnSightLineAtEndOfTrajectory) {
  Session s;
  Tvstup& w = s.w();
  Compute(s);
  const TTrajectory& tr = w.computation().trajectory;
  const TCurveSlot& line = w.graph().Slot(kSightSlot);
  EXPECT_TRUE(w.CheckBox1.Checked());
  EXPECT_TRUE(line.visible);
  EXPECT_TRUE(w.Image1.Visible());
  ASSERT_EQ(line.Count(), 2);
  EXPECT_EQ(line.x[0], 0);
  EXPECT_EQ(line.y[0], 0);
  EXPECT_EQ(line.x[1], tr.xM[tr.stepCount]);
  EXPECT_EQ(line.y[1], 0);
}

TEST(SightLine, WithSightLineRiseEndsAtInclineTarget) {
  Session s;
  Tvstup& w = s.w();
  Compute(s);
  w.computation().sightLineRiseM = 0.3;
  w.computation().inclineDistanceM = 70;
  w.CheckBox1.Click();
  EXPECT_FALSE(w.graph().Slot(kSightSlot).visible);
  EXPECT_FALSE(w.Image1.Visible());
  w.CheckBox1.Click();
  const TCurveSlot& line = w.graph().Slot(kSightSlot);
  ASSERT_TRUE(line.visible);
  ASSERT_EQ(line.Count(), 2);
  EXPECT_EQ(line.x[0], 0);
  EXPECT_EQ(line.y[0], 0);
  EXPECT_EQ(line.x[1], 70);
  EXPECT_DOUBLE_EQ(line.y[1], 30);
}

TEST(SightLine, ZeroPointModeExtendsThroughZeroPointToEnd) {
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup3.Pick(2);
  w.Edit19.SetText("200");
  w.Edit63.SetText("0,1");
  Compute(s);
  const TTrajectory& tr = w.computation().trajectory;
  const double xEnd = tr.xM[tr.stepCount];
  ASSERT_GT(xEnd, 200);
  const TCurveSlot& line = w.graph().Slot(kSightSlot);
  ASSERT_TRUE(line.visible);
  ASSERT_EQ(line.Count(), 2);
  EXPECT_EQ(line.x[1], xEnd);
  // Through (0, 0) and the zero point (200 m, 10 cm).
  EXPECT_DOUBLE_EQ(line.y[1] / line.x[1], 10.0 / 200);
}

TEST(BoreLine, StartsBelowSightLineBySightHeightAndRisesWithAngle) {
  Session s;
  Tvstup& w = s.w();
  w.Edit5.SetText("55");
  Compute(s);
  EXPECT_FALSE(w.CheckBox2.Checked());
  EXPECT_FALSE(w.graph().Slot(kBoreSlot).visible);
  w.CheckBox2.Click();
  const TTrajectory& tr = w.computation().trajectory;
  const double xEnd = tr.xM[tr.stepCount];
  const double angle = w.computation().in.launchAngleDeg;
  ASSERT_GT(angle, 0);
  const TCurveSlot& line = w.graph().Slot(kBoreSlot);
  ASSERT_TRUE(line.visible);
  EXPECT_TRUE(w.Image2.Visible());
  ASSERT_EQ(line.Count(), 2);
  EXPECT_EQ(line.x[0], 0);
  EXPECT_DOUBLE_EQ(line.y[0], -5.5);
  EXPECT_EQ(line.x[1], xEnd);
  EXPECT_DOUBLE_EQ(line.y[1], std::tan(angle * 0.01745329541779437) * xEnd * 100 - 5.5);

  w.CheckBox2.Click();
  EXPECT_FALSE(w.graph().Slot(kBoreSlot).visible);
  EXPECT_FALSE(w.Image2.Visible());
}

// ---- Saving the graph

struct SaveFixture {
  Session s;
  std::vector<std::pair<const forms::Canvas*, std::string>> written;
  bool writerResult = true;
  SaveFixture() {
    s.platform().pictureWriter = [this](const forms::Canvas& c, const std::string& path) {
      written.emplace_back(&c, path);
      return writerResult;
    };
  }
};

TEST(SaveGraph, AsksForBitmapNameWithOverwritePrompt) {
  SaveFixture f;
  f.s.platform().QueueFileAnswer(std::nullopt);
  EXPECT_EQ(f.s.Act([&] { f.s.w().Button9.Click(); }), Shown{});
  ASSERT_EQ(f.s.platform().Dialogs().size(), 1u);
  const forms::FileDialogOptions& o = f.s.platform().Dialogs()[0];
  EXPECT_EQ(o.defaultName, "Trajekta.bmp");
  EXPECT_EQ(o.defaultExt, "bmp");
  EXPECT_EQ(o.filter, "Obrázek  (*.bmp)|*.bmp");
  EXPECT_TRUE(o.overwritePrompt);
  EXPECT_EQ(o.initialDir, f.s.platform().ProgramFolder());
}

TEST(SaveGraph, CancelWritesNothing) {
  SaveFixture f;
  Compute(f.s);
  const uint64_t revision = f.s.w().Graf0.Picture().Revision();
  f.s.platform().QueueFileAnswer(std::nullopt);
  EXPECT_EQ(f.s.Act([&] { f.s.w().Button9.Click(); }), Shown{});
  EXPECT_TRUE(f.written.empty());
  EXPECT_EQ(f.s.w().Graf0.Picture().Revision(), revision);
}

TEST(SaveGraph, WritesGraphPictureUnderChosenName) {
  SaveFixture f;
  Compute(f.s);
  const std::string path = f.s.platform().ProgramFolder() + "/graf.bmp";
  f.s.platform().QueueFileAnswer(path);
  EXPECT_EQ(f.s.Act([&] { f.s.w().Button9.Click(); }), Shown{});
  ASSERT_EQ(f.written.size(), 1u);
  EXPECT_EQ(f.written[0].first, &f.s.w().Graf0.Picture());
  EXPECT_EQ(f.written[0].second, path);
}

TEST(SaveGraph, WriteFailureIsReportedAndGraphUnchanged) {
  SaveFixture f;
  f.writerResult = false;
  Compute(f.s);
  const uint64_t revision = f.s.w().Graf0.Picture().Revision();
  f.s.platform().QueueFileAnswer(f.s.platform().ProgramFolder() + "/x.bmp");
  EXPECT_EQ(f.s.Act([&] { f.s.w().Button9.Click(); }).size(), 1u);
  EXPECT_EQ(f.s.w().Graf0.Picture().Revision(), revision);
}

}  // namespace
