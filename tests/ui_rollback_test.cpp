// An action that ends with a message leaves nothing behind: what "Ulož" and the start-up file
// would write, every control of the calculation window but its result panel, and the list
// rows are as they were before the click.
#include <cstdio>
#include <fstream>

#include "core/TextFile.h"
#include "files/ParameterFile.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui_test_support.h"

namespace {

using uitest::Session;

std::vector<std::string> Everything(Session& s) {
  Tvstup& w = s.w();
  const std::string dir = s.platform().ProgramFolder();
  std::vector<std::string> out;
  if (w.Button5.Enabled()) {
    s.platform().QueueModalAnswer("Button1");
    s.platform().QueueFileAnswer(dir + "/saved.txt");
    s.Act([&] { w.Button5.Click(); });
    out.push_back(ReadFileBytes(dir + "/saved.txt").value_or("no save"));
  }
  std::remove((dir + "/init").c_str());
  w.FormDestroy();
  out.push_back(ReadFileBytes(dir + "/init").value_or("no start-up file"));
  for (const forms::Control* c : w.Controls()) {
    if (c != &w.Memo1) out.push_back(uitest::Showing(*c));
  }
  const forms::StringGrid& list = s.app().tabulka().StringGrid1;
  for (int r = 0; r < list.RowCount(); ++r) out.push_back(list.Cell(1, r) + list.Cell(2, r));
  return out;
}

struct AbortCase {
  std::string name;
  std::vector<std::pair<std::string, std::string>> steps;  // typed, or a file dialog's answer
  std::string button, message;
};

class ActionAbort : public testing::TestWithParam<AbortCase> {};

TEST_P(ActionAbort, LeavesEverythingAsBeforeTheClick) {
  const AbortCase& k = GetParam();
  Session s;
  Tvstup& w = s.w();
  const std::string dir = s.platform().ProgramFolder();
  const std::string header = WriteParameterHeader(w.computation().in, {}, HeaderLayout::Text);
  std::ofstream(dir + "/short.txt", std::ios::binary) << header.substr(0, header.find("Tepl"));
  s.app().nastaveniuloz().RadioGroup1.Pick(3);  // "Ulož" writes every trajectory point
  ASSERT_EQ(s.Act([&] { w.Button3.Click(); }), uitest::Shown{});
  for (const auto& [control, value] : k.steps) {
    if (control != "file") uitest::Apply(w, control, value);
  }
  const std::vector<std::string> before = Everything(s);
  for (const auto& [control, value] : k.steps) {
    if (control == "file") s.platform().QueueFileAnswer(dir + value);
  }
  EXPECT_EQ(s.Act([&] { dynamic_cast<forms::Button*>(w.Find(k.button))->Click(); }),
            uitest::Shown{uitest::Msg(k.message)});
  const std::vector<std::string> after = Everything(s);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paths, ActionAbort, testing::Values(
    AbortCase{"compute_late_check", {{"Edit2", "12"}, {"Edit9", "101"}}, "Button3",
              "Vlhkost vzduchu větší než 100%."},
    AbortCase{"compute_zero_beyond_range", {{"Edit19", "5000"}}, "Button3",
              "Záměrná vzdálenost je větší než dostřel střely."},
    AbortCase{"speed_above_muzzle", {{"CheckBox10", "on"}, {"RadioGroup5", "2"}, {"Edit21", "900"}},
              "Button12", "Požadovaná rychlost větší než počáteční"},
    AbortCase{"drop_angle_above_5", {{"Edit26", "5000"}}, "Button14",
              "Překročen maximální úhel výstřelu 5 stupňů"},
    AbortCase{"optimal_zero_above_45", {{"CheckBox10", "on"}, {"Edit41", "500000"}}, "Button10",
              "Překročen úhel 45 stupňů"},
    AbortCase{"incline_above_89", {{"Edit14", "89,5"}}, "Button11", "Úhel větší než 89 stupňů."},
    AbortCase{"reticle_compute_check", {{"CheckBox4", "on"}, {"Edit9", "101"}}, "Button19",
              "Vlhkost vzduchu větší než 100%."},
    AbortCase{"load_incomplete_header", {{"file", "/short.txt"}}, "Button15",
              "Neúplné záhlaví s parametry, nic nebylo načteno."},
    AbortCase{"add_to_list", {{"Edit22", "10"}, {"Edit1", "0"}}, "Button7",
              "Balistický koeficient menší nebo roven nule."},
    AbortCase{"drag_graph", {{"Edit2", "0"}}, "Button16", "Hmotnost menší nebo rovna nule."}),
    [](const auto& info) { return info.param.name; });
// clang-format on

}  // namespace
