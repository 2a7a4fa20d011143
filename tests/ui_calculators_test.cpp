// The small calculators opened from the menu: unit conversions, ICAO atmosphere, muzzle
// velocity corrections and energy, driven as a person drives them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/ui_test_support.h"
#include "ui/Energie1.h"
#include "ui/Nmv1.h"
#include "ui/Prevody1.h"
#include "ui/Teplotaprachu1.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

std::string TextOf(forms::Window& w, const std::string& name) {
  forms::Control* c = w.Find(name);
  if (auto* edit = dynamic_cast<forms::Edit*>(c)) return edit->Text();
  if (auto* label = dynamic_cast<forms::Captioned*>(c)) return label->Caption();
  ADD_FAILURE() << "no text control " << name;
  return {};
}

void Press(Session& s, forms::Window& w, const std::string& button, Shown expectedBoxes) {
  auto* b = dynamic_cast<forms::Button*>(w.Find(button));
  ASSERT_NE(b, nullptr) << button;
  EXPECT_EQ(s.Act([&] { b->Click(); }), expectedBoxes) << button;
}

// One case: inputs typed, a button pressed, then either the results or a refusal that
// leaves every result as it was.
struct CalcCase {
  std::string name;
  std::string window;
  std::map<std::string, std::string> inputs;
  std::string button;
  std::map<std::string, std::string> results;
  std::string message;  // empty when the action succeeds
};

void PrintTo(const CalcCase& c, std::ostream* os) {
  *os << c.name;
}

class Calculator : public testing::TestWithParam<CalcCase> {};

TEST_P(Calculator, WritesResultsOrRefuses) {
  const CalcCase& c = GetParam();
  Session s;
  forms::Window& w = *s.app().FindWindow(c.window);
  for (const auto& [name, value] : c.inputs) uitest::Apply(w, name, value);
  std::map<std::string, std::string> before;
  for (forms::Control* control : w.Controls()) {
    if (auto* label = dynamic_cast<forms::Label*>(control))
      before[label->Name()] = label->Caption();
  }
  Press(s, w, c.button, c.message.empty() ? Shown{} : Shown{Msg(c.message)});
  for (const auto& [name, value] : c.results) EXPECT_EQ(TextOf(w, name), value) << name;
  if (!c.message.empty()) {
    for (const auto& [name, caption] : before) EXPECT_EQ(TextOf(w, name), caption) << name;
  }
}

const char* const kAbove9000 = "Nadmořská výška větší než 9000 m.n.m.";
const char* const kBelow0 = "Nadmořská výška menší než 0 m.n.m.";
const char* const kZeroSpeed = "Rychlost menší nebo rovna 0 m/s.";
const char* const kHot = "Příliš vysoká teplota prachové náplně.";
const char* const kCold = "Příliš nízká teplota prachové náplně.";
const char* const kBarrelChange = "Příliš velká změna délky hlavně.";

CalcCase Conversion(std::string name, std::string source, std::string value, std::string button,
                    std::string target, std::string result) {
  return {name, "Tprevody", {{source, value}}, button, {{target, result}, {source, value}}, ""};
}

CalcCase Icao(std::string name, std::string h0, std::string h1, std::vector<std::string> results,
              std::string message = "") {
  CalcCase c{name, "Tnmv", {{"Edit3", h0}, {"Edit4", h1}}, "Button1", {}, message};
  const char* labels[] = {"Label13", "Label14", "Label16", "Label18"};
  for (size_t i = 0; i < results.size(); ++i) c.results[labels[i]] = results[i];
  return c;
}

CalcCase Powder(std::string name, std::string v, std::string t1, std::string t2, std::string result,
                std::string message = "") {
  CalcCase c{name, "Tteplotaprachu", {{"Edit1", v}, {"Edit2", t1}, {"Edit3", t2}}, "Button1",
             {},   message};
  if (message.empty()) c.results["Label1"] = result;
  return c;
}

CalcCase Barrel(std::string name, std::string v, std::string l1, std::string l2, std::string result,
                std::string message = "") {
  CalcCase c{name, "Tteplotaprachu", {{"Edit4", v}, {"Edit5", l1}, {"Edit6", l2}}, "Button2",
             {},   message};
  if (message.empty()) c.results["Label10"] = result;
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Calculator,
    testing::Values(
        // Every arrow of the unit conversions, with its factor and decimals
        Conversion("CmToIn", "Edit9", "100", "BitBtn9", "Edit10", "39,37"),
        Conversion("InToCm", "Edit10", "1", "BitBtn10", "Edit9", "2,54"),
        Conversion("MToFt", "Edit11", "1", "BitBtn11", "Edit12", "3,281"),
        Conversion("FtToM", "Edit12", "1", "BitBtn12", "Edit11", "0,305"),
        Conversion("MToYd", "Edit3", "100", "BitBtn3", "Edit4", "109,361"),
        Conversion("YdToM", "Edit4", "100", "BitBtn4", "Edit3", "91,44"),
        Conversion("GToGr", "Edit1", "1", "BitBtn2", "Edit2", "15,4324"),
        Conversion("GrToG", "Edit2", "1", "BitBtn1", "Edit1", "0,0648"),
        Conversion("GToOz", "Edit13", "100", "BitBtn14", "Edit14", "3,527"),
        Conversion("OzToG", "Edit14", "2", "BitBtn13", "Edit13", "56,699"),
        Conversion("MpsToFtps", "Edit5", "800", "BitBtn5", "Edit6", "2624,672"),
        Conversion("FtpsToMps", "Edit6", "2600", "BitBtn6", "Edit5", "792,48"),
        Conversion("JToFtLb", "Edit7", "1", "BitBtn7", "Edit8", "0,738"),
        Conversion("FtLbToJ", "Edit8", "1", "BitBtn8", "Edit7", "1,356"),
        Conversion("MpaToPsi", "Edit15", "1", "BitBtn15", "Edit16", "145,04"),
        Conversion("PsiToMpa", "Edit16", "1", "BitBtn16", "Edit15", "0,01"),
        Conversion("MpaToBar", "Edit17", "1", "BitBtn17", "Edit18", "10"),
        Conversion("BarToMpa", "Edit18", "1", "BitBtn18", "Edit17", "0,1"),
        Conversion("NegativeTieGoesUp", "Edit17", "-0,0125", "BitBtn17", "Edit18", "-0,12"),
        CalcCase{"NotANumberKeepsTarget",
                 "Tprevody",
                 {{"Edit9", "abc"}},
                 "BitBtn9",
                 {{"Edit10", "0"}},
                 "'abc' není platné desetinné číslo."},
        // ICAO atmosphere from the start values 15 C, 1013,25 hPa
        Icao("StartValues", "0", "350", {"12,73", "971,89", "1,184", "338,95"}),
        Icao("SeaLevel", "0", "0", {"15", "1013,25", "1,225", "340,29"}),
        // The standard air of 350 m (12,725 C, 971,89 hPa) reduced to sea level.
        CalcCase{"FromStandardAirAt350",
                 "Tnmv",
                 {{"Edit1", "12,725"}, {"Edit2", "971,89"}, {"Edit3", "350"}, {"Edit4", "0"}},
                 "Button1",
                 {{"Label13", "15"}, {"Label14", "1013,25"}},
                 ""},
        Icao("Tropopause", "0", "11000", {"-56,5", "226,17", "0,364", "295,07"}),
        Icao("PressureFallsAboveTropopause", "0", "15000", {"-56,5", "120,36", "0,194", "295,07"}),
        Icao("HighestAccepted", "0", "20000", {"-56,5", "54,71", "0,088", "295,07"}),
        Icao("AboveHighest", "0", "20000,1", {}, "Nadmořská výška větší než 20000 m.n.m."),
        Icao("MeasuredAbove9000", "9000,5", "350", {}, kAbove9000),
        Icao("MeasuredBelowSea", "-1", "350", {}, kBelow0),
        Icao("WantedBelowSea", "0", "-1", {}, kBelow0),
        // Powder temperature
        Powder("Warmer", "800", "15", "25", "811,2"),
        Powder("BackTo15", "811,2", "25", "15", "800"),
        Powder("LimitsAccepted", "800", "40", "-30", "724,25"),
        Powder("TooHot", "800", "15", "40,1", "", kHot),
        Powder("TooCold", "800", "-30,1", "15", "", kCold),
        Powder("NoSpeed", "0", "50", "15", "", kZeroSpeed),
        // Barrel length: the change per centimetre follows the velocity
        Barrel("Shorter800", "800", "60", "55", "788"),
        Barrel("Shorter600", "600", "60", "55", "595"),
        Barrel("Shorter601", "601", "60", "55", "595"),
        Barrel("Longer1000", "1000", "60", "85", "1090"),
        Barrel("Fast1500Unchanged", "1500", "60", "40", "1500"),
        Barrel("TooLong", "800", "60", "85,5", "", kBarrelChange),
        Barrel("NoBarrel", "800", "0", "55", "", "Délka hlavně menší nebo rovna 0 cm"),
        Barrel("NoSpeedFirst", "-1", "0", "55", "", kZeroSpeed),
        // Energy
        CalcCase{"EnergySi",
                 "Tenergie",
                 {{"Edit1", "800"}, {"Edit2", "10,89"}, {"Edit3", "7,62"}},
                 "Button1",
                 {{"Label1", "3484,8"},
                  {"Label21", "2570,3"},
                  {"Label10", "8,71"},
                  {"Label22", "63,01"},
                  {"Label11", "441"},
                  {"Label14", "7641,5"},
                  {"Label23", "36361,6"},
                  {"Label16", "18,8"},
                  {"Label24", "0,267"}},
                 ""},
        CalcCase{"EnergyImperial",
                 "Tenergie",
                 {{"Edit1", "2600"},
                  {"Edit2", "168"},
                  {"Edit3", "0,308"},
                  {"CheckBox1", "off"},
                  {"CheckBox2", "off"},
                  {"CheckBox3", "off"}},
                 "Button1",
                 {{"Label1", "3418,4"},
                  {"Label21", "2521,3"},
                  {"Label10", "8,63"},
                  {"Label11", "437"},
                  {"Edit1", "2600"},
                  {"Label2", "ft/s"},
                  {"Label3", "gr"},
                  {"Label4", "in"}},
                 ""},
        CalcCase{"EnergyNoSpeed", "Tenergie", {{"Edit1", "0"}}, "Button1", {}, kZeroSpeed},
        CalcCase{"EnergyNoMass",
                 "Tenergie",
                 {{"Edit2", "-1"}},
                 "Button1",
                 {},
                 "Hmotnost menší nebo rovna 0 g."},
        CalcCase{"EnergyNoDiameter",
                 "Tenergie",
                 {{"Edit3", "0"}},
                 "Button1",
                 {},
                 "Průměr menší nebo roven 0 mm."}),
    [](const auto& info) { return info.param.name; });

TEST(Calculators, MenuOpensEachWindowWithoutModality) {
  Session s;
  Tvstup& v = s.w();
  const std::vector<std::pair<forms::Button*, forms::Window*>> items = {
      {&v.N1, &s.app().prevody()},
      {&v.N3, &s.app().nmv()},
      {&v.N4, &s.app().teplotaprachu()},
      {&v.N5, &s.app().energie()}};
  for (auto [item, window] : items) {
    EXPECT_EQ(s.Act([&] { item->Click(); }), Shown{});
    EXPECT_TRUE(window->Shown()) << window->Name();
  }
}

// Both take the calculation window's texts: the energy window once, at creation; the
// velocity window at creation and at every activation.
TEST(Calculators, StartTextsComeFromTheCalculationWindow) {
  Session s;
  Tenergie& e = s.app().energie();
  Tteplotaprachu& t = s.app().teplotaprachu();
  EXPECT_EQ(e.Edit1.Text(), s.w().Edit4.Text());
  EXPECT_EQ(e.Edit2.Text(), "10,89");
  EXPECT_EQ(e.Edit3.Text(), "7,85");
  EXPECT_EQ(t.Edit1.Text(), "800");

  s.w().Edit4.SetText("850");
  s.Act([&] { s.w().N4.Click(); });
  EXPECT_EQ(t.Edit1.Text(), "850");
  EXPECT_EQ(t.Edit4.Text(), "850");
  EXPECT_EQ(e.Edit1.Text(), "800");
}

}  // namespace
