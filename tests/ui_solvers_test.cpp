// What the solver actions leave in the calculation window beyond what the scenario prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

bool HasLine(const Tvstup& w, const std::string& line) {
  const auto& lines = w.Memo1.Lines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(OptimalZero, ReportsTheZeroItWroteAndKeepsTheGraphControls) {
  Session s;
  Tvstup& w = s.w();
  w.CheckBox3.Click();
  ASSERT_EQ(s.Act([&] { w.Button10.Click(); }), Shown{});
  const std::string zero = w.Edit19.Text();
  EXPECT_EQ(zero.find(','), std::string::npos);
  EXPECT_TRUE(HasLine(w, "  Optimální nástřelná vzdálenost:       " + zero + "  m"));
  EXPECT_FALSE(w.CheckBox3.Checked());
  EXPECT_FALSE(w.Button5.Enabled());
  EXPECT_TRUE(w.BitBtn1.Enabled());
  EXPECT_TRUE(w.CheckBox1.Enabled());
}

// The search aims at 99 % of the entered rise, and the table ends that far below the line
// of sight: the Y limit is -0.99 times the rise, in metres to 3 decimals.
TEST(OptimalZero, AimsAt99PercentOfTheEnteredRise) {
  for (const auto& [entered, limit] :
       {std::pair{"4", "-0,04"}, {"10", "-0,099"}, {"20", "-0,198"}}) {
    Session s;
    s.w().Edit41.SetText(entered);
    ASSERT_EQ(s.Act([&] { s.w().Button10.Click(); }), Shown{});
    EXPECT_EQ(s.w().Edit16.Text(), limit) << entered;
  }
}

TEST(Incline, LeavesTheTargetForSavingAndAbortsWithoutPrinting) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.Button11.Click(); }), Shown{});
  EXPECT_NEAR(w.computation().sightLineRiseM, 70.71, 0.01);
  EXPECT_NEAR(w.computation().inclineDistanceM, 70.71, 0.01);
  EXPECT_EQ(w.ComboBox1.ItemIndex(), 3);  // the print step is the unscaled 25 m again

  w.Memo1.Clear();
  w.Edit7.SetText("0");
  EXPECT_EQ(s.Act([&] { w.Button11.Click(); }), Shown{Msg("Vzdálenost menší nebo rovna  0 m.")});
  EXPECT_TRUE(w.CheckBox8.Checked());
  EXPECT_TRUE(w.Memo1.Lines().empty());
  EXPECT_NEAR(w.computation().sightLineRiseM, 70.71, 0.01);  // the target of the last table
}

TEST(CoefficientFromDrop, FormFactorIntoEdit1AndRefusalsChangeNothing) {
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup5.Pick(0);
  ASSERT_EQ(s.Act([&] { w.Button14.Click(); }), Shown{});
  const auto& lines = w.Memo1.Lines();
  ASSERT_GE(lines.size(), 3u);
  const std::string line = lines[lines.size() - 3];
  EXPECT_EQ(w.Edit1.Text(), FormatNumber(std::stod(line.substr(line.find(": ") + 2))));
  EXPECT_EQ(w.Label1.Caption(), "Koeficient tvaru:");

  const std::string edit1 = w.Edit1.Text(), edit6 = w.Edit6.Text();
  const size_t lineCount = lines.size();
  for (const char* second : {"100", "50"}) {
    w.Edit27.SetText(second);
    EXPECT_EQ(s.Act([&] { w.Button14.Click(); }),
              Shown{Msg("Vzdálenost1 musí být menší než Vzdálenost2.")});
  }
  EXPECT_EQ(w.Edit1.Text(), edit1);
  EXPECT_EQ(w.Edit6.Text(), edit6);
  EXPECT_EQ(w.Memo1.Lines().size(), lineCount);
}

}  // namespace
