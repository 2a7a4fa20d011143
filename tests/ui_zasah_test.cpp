// The hit probability window: its checks, and the calculation window left as it was.
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
};

class ZasahChecks : public ::testing::TestWithParam<BadInput> {};

TEST_P(ZasahChecks, OneMessageAndNoResult) {
  ZasahSession s;
  const BadInput& c = GetParam();
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
  EXPECT_EQ(s.z().Memo1.Lines().back(),
            "  Maximální vzdálenost s pravděpodobností zásahu alespoň 90 %: 200 m");
  EXPECT_EQ(s.z().graph().Slot(0).Count(), 11);
  EXPECT_EQ(w.Memo1.Lines(), memo);
  EXPECT_EQ(w.Edit19.Text(), "150,7");
  EXPECT_EQ(w.Edit6.Text(), angle);
  EXPECT_EQ(w.computation().trajectory.stepCount, steps);
  EXPECT_EQ(w.computation().trajectory.yCm[steps], lastHeight);
}

}  // namespace
