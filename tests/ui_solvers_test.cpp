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
  EXPECT_FALSE(w.CheckBox8.Checked());
  EXPECT_TRUE(w.Memo1.Lines().empty());
  EXPECT_EQ(w.computation().sightLineRiseM, 0);
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
