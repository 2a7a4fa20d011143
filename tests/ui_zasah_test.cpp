// The hit probability window: its checks, its inputs, a run and its cancel as the desktop
// view drives them, and the calculation window left as it was.
#include "ui/Zasah1.h"
#include "ui_test_support.h"

namespace {

using namespace uitest;

// The application with a hit probability window of few shots.
struct ZasahSession {
  SeparatorScope separator{','};
  TempFolder folder;
  forms::ScriptedPlatform platform{folder.Path()};
  Application app{platform};
  ZasahSession() {
    app.Create();
    app.zasah().Edit11.SetText("64");
  }
  Tzasah& z() { return app.zasah(); }
  Shown Act(const std::function<void()>& action) {
    platform.TakeShown();
    forms::RunUserAction(platform, action);
    return platform.TakeShown();
  }
};

struct BadInput {
  const char* name;
  const char* window;
  const char* control;
  const char* text;
  const char* message;
  const char* unitControl = nullptr;  // a unit or kind picked first
  int unitIndex = 0;
};

class ZasahChecks : public ::testing::TestWithParam<BadInput> {};

TEST_P(ZasahChecks, OneMessageAndNoResult) {
  ZasahSession s;
  const BadInput& c = GetParam();
  if (c.unitControl) Apply(s.z(), c.unitControl, std::to_string(c.unitIndex));
  Apply(*s.app.FindWindow(c.window), c.control, c.text);
  EXPECT_EQ(s.Act([&] { s.z().Button1.Click(); }), Shown{Msg(c.message)});
  EXPECT_TRUE(s.z().Memo1.Lines().empty());
  EXPECT_FALSE(s.z().Label1.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ZasahChecks,
    ::testing::Values(
        BadInput{"ZeroWidth", "Tzasah", "Edit1", "0", "Šířka cíle menší nebo rovna nule."},
        BadInput{"NegativeVelocitySpread", "Tzasah", "Edit4", "-1",
                 "Odchylka rychlosti menší než nula."},
        BadInput{"FromNotBelowTo", "Tzasah", "Edit8", "600",
                 "Vzdálenost Od větší nebo rovna vzdálenosti Do."},
        BadInput{"TinyStep", "Tzasah", "Edit10", "0,5",
                 "Příliš mnoho vzdáleností (nejvýše 500), zvětšete krok."},
        // 100 to 600 m by 1 m are 501 distances.
        BadInput{"OneMoreThan500Distances", "Tzasah", "Edit10", "1",
                 "Příliš mnoho vzdáleností (nejvýše 500), zvětšete krok."},
        BadInput{"HugeTarget", "Tzasah", "Edit2", "501", "Výška cíle větší než 500 cm."},
        BadInput{"HugeRoundTarget", "Tzasah", "Edit1", "501", "Průměr cíle větší než 500 cm.",
                 "ComboBox1", 1},
        BadInput{"WideGroupInMrad", "Tzasah", "Edit3", "31",
                 "Rozptyl zbraně a střelce větší než 30 mrad.", "ComboBox3", 1},
        BadInput{"RangeErrorInMetres", "Tzasah", "Edit7", "501",
                 "Odchylka odhadu vzdálenosti větší než 500 m.", "ComboBox4", 1},
        BadInput{"TooManyShots", "Tzasah", "Edit11", "100001", "Počet ran větší než 100000."},
        BadInput{"PartShot", "Tzasah", "Edit11", "10,5", "Počet ran není celé číslo."},
        BadInput{"CalculationInput", "Tvstup", "Edit2", "0", "Hmotnost menší nebo rovna nule."}),
    [](const auto& info) { return TestName(info.param.name); });

TEST(Zasah, ResultLeavesTheCalculationWindowAsItWas) {
  ZasahSession s;
  Tvstup& w = s.app.vstup();
  w.CheckBox3.SetChecked(true);  // its input step writes the rotation report
  ASSERT_TRUE(s.Act([&] { w.Button3.Click(); }).empty());
  w.Edit19.SetText("150,7");
  const auto memo = w.Memo1.Lines();
  const int steps = w.computation().trajectory.stepCount;
  const double lastHeight = w.computation().trajectory.yCm[steps];
  const std::string angle = w.Edit6.Text();

  w.N7.Click();
  EXPECT_TRUE(s.z().Shown());
  ASSERT_TRUE(s.Act([&] { s.z().Button1.Click(); }).empty());
  // Of 64 shots, 63 must hit for the lower end of the interval to reach 90 %.
  EXPECT_EQ(s.z().Memo1.Lines().back(),
            "  Maximální vzdálenost s pravděpodobností zásahu alespoň 90 % (dolní mez 95% "
            "intervalu): 150 m");
  EXPECT_EQ(s.z().graph().Slot(0).Count(), 11);
  // The P axis runs from 0 to 100 % in round steps, also after a double click; the 95 % band
  // stays within the frame.
  s.z().Graf0.DblClick(100, 100);
  std::vector<std::string> yLabels;
  int bandColumns = 0;
  const int width = Tzasah::kGraphWidth, height = Tzasah::kGraphHeight;
  for (const forms::DrawOp& op : s.z().Graf0.Picture().Ops()) {
    if (op.kind == forms::OpKind::Text && op.x1 == 15) yLabels.push_back(op.text);
    if (op.kind == forms::OpKind::FillRect && op.brush.color == forms::Color{255, 200, 200}) {
      ++bandColumns;
      EXPECT_TRUE(op.x1 >= 50 && op.x2 <= width - 30 && op.y1 >= 30 && op.y2 <= height - 50)
          << op.x1;
    }
  }
  EXPECT_EQ(yLabels, (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80",
                                               "90", "100"}));
  EXPECT_GT(bandColumns, 300);
  EXPECT_EQ(w.Memo1.Lines(), memo);
  EXPECT_EQ(w.Edit19.Text(), "150,7");
  EXPECT_EQ(w.Edit6.Text(), angle);
  EXPECT_EQ(w.computation().trajectory.stepCount, steps);
  EXPECT_EQ(w.computation().trajectory.yCm[steps], lastHeight);
}

// What a shooter knows, as the run receives it: a group's extreme spread divided by the mean
// extreme spread of that many shots in standard deviations, mrad or MOA, the range error in
// metres, a round target's diameter.
TEST(Zasah, InputsReachTheRunInItsUnits) {
  ZasahSession s;
  std::shared_ptr<THitJob> job;
  s.z().runner = [&](std::shared_ptr<THitJob> j) { job = std::move(j); };
  struct Case {
    int kind, unit;
    const char* precision;
    double sigmaRad;
  };
  const double moa = M_PI / 10800;
  for (const Case& c : {Case{0, 1, "1", 0.001}, Case{1, 0, "2,41", moa}, Case{2, 0, "3,07", moa},
                        Case{3, 1, "3,81", 0.001}}) {
    Apply(s.z(), "ComboBox2", std::to_string(c.kind));
    Apply(s.z(), "ComboBox3", std::to_string(c.unit));
    s.z().Edit3.SetText(c.precision);
    ASSERT_TRUE(s.Act([&] { s.z().Button1.Click(); }).empty());
    ASSERT_TRUE(job);
    EXPECT_NEAR(job->settings.dispersionRad, c.sigmaRad, 1e-12) << c.kind;
    job->progress.cancel = true;
    s.z().FinishRun();
  }
  Apply(s.z(), "ComboBox1", "1");
  Apply(s.z(), "ComboBox4", "1");
  s.z().Edit7.SetText("15");
  ASSERT_TRUE(s.Act([&] { s.z().Button1.Click(); }).empty());
  EXPECT_EQ(job->settings.target, THitTarget::Circle);
  EXPECT_EQ(job->settings.targetWidthM, 0.2);
  EXPECT_EQ(job->settings.rangeSigmaM, 15);
  EXPECT_EQ(job->settings.rangeSigmaFraction, 0);
}

// A run handed to a worker: while it goes on the window refuses "Výpočet" and "Vymaž"; a
// cancelled run leaves the previous result as it was, a finished one adds its own.
TEST(Zasah, CancelledRunLeavesThePreviousResult) {
  ZasahSession s;
  Tzasah& z = s.z();
  ASSERT_TRUE(s.Act([&] { z.Button1.Click(); }).empty());
  const auto previous = z.Memo1.Lines();
  const double previousLast = z.graph().Slot(0).y[10];

  std::vector<std::shared_ptr<THitJob>> jobs;
  z.runner = [&](std::shared_ptr<THitJob> j) { jobs.push_back(std::move(j)); };
  // Running, "Výpočet", "Vymaž", "Přerušit", busy label.
  auto state = [&] {
    return std::vector<bool>{z.Running(), z.Button1.Enabled(), z.Button2.Enabled(),
                             z.Button3.Enabled(), z.Label1.Visible()};
  };
  z.Edit9.SetText("500");
  ASSERT_TRUE(s.Act([&] { z.Button1.Click(); }).empty());
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(state(), (std::vector<bool>{true, false, false, true, true}));
  z.Button1.Click();
  z.Button2.Click();
  EXPECT_EQ(jobs.size(), 1u);
  EXPECT_EQ(z.Memo1.Lines(), previous);

  z.Button3.Click();
  jobs[0]->Execute();
  EXPECT_TRUE(jobs[0]->rows.empty());
  ASSERT_TRUE(s.Act([&] { z.FinishRun(); }).empty());
  EXPECT_EQ(state(), (std::vector<bool>{false, true, true, false, false}));
  EXPECT_EQ(z.Memo1.Lines(), previous);
  EXPECT_EQ(z.graph().Slot(0).Count(), 11);
  EXPECT_EQ(z.graph().Slot(0).y[10], previousLast);

  ASSERT_TRUE(s.Act([&] { z.Button1.Click(); }).empty());
  ASSERT_EQ(jobs.size(), 2u);
  jobs[1]->Execute();
  ASSERT_TRUE(s.Act([&] { z.FinishRun(); }).empty());
  EXPECT_GT(z.Memo1.Lines().size(), previous.size());
  EXPECT_EQ(z.graph().Slot(0).Count(), 9);
}

}  // namespace
