// An action that ends with a message leaves nothing behind: what "Ulož" and the start-up file
// would write, every control of the calculation window but its result panel, and the
// cartridge list are as they were before the click.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/TextFile.h"
#include "drg_support.h"
#include "files/ParameterFile.h"
#include "forms/StringGrid.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Session;
using uitest::Shown;

std::string Read(const std::string& path) {
  return ReadFileBytes(path).value_or("<missing>");
}

// What a person could see or save, one control a line.
std::string Everything(Session& s) {
  Tvstup& w = s.w();
  const std::string folder = s.platform().ProgramFolder();
  std::ostringstream out;
  if (w.Button5.Enabled()) {
    s.platform().QueueModalAnswer("Button1");
    s.platform().QueueFileAnswer(folder + "/saved.txt");
    out << "saved: " << (s.Act([&] { w.Button5.Click(); }) == Shown{})
        << Read(folder + "/saved.txt");
  }
  std::remove((folder + "/init").c_str());
  w.FormDestroy();
  out << "\ninit: " << Read(folder + "/init") << "\n";
  for (const forms::Control* c : w.Controls()) {
    if (c == &w.Memo1) continue;
    out << c->Name() << ' ' << c->Enabled() << c->Visible() << c->OffsetX();
    if (auto* e = dynamic_cast<const forms::Edit*>(c)) out << ' ' << e->Text();
    if (auto* k = dynamic_cast<const forms::Captioned*>(c)) out << ' ' << k->Caption();
    if (auto* t = dynamic_cast<const forms::Toggle*>(c)) out << ' ' << t->Checked();
    if (auto* g = dynamic_cast<const forms::RadioGroup*>(c)) out << ' ' << g->ItemIndex();
    if (auto* b = dynamic_cast<const forms::ComboBox*>(c))
      out << ' ' << b->ItemIndex() << b->Text();
    if (auto* u = dynamic_cast<const forms::UpDown*>(c)) out << ' ' << u->Position();
    if (auto* b = dynamic_cast<const forms::ScrollBar*>(c)) out << ' ' << b->Position();
    if (auto* i = dynamic_cast<const forms::Image*>(c)) {
      for (const forms::DrawOp& op : i->Picture().Ops())
        out << ' ' << op.x1 << ',' << op.y1 << ',' << op.x2 << ',' << op.y2 << op.text;
    }
    out << '\n';
  }
  const forms::StringGrid& list = s.app().tabulka().StringGrid1;
  for (int r = 0; r < list.RowCount(); ++r) {
    for (int col = 0; col < list.ColCount(); ++col) out << list.Cell(col, r) << '\t';
    out << '\n';
  }
  return out.str();
}

// The lines of after that differ from those of before.
std::string Changed(const std::string& before, const std::string& after) {
  std::istringstream b(before), a(after);
  std::string lb, la, out;
  for (;;) {
    lb.clear();
    la.clear();
    const bool more = static_cast<bool>(std::getline(b, lb));
    if (!std::getline(a, la) && !more) break;
    if (lb != la) out += "before: " + lb.substr(0, 200) + "\nafter:  " + la.substr(0, 200) + "\n";
  }
  return out;
}

struct AbortCase {
  std::string name;
  std::vector<std::pair<std::string, std::string>> steps;  // typed before the click
  std::vector<std::string> files;  // what the file dialogs of the action return ({dir}: folder)
  std::string control;             // clicked
  std::string message;             // empty: one message that names a file
};

class ActionAbort : public testing::TestWithParam<AbortCase> {};

TEST_P(ActionAbort, LeavesEverythingAsBeforeTheClick) {
  const AbortCase& k = GetParam();
  Session s;
  Tvstup& w = s.w();
  const std::string dir = s.platform().ProgramFolder();
  auto inDir = [&](std::string text) {
    if (const size_t at = text.find("{dir}"); at != std::string::npos) text.replace(at, 5, dir);
    return text;
  };
  std::vector<drgtest::Pair> many;
  for (int i = 0; i < 320; ++i) many.push_back({0.3, i * 0.01});
  std::ofstream(dir + "/many.drg", std::ios::binary) << drgtest::PlainDrg(many);
  std::ofstream(dir + "/damaged.drg", std::ios::binary) << "0.2629 0.0 0.2558 0.05\r\n";
  std::ofstream(dir + "/afile") << "x";
  HeaderWindowState header;
  header.dragItem = kDragLoaded;
  header.drgPath = dir + "/damaged.drg";
  const std::string text = WriteParameterHeader(w.computation().in, header, HeaderLayout::Text);
  std::ofstream(dir + "/damaged.txt", std::ios::binary) << text;
  std::ofstream(dir + "/short.txt", std::ios::binary) << text.substr(0, text.find("Teplota"));

  s.app().nastaveniuloz().RadioGroup1.Pick(3);  // "Ulož" writes every trajectory point
  ASSERT_EQ(s.Act([&] { w.Button3.Click(); }), Shown{});
  for (const auto& [control, value] : k.steps) uitest::Apply(w, control, value);
  const std::string before = Everything(s);

  for (const std::string& file : k.files) {
    if (file == "Pokračovat") {
      s.platform().QueueModalAnswer("Button1");
    } else {
      s.platform().QueueFileAnswer(inDir(file));
    }
  }
  const Shown shown = s.Act([&] {
    forms::Control* c = w.Find(k.control);
    if (auto* upDown = dynamic_cast<forms::UpDown*>(c)) upDown->Click(true);
    if (auto* button = dynamic_cast<forms::Button*>(c)) button->Click();
  });
  ASSERT_EQ(shown.size(), 1u);
  if (!k.message.empty()) EXPECT_EQ(shown[0], Msg(k.message));
  EXPECT_EQ(Changed(before, Everything(s)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ActionAbort,
    testing::Values(
        AbortCase{"compute_late_check",
                  {{"Edit2", "12"}, {"Edit9", "101"}},
                  {},
                  "Button3",
                  "Vlhkost vzduchu větší než 100%."},
        AbortCase{"compute_without_limits",
                  {{"Edit2", "12"}, {"CheckBox4", "off"}, {"CheckBox5", "off"}},
                  {},
                  "Button3",
                  "Není zadáno žádné omezení grafu."},
        AbortCase{"compute_zero_beyond_range",
                  {{"Edit19", "5000"}},
                  {},
                  "Button3",
                  "Záměrná vzdálenost je větší než dostřel střely."},
        AbortCase{"compute_step_limit",
                  {{"CheckBox8", "off"},
                   {"ScrollBar1", "1"},
                   {"CheckBox4", "on"},
                   {"CheckBox5", "off"},
                   {"Edit15", "2000"}},
                  {},
                  "Button3",
                  "Dosaženo maximálního počtu kroků. Zvětšete krok."},
        AbortCase{"speed_above_muzzle",
                  {{"CheckBox10", "on"}, {"RadioGroup5", "2"}, {"Edit21", "900"}},
                  {},
                  "Button12",
                  "Požadovaná rychlost větší než počáteční"},
        AbortCase{"speed_of_no_coefficient",
                  {{"Edit21", "800"}},
                  {},
                  "Button12",
                  "Žádný balistický koeficient od 0.001 do 20 nedává požadovanou rychlost."},
        AbortCase{"drop_angle_above_5",
                  {{"Edit26", "5000"}},
                  {},
                  "Button14",
                  "Překročen maximální úhel výstřelu 5 stupňů"},
        AbortCase{"optimal_zero_no_rise",
                  {{"CheckBox10", "on"}, {"Edit41", "0"}},
                  {},
                  "Button10",
                  "Maximální převýšení menší nebo rovno 0 cm."},
        AbortCase{"optimal_zero_above_45",
                  {{"Edit41", "500000"}},
                  {},
                  "Button10",
                  "Překročen úhel 45 stupňů"},
        AbortCase{
            "incline_above_89", {{"Edit14", "89,5"}}, {}, "Button11", "Úhel větší než 89 stupňů."},
        AbortCase{"reticle_compute_check",
                  {{"CheckBox4", "on"}, {"Edit9", "101"}},
                  {},
                  "Button19",
                  "Vlhkost vzduchu větší než 100%."},
        AbortCase{"save_unwritable", {}, {"Pokračovat", "{dir}/afile/x.txt"}, "Button5", ""},
        AbortCase{"load_damaged_drg", {}, {"{dir}/damaged.txt"}, "Button15", "Chybný formát dat."},
        AbortCase{"load_incomplete_header",
                  {},
                  {"{dir}/short.txt"},
                  "Button15",
                  "Neúplné záhlaví s parametry, nic nebylo načteno."},
        AbortCase{
            "drg_too_many_pairs", {}, {"{dir}/many.drg"}, "Button4", "Příliš mnoho vstupních dat."},
        AbortCase{"click_counter_angle",
                  {{"Edit6", "x"}},
                  {},
                  "UpDown1",
                  "'x' není platné desetinné číslo."},
        AbortCase{"add_to_list",
                  {{"Edit22", "10"}, {"Edit1", "0"}},
                  {},
                  "Button7",
                  "Balistický koeficient menší nebo roven nule."}),
    [](const auto& info) { return info.param.name; });

}  // namespace
