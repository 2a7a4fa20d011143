// The calculation window as a new user meets it: repeated clicks, refused switches, the graph
// before and after the first computation, and the numbers of the report.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "tests/ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

std::vector<std::string> Texts(const forms::Canvas& canvas) {
  std::vector<std::string> texts;
  for (const auto& op : canvas.Ops()) {
    if (op.kind == forms::OpKind::Text) texts.push_back(op.text);
  }
  return texts;
}

TEST(RepeatedClick, SelectedOrdinateClickedAgainKeepsTheSightLine) {
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.Button3.Click(); }), Shown{});
  ASSERT_TRUE(w.CheckBox1.Checked());
  const uint64_t revision = w.Graf0.Picture().Revision();
  EXPECT_EQ(s.Act([&] { w.RadioGroup1.Pick(0); }), Shown{});
  EXPECT_TRUE(w.CheckBox1.Checked());
  EXPECT_TRUE(w.graph().Slot(1).visible);
  EXPECT_EQ(w.Graf0.Picture().Revision(), revision);
}

// ---- RadioGroup5 refusing a value

struct RefusalCase {
  std::string name;
  int startItem;  // picked before the bad value is typed
  std::string field, text;
  int pick;
  std::string message;
};

struct CoefficientView {
  int item;
  std::string caption, value;
  bool unit, valueEnabled, bandsEnabled;
  bool operator==(const CoefficientView&) const = default;
};

void PrintTo(const CoefficientView& v, std::ostream* os) {
  *os << "item " << v.item << " \"" << v.caption << "\" unit " << v.unit << " Edit1 \"" << v.value
      << "\" enabled " << v.valueEnabled << " bands " << v.bandsEnabled;
}

CoefficientView ViewOf(Tvstup& w) {
  return {w.RadioGroup5.ItemIndex(), w.Label1.Caption(), w.Edit1.Text(),
          w.Label2.Visible(),        w.Edit1.Enabled(),  w.Edit36.Enabled()};
}

class RadioGroup5Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RadioGroup5Refusal, GroupStaysOnItsItem) {
  const RefusalCase& c = GetParam();
  Session s;
  Tvstup& w = s.w();
  ASSERT_EQ(s.Act([&] { w.RadioGroup5.Pick(c.startItem); }), Shown{});
  uitest::Apply(w, c.field, c.text);
  const CoefficientView before = ViewOf(w);
  EXPECT_EQ(s.Act([&] { w.RadioGroup5.Pick(c.pick); }), Shown{Msg(c.message)});
  EXPECT_EQ(ViewOf(w), before);
}

INSTANTIATE_TEST_SUITE_P(Values, RadioGroup5Refusal,
                         ::testing::Values(RefusalCase{"ZeroMass", 1, "Edit2", "0", 0,
                                                       "Hmotnost menší nebo rovna nule."},
                                           RefusalCase{"NegativeDiameter", 1, "Edit3", "-7", 0,
                                                       "Průměr střely menší nebo roven nule."},
                                           RefusalCase{
                                               "ZeroCoefficient", 1, "Edit1", "0", 0,
                                               "Balistický koeficient menší nebo roven nule."},
                                           RefusalCase{"ZeroFormFactor", 0, "Edit1", "0", 1,
                                                       "Koeficient tvaru menší nebo roven nule."},
                                           RefusalCase{"ZeroMassFromVariable", 2, "Edit2", "0", 0,
                                                       "Hmotnost menší nebo rovna nule."}),
                         [](const auto& info) { return info.param.name; });

// ---- Graph title and the graph before the first computation

TEST(GraphTitle, FollowsEdit33OnEveryRedraw) {
  Session s;
  Tvstup& w = s.w();
  std::vector<const forms::Canvas*> saved;
  s.platform().pictureWriter = [&](const forms::Canvas& c, const std::string&) {
    saved.push_back(&c);
    return true;
  };
  ASSERT_EQ(s.Act([&] { w.Button3.Click(); }), Shown{});
  const std::vector<std::pair<std::string, std::function<void()>>> redraws{
      {"bore line", [&] { w.CheckBox2.Click(); }},
      {"zoom",
       [&] {
         w.Graf0.MouseDown(60, 40);
         w.Graf0.MouseUp(300, 200);
       }},
      {"double click", [&] { w.Graf0.DblClick(100, 100); }},
      {"saved bitmap",
       [&] {
         s.platform().QueueFileAnswer(s.platform().ProgramFolder() + "/g.bmp");
         w.Button9.Click();
       }},
  };
  for (const auto& [name, act] : redraws) {
    const std::string title = "Náboj po: " + name;
    w.Edit33.SetText(title);
    EXPECT_EQ(s.Act(act), Shown{}) << name;
    const auto texts = Texts(w.Graf0.Picture());
    EXPECT_NE(std::find(texts.begin(), texts.end(), title), texts.end()) << name;
  }
  EXPECT_EQ(saved.size(), 1u);
}

TEST(GraphBeforeComputation, KeepsTheResetGridWhateverIsPicked) {
  Session s;
  Tvstup& w = s.w();
  const auto reset = Texts(w.Graf0.Picture());
  for (const auto& [control, value] :
       std::vector<std::pair<std::string, std::string>>{{"RadioGroup1", "2"},
                                                        {"RadioGroup2", "0"},
                                                        {"RadioGroup2", "1"},
                                                        {"RadioGroup1", "0"},
                                                        {"CheckBox1", "on"},
                                                        {"CheckBox2", "on"},
                                                        {"CheckBox2", "off"}}) {
    EXPECT_EQ(s.Act([&] { uitest::Apply(w, control, value); }), Shown{});
    EXPECT_EQ(Texts(w.Graf0.Picture()), reset) << control << " " << value;
    EXPECT_FALSE(w.BitBtn1.Enabled()) << control << " " << value;
  }
}

// ---- Report numbers use a point whatever the user's separator

class ReportSeparator : public ::testing::TestWithParam<char> {};

TEST_P(ReportSeparator, NoNumberInTheResultPanelHasAComma) {
  Session s(GetParam());
  Tvstup& w = s.w();
  const std::vector<std::function<void()>> reports{
      [&] {
        w.CheckBox3.Click();  // spin drift: the rotation report and the final spin
        w.Button3.Click();
      },
      [&] {
        w.ComboBox4.Pick(0);
        w.Button13.Click();
      },
      [&] {  // a run stopped within half a metre
        w.CheckBox8.Click();
        w.ScrollBar1.Scroll(1);
        w.CheckBox4.Click();
        w.CheckBox5.Click();
        w.Edit15.SetText(FormatNumber(0.3));
        w.Button3.Click();
      },
  };
  for (const auto& report : reports) EXPECT_EQ(s.Act(report), Shown{});
  const std::regex decimalComma("[0-9],[0-9]");
  for (const auto& line : w.Memo1.Lines()) {
    EXPECT_FALSE(std::regex_search(line, decimalComma)) << line;
  }
  const auto& lines = w.Memo1.Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "  Dráha střely je kratší než 0.5 m, tabulka nemá další řádky."),
            lines.end());
}

INSTANTIATE_TEST_SUITE_P(Separators, ReportSeparator, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

}  // namespace
