// The firing solution: its parts against the range and incline tables, closed forms, Litz's
// worked example and mirror images, and its checks.
#include <cstdio>

#include "engine/Integration.h"
#include "solvers/FiringSolution.h"
#include "solvers/Incline.h"
#include "ui/CalculationInputs.h"
#include "ui/Reseni1.h"
#include "ui_test_support.h"

namespace {

using namespace uitest;
using Settings = std::vector<std::pair<const char*, const char*>>;

constexpr double kDeg = M_PI / 180;
const TFiringTarget kStartTarget{600, 10, 2, 2, 90, true, 50};

struct Solved {
  Computation read;  // the inputs as read, with the launch angle that zeroes the rifle
  TFiringSolution s;
  const TSolutionPart& Part(TPart p) const {
    for (const auto& part : s.parts)
      if (part.part == p) return part;
    throw std::runtime_error("no such part");
  }
};

Solved Solve(Session& session, const Settings& settings, const TFiringTarget& t) {
  for (const auto& [control, value] : settings) Apply(session.w(), control, value);
  Solved r{ReadCalculationInputs(session.w()), {}};
  Computation work = r.read;
  r.s = SolveFiring(work, t);
  return r;
}

// The clicks column of the table row that starts with the distance.
double ClicksOfRow(const std::vector<std::string>& memo, double distanceM, double* heightCm) {
  for (const auto& line : memo) {
    double x, y, clicks;
    if (std::sscanf(line.c_str(), "%lf %lf %lf", &x, &y, &clicks) == 3 && x == distanceM) {
      if (heightCm) *heightCm = y;
      return clicks;
    }
  }
  ADD_FAILURE() << "no row at " << distanceM;
  return 0;
}

double Clicks(double rad, const Computation& c) {
  return -rad / (c.in.clickDeg * kDeg);
}

TEST(FiringSolution, JumpFollowsLitzsWorkedExampleForBothTwists) {
  // Berger 7 mm 180 gr VLD: Sg 1.49, 5.34 calibres, 10 mph: 0.034 MOA per mph (6-DOF: 0.36 MOA).
  const double tenMph = 4.4704;
  struct Case {
    bool twistLeft;
    double crossWind;  // + blows to the right
    double moa;
  } cases[] = {{false, -tenMph, 0.341},
               {false, tenMph, -0.341},
               {true, -tenMph, -0.341},
               {true, tenMph, 0.341}};
  for (const Case& c : cases)
    EXPECT_NEAR(AerodynamicJumpMoa(1.49, 5.34, c.crossWind, c.twistLeft), c.moa, 0.001)
        << c.twistLeft << " " << c.crossWind;
}

struct PartsCase {
  const char* name;
  Settings settings;
  TFiringTarget target;
};

class PartsAddUp : public ::testing::TestWithParam<PartsCase> {};

// Every part is a difference, so they sum to the total, and the engine's parts to one run with
// every effect at once: no effect is lost or counted twice.
TEST_P(PartsAddUp, ToTheFullTrajectory) {
  Session session;
  const Solved r = Solve(session, GetParam().settings, GetParam().target);
  TSolutionPart sum, engine;
  for (const auto& p : r.s.parts) {
    sum.upCm += p.upCm, sum.rightCm += p.rightCm, sum.upRad += p.upRad, sum.rightRad += p.rightRad;
    if (p.part < TPart::Jump) engine.upRad += p.upRad, engine.rightRad += p.rightRad;
    const bool printedUp = p.part != TPart::Lead;
    const bool printedRight = p.part > TPart::Slope && p.part != TPart::Jump;
    EXPECT_TRUE(printedUp || p.upCm == 0);
    EXPECT_TRUE(printedRight || p.rightCm == 0);
  }
  EXPECT_NEAR(sum.upCm, r.s.total.upCm, 1e-9);
  EXPECT_NEAR(sum.rightCm, r.s.total.rightCm, 1e-9);
  EXPECT_NEAR(sum.upRad, r.s.total.upRad, 1e-12);
  EXPECT_NEAR(sum.rightRad, r.s.total.rightRad, 1e-12);

  Computation full = r.read;
  const TFiringTarget& t = GetParam().target;
  if (full.in.autoStep) full.in.stepS = AutoStepPosition(full.in.launchAngleDeg) * 0.0001;
  full.in.autoStep = false;
  const InclineTarget target{t.distanceM * std::cos(t.slopeDeg * kDeg),
                             t.distanceM * std::sin(t.slopeDeg * kDeg)};
  SolveIncline(full, target);
  const TTrajectory& tr = full.trajectory;
  const int n = tr.stepCount;
  const double f = (target.distanceM - tr.xM[n - 1]) / (tr.xM[n] - tr.xM[n - 1]);
  const double y = tr.yCm[n - 1] + f * (tr.yCm[n] - tr.yCm[n - 1]);
  const double z = tr.zCm[n - 1] + f * (tr.zCm[n] - tr.zCm[n - 1]);
  EXPECT_NEAR(engine.upRad, std::atan(0.01 * y / target.distanceM) - t.slopeDeg * kDeg, 1e-9);
  EXPECT_NEAR(engine.rightRad, std::atan(0.01 * z / t.distanceM), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Shots, PartsAddUp,
    ::testing::Values(PartsCase{"StartValues", {}, kStartTarget},
                      PartsCase{"EveryEffectEastward",
                                {{"Edit10", "-4"},
                                 {"Edit11", "-3"},
                                 {"Edit55", "0,5"},
                                 {"CheckBox3", "on"},
                                 {"CheckBox10", "on"},
                                 {"Edit54", "90"},
                                 {"ComboBox5", "1"}},
                                kStartTarget},
                      PartsCase{"StationsDownhill",
                                {{"RadioGroup4", "1"}, {"CheckBox3", "on"}, {"CheckBox10", "on"}},
                                {450, -15, -5, 3, 60, false, 30}}),
    [](const auto& info) { return TestName(info.param.name); });

TEST(FiringSolution, LevelSolutionIsTheRangeTableRowAndTheSlopePartTheInclineTable) {
  Session session;
  Tvstup& w = session.w();
  const Settings toSixHundred{{"CheckBox4", "on"}, {"Edit15", "600"}, {"CheckBox5", "off"}};
  for (const auto& [control, value] : toSixHundred) Apply(w, control, value);
  ASSERT_EQ(session.Act([&] { w.Button3.Click(); }), Shown{});
  for (double distance : {300.0, 600.0}) {
    double height = 0;
    const double clicks = ClicksOfRow(w.Memo1.Lines(), distance, &height);
    const Solved r = Solve(session, {}, {distance, 0, 0, 0, 90, true, 50});
    EXPECT_NEAR(r.s.total.upCm, height, 0.05 + 1e-9) << distance;
    EXPECT_NEAR(Clicks(r.s.total.upRad, r.read), clicks, 0.05 + 1e-9) << distance;
    EXPECT_EQ(r.s.total.rightCm, 0);
  }
  // The incline table after that computation: 600 slant metres up and down 10 degrees.
  for (const char* angle : {"10", "-10"}) {
    w.Edit7.SetText("600");
    w.Edit14.SetText(angle);
    w.Memo1.Clear();
    ASSERT_EQ(session.Act([&] { w.Button11.Click(); }), Shown{});
    const double clicks = ClicksOfRow(w.Memo1.Lines(), 600, nullptr);
    const Solved r = Solve(session, {}, {600, std::stod(angle), 0, 0, 90, true, 50});
    EXPECT_NEAR(Clicks(r.s.total.upRad, r.read), clicks, 0.05 + 1e-9) << angle;
    const double level = Clicks(r.Part(TPart::Drop).upRad, r.read);
    EXPECT_NEAR(Clicks(r.Part(TPart::Slope).upRad, r.read), clicks - level, 0.05 + 1e-9);
  }
}

TEST(FiringSolution, LeadAndCantFollowTheirClosedForms) {
  const TFiringTarget cases[] = {
      kStartTarget, {600, 10, -2, 2, 30, false, 50}, {300, -20, 45, 8, 150, true, 50}};
  for (const TFiringTarget& t : cases) {
    Session session;
    const Solved r = Solve(session, {{"Edit10", "3"}}, t);
    const TSolutionPart& lead = r.Part(TPart::Lead);
    EXPECT_NEAR(lead.rightCm,
                (t.fromLeft ? -100 : 100) * t.speedMps * r.s.timeS * std::sin(t.crossingDeg * kDeg),
                1e-9);
    // The bore, with the elevation before the cant dialed, rises R above the sight line.
    const TSolutionPart& cant = r.Part(TPart::Cant);
    const double dial = -(r.s.total.upRad - cant.upRad - lead.upRad);
    const double rise =
        t.distanceM * std::tan(r.read.in.launchAngleDeg * kDeg + dial) - r.read.in.sightHeightM;
    EXPECT_GT(rise, 0.5);
    EXPECT_NEAR(cant.rightCm, 100 * rise * std::sin(t.cantDeg * kDeg), 1e-6);
    EXPECT_NEAR(cant.upCm, -100 * rise * (1 - std::cos(t.cantDeg * kDeg)), 1e-6);
  }
}

// Mirror images change the sign of what they mirror and nothing else.
TEST(FiringSolution, MirrorImages) {
  struct Mirror {
    const char* name;
    Settings a, b;
    TPart part;
    bool up;  // the axis that changes sign; the other stays
  } mirrors[] = {
      {"WindFromLeftOrRight", {{"Edit10", "4"}}, {{"Edit10", "-4"}}, TPart::Wind, false},
      {"TwistRightOrLeft",
       {{"CheckBox3", "on"}},
       {{"CheckBox3", "on"}, {"ComboBox5", "1"}},
       TPart::SpinDrift,
       false},
      {"JumpOfTheTwist",
       {{"CheckBox3", "on"}, {"Edit10", "4"}},
       {{"CheckBox3", "on"}, {"Edit10", "4"}, {"ComboBox5", "1"}},
       TPart::Jump,
       true},
  };
  for (const Mirror& m : mirrors) {
    Session first, second;
    const TFiringTarget t{600, 0, 0, 0, 90, true, 50};
    const Solved a = Solve(first, m.a, t), b = Solve(second, m.b, t);
    const TSolutionPart &pa = a.Part(m.part), &pb = b.Part(m.part);
    EXPECT_GT(std::fabs(m.up ? pa.upCm : pa.rightCm), 1) << m.name;
    EXPECT_NEAR(m.up ? pa.upCm : pa.rightCm, -(m.up ? pb.upCm : pb.rightCm), 1e-3) << m.name;
    if (m.part != TPart::SpinDrift) {  // the spin's lift also tilts the trajectory a little
      EXPECT_NEAR(m.up ? pa.rightCm : pa.upCm, m.up ? pb.rightCm : pb.upCm, 1e-3) << m.name;
    }
  }
}

struct BadTarget {
  const char* name;
  const char* control;
  const char* text;
  const char* message;
};

class FiringChecks : public ::testing::TestWithParam<BadTarget> {};

TEST_P(FiringChecks, OneMessageAndNothingChanged) {
  Session session;
  Tvstup& w = session.w();
  ASSERT_EQ(session.Act([&] { w.Button3.Click(); }), Shown{});
  const auto memo = w.Memo1.Lines();
  const std::string angle = w.Edit6.Text();
  Treseni& r = session.app().reseni();
  Apply(r, GetParam().control, GetParam().text);
  EXPECT_EQ(session.Act([&] { r.Button1.Click(); }), Shown{Msg(GetParam().message)});
  EXPECT_TRUE(r.Memo1.Lines().empty());
  EXPECT_FALSE(r.Label1.Visible());
  EXPECT_EQ(w.Memo1.Lines(), memo);
  EXPECT_EQ(w.Edit6.Text(), angle);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FiringChecks,
    ::testing::Values(
        BadTarget{"Unreached", "Edit1", "200000",
                  "Trajektorie nedosáhne cíle ve vzdálenosti 200000 m (dosaženo maximálního "
                  "počtu kroků)."},
        BadTarget{"ZeroDistance", "Edit1", "0", "Vzdálenost cíle menší nebo rovna nule."},
        BadTarget{"SlopeUp90", "Edit2", "90", "Sklon záměrné mimo rozsah -90 až 90 stupňů."},
        BadTarget{"SlopeDown90", "Edit2", "-95", "Sklon záměrné mimo rozsah -90 až 90 stupňů."},
        BadTarget{"Cant90", "Edit3", "-90", "Náklon zbraně mimo rozsah -90 až 90 stupňů."},
        BadTarget{"NegativeSpeed", "Edit4", "-1", "Rychlost cíle menší než nula."},
        BadTarget{"NegativeHeight", "Edit6", "-5", "Výška cíle menší nebo rovna nule."}),
    [](const auto& info) { return TestName(info.param.name); });

}  // namespace
