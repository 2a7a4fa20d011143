// The special solver actions of the calculation window: fields, boxes and report lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

bool HasLine(const Tvstup& w, const std::string& line) {
  const auto& lines = w.Memo1.Lines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(OptimalZero, FourCentimetres) {
  Session s;
  Tvstup& w = s.w();
  w.CheckBox10.Click();
  w.CheckBox3.Click();
  w.CheckBox4.Click();
  ASSERT_EQ(s.Act([&] { w.Button10.Click(); }), Shown{});
  EXPECT_EQ(w.Edit16.Text(), "-0,04");
  EXPECT_TRUE(HasLine(w, "  Zadané maximální převýšení:          4.0  cm"));
  const std::string zero = w.Edit19.Text();
  EXPECT_EQ(zero.find(','), std::string::npos);
  EXPECT_TRUE(HasLine(w, "  Optimální nástřelná vzdálenost:       " + zero + "  m"));
  EXPECT_EQ(w.RadioGroup3.ItemIndex(), 1);
  EXPECT_FALSE(w.CheckBox4.Checked());
  EXPECT_TRUE(w.CheckBox5.Checked());
  EXPECT_FALSE(w.CheckBox10.Checked());
  EXPECT_FALSE(w.CheckBox3.Checked());
  EXPECT_FALSE(w.Button5.Enabled());
  EXPECT_TRUE(w.BitBtn1.Enabled());
  EXPECT_TRUE(w.CheckBox1.Enabled());

  w.Edit41.SetText("0");
  EXPECT_EQ(s.Act([&] { w.Button10.Click(); }),
            Shown{Msg("Maximální převýšení menší nebo rovno 0 cm.")});
}

TEST(Incline, DefaultsAfterAComputation) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.Button3.Click(); }), Shown{});
  w.Button5.SetEnabled(false);
  w.Memo1.Clear();
  ASSERT_EQ(s.Act([&] { w.Button11.Click(); }), Shown{});
  const auto& lines = w.Memo1.Lines();
  ASSERT_GE(lines.size(), 11u);
  EXPECT_EQ(lines[3],
            " Š.V. [m]  Y [cm]    Klik      V [m/s]        E [J]      T [ms]   "
            "Vítr [cm]   Klik ");
  EXPECT_EQ(lines[6].substr(0, 4), "  25");
  EXPECT_EQ(lines[9].substr(0, 4), " 100");
  EXPECT_NEAR(w.computation().sightLineRiseM, 70.71, 0.01);
  EXPECT_NEAR(w.computation().inclineDistanceM, 70.71, 0.01);
  EXPECT_TRUE(w.Button5.Enabled());
  EXPECT_TRUE(w.CheckBox8.Checked());
  EXPECT_EQ(w.ComboBox1.ItemIndex(), 3);

  // The two modes convert the fields.
  w.RadioButton1.Click();
  EXPECT_EQ(w.Edit7.Text(), "70,7");
  EXPECT_EQ(w.Edit14.Text(), "70,7");
  EXPECT_EQ(w.Label10.Caption(), "Výška:");
  w.RadioButton2.Click();
  EXPECT_EQ(w.Edit7.Text(), "100");
  EXPECT_EQ(w.Edit14.Text(), "45");

  // An abort leaves the automatic step off and prints nothing.
  w.Memo1.Clear();
  w.Edit7.SetText("0");
  EXPECT_EQ(s.Act([&] { w.Button11.Click(); }), Shown{Msg("Vzdálenost menší nebo rovna  0 m.")});
  EXPECT_FALSE(w.CheckBox8.Checked());
  EXPECT_TRUE(w.Memo1.Lines().empty());
}

TEST(CoefficientFromVelocity, FiveMetreRuleAndVariableCoefficient) {
  Session s;
  Tvstup& w = s.w();
  w.Edit22.SetText("296");
  EXPECT_EQ(s.Act([&] { w.Button12.Click(); }), Shown{Msg("Vzdálenost hradel větší než 30 m.")});
  w.Edit20.SetText("30");
  w.Edit22.SetText("26");
  EXPECT_EQ(s.Act([&] { w.Button12.Click(); }), Shown{Msg("Vzdálenost menší než 5 m.")});
  w.Edit22.SetText("25");
  w.Edit21.SetText("790");
  w.RadioGroup5.Pick(2);
  w.Memo1.Clear();
  ASSERT_EQ(s.Act([&] { w.Button12.Click(); }), Shown{});
  EXPECT_EQ(w.RadioGroup5.ItemIndex(), 1);
  const auto& lines = w.Memo1.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "  Koeficienty vztažené k funkci odporu vzduchu G1:");
  const std::string printed = lines[3].substr(lines[3].find(": ") + 2, 6);
  EXPECT_EQ("  Balistický koeficient: " + printed + "  ", lines[3]);
  EXPECT_EQ(w.Edit1.Text(), FormatNumber(std::stod(printed)));
  for (const forms::Control* c : std::initializer_list<const forms::Control*>{
           &w.RadioGroup1, &w.BitBtn1, &w.Button5, &w.CheckBox1, &w.CheckBox2}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
  }

  w.Edit21.SetText("0");
  EXPECT_EQ(s.Act([&] { w.Button12.Click(); }),
            Shown{Msg("Požadovaná rychlost menší nebo rovna nule.")});
}

TEST(CoefficientFromDrop, DefaultsAndRefusedDistances) {
  Session s;
  Tvstup& w = s.w();
  w.RadioGroup5.Pick(0);
  ASSERT_EQ(s.Act([&] { w.Button14.Click(); }), Shown{});
  EXPECT_EQ(w.RadioGroup3.ItemIndex(), 0);
  EXPECT_TRUE(w.Edit6.Visible());
  EXPECT_EQ(w.Edit6.Text(), "0,301346");
  EXPECT_EQ(w.Memo1.Lines().back(), "  Úhel výstřelu [deg]:   0.3013  ");
  EXPECT_EQ(w.Label1.Caption(), "Koeficient tvaru:");  // the form factor goes into Edit1

  const std::string edit1 = w.Edit1.Text();
  const size_t lineCount = w.Memo1.Lines().size();
  for (const char* second : {"100", "50"}) {
    w.Edit27.SetText(second);
    EXPECT_EQ(s.Act([&] { w.Button14.Click(); }),
              Shown{Msg("Vzdálenost1 musí být menší než Vzdálenost2.")});
  }
  EXPECT_EQ(w.Edit1.Text(), edit1);
  EXPECT_EQ(w.Memo1.Lines().size(), lineCount);
}

}  // namespace
