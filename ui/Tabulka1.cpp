#include "ui/Tabulka1.h"

#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "files/ListFile.h"
#include "files/SavedComputation.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

constexpr const char* kFunctionNames[] = {"G1", "G2", "G5", "G6",  "G7",  "G8",
                                          "GL", "GS", "GC", "RA4", "1943"};

bool IsContinuation(const std::string& f) {
  return f == "prom." || f == "vari.";
}

bool IsBlankText(const std::string& s) {
  return s.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

Ttabulka::Ttabulka(Application& app, forms::Platform& platform)
    : forms::Window("Ttabulka", "Seznam nábojů", platform), app_(app) {
  RegisterAll(StringGrid1, Edit1, Button2, Button1, Button5, Button7, Button3, Button4, Edit2);
  const int widths[] = {40, 69, 38, 46, 71, 79, 69, 288};
  for (int c = 0; c < 8; ++c) StringGrid1.SetColWidth(c, widths[c]);
  Edit1.SetText("2");
  Button2.SetCaption("Vymaž řádek");
  Button1.SetCaption("Vymaž celou tabulku");
  Button5.SetCaption("Přidej řádek");
  Button7.SetCaption("Seřaďvzestupně");
  Button3.SetCaption("Načti seznam");
  Button4.SetCaption("Ulož seznam");
  Edit2.SetVisible(false);
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button7.OnClick = [this] { Button7Click(); };
  StringGrid1.OnMouseDown = [this](int x, int y) { StringGrid1MouseDown(x, y); };
}

void Ttabulka::FormCreate() {
  const char* headers[] = {" Průměr [mm]",         "  B.C.",          " Funkce ",
                           " Hmotnost [g]",        " Rychlost [m/s]", " Hlaveň [cm]",
                           "            Poznámka "};
  for (int c = 1; c <= 7; ++c) StringGrid1.SetCell(c, 0, headers[c - 1]);
  Edit2.SetText(FormatNumber(1.1));
  pointMode_ = Edit2.Text().size() > 1 && Edit2.Text()[1] == '.';
}

std::string Ttabulka::ToPoint(std::string text) const {
  if (pointMode_) {
    for (char& c : text) {
      if (c == ',') c = '.';
    }
  }
  return text;
}

std::string Ttabulka::ToComma(std::string text) const {
  if (pointMode_) {
    for (char& c : text) {
      if (c == '.') c = ',';
    }
  }
  return text;
}

void Ttabulka::Renumber() {
  for (int r = 1; r < StringGrid1.RowCount(); ++r) StringGrid1.SetCell(0, r, std::to_string(r));
}

void Ttabulka::Button3Click() {
  forms::FileDialogOptions options;
  options.filter = "Seznamy střel a nábojů (*.txt)|*.txt";
  options.initialDir = platform().ProgramFolder();
  const auto path = platform().OpenFileDialog(options);
  if (!path) return;
  const auto bytes = ReadFileBytes(*path);
  if (!bytes) {
    const std::string name = FileNameOf(*path);
    if (!name.empty() && name[0] == 's')
      ShowMessageAbort("Soubor strely.txt není v adresáři s trajekta.exe.");
    if (!name.empty() && name[0] == 'n')
      ShowMessageAbort("Soubor naboje.txt není v adresáři s trajekta.exe.");
    return;
  }
  const ListFileRecord list = ReadListFile(*bytes);
  if (list.notAList) ShowMessageAbort("Nejedná se o seznam nábojů.");
  forms::StringGrid::Update batch(StringGrid1);
  if (list.rows.empty()) {
    // A list without rows leaves the one empty row of a cleared table.
    Button1Click();
  } else {
    StringGrid1.SetRowCount(static_cast<int>(list.rows.size()) + 1);
    for (size_t i = 0; i < list.rows.size(); ++i) {
      for (int c = 1; c <= 7; ++c)
        StringGrid1.SetCell(c, static_cast<int>(i) + 1, list.rows[i][c - 1]);
    }
  }
  Renumber();
}

void Ttabulka::Button4Click() {
  forms::FileDialogOptions options;
  options.filter = "Textové soubory|*.txt|Datové soubory|*.dat";
  options.defaultExt = "txt";
  options.overwritePrompt = true;
  options.initialDir = platform().ProgramFolder();
  const auto path = platform().SaveFileDialog(options);
  if (!path) return;
  std::vector<ListRow> rows;
  for (int r = 1; r < StringGrid1.RowCount(); ++r) {
    if (StringGrid1.Cell(1, r) == "0") continue;
    ListRow row;
    bool empty = true;
    for (int c = 1; c <= 7; ++c) {
      const std::string& text = StringGrid1.Cell(c, r);
      empty = empty && IsBlankText(text);
      const bool numeric = c != 3 && c != 7;
      row[c - 1] = numeric ? ToComma(text) : text;
    }
    // A row nobody filled in is not a cartridge.
    if (!empty) rows.push_back(row);
  }
  const std::string error = SaveTextFile(*path, WriteListFile(rows));
  if (!error.empty()) ShowMessageAbort(error);
}

void Ttabulka::Button2Click() {
  const double typed = ParseNumber(Edit1.Text());
  const int rows = StringGrid1.RowCount();
  if (!(typed >= 1 && typed < rows)) {
    platform().ShowError("CHYBA", "Tento řádek neexistuje.");
    return;
  }
  const int n = static_cast<int>(std::trunc(typed));
  if (rows == 2) {
    platform().ShowError("CHYBA", "Nelze smazat.");
    return;
  }
  forms::StringGrid::Update batch(StringGrid1);
  for (int r = n; r < rows - 1; ++r) {
    for (int c = 1; c <= 7; ++c) StringGrid1.SetCell(c, r, StringGrid1.Cell(c, r + 1));
  }
  StringGrid1.SetRowCount(rows - 1);
}

void Ttabulka::Button1Click() {
  forms::StringGrid::Update batch(StringGrid1);
  StringGrid1.SetRowCount(2);
  for (int c = 1; c <= 7; ++c) StringGrid1.SetCell(c, 1, "0");
}

void Ttabulka::Button5Click() {
  forms::StringGrid::Update batch(StringGrid1);
  StringGrid1.SetRowCount(StringGrid1.RowCount() + 1);
  const int last = StringGrid1.RowCount() - 1;
  for (int c = 1; c <= 7; ++c) StringGrid1.SetCell(c, last, "0");
  Renumber();
}

void Ttabulka::Button7Click() {
  forms::StringGrid::Update batch(StringGrid1);
  const int rows = StringGrid1.RowCount();
  for (int pass = 0; pass < rows - 2; ++pass) {
    for (int j = 1; j <= rows - 2; ++j) {
      const double a = ParseNumber(ToPoint(StringGrid1.Cell(1, j)));
      const double b = ParseNumber(ToPoint(StringGrid1.Cell(1, j + 1)));
      if (!(b < a)) continue;
      for (int c = 1; c <= 7; ++c) {
        const std::string t = StringGrid1.Cell(c, j);
        StringGrid1.SetCell(c, j, StringGrid1.Cell(c, j + 1));
        StringGrid1.SetCell(c, j + 1, t);
      }
      StringGrid1.SetCell(1, j, ToComma(FormatNumber(b)));
      StringGrid1.SetCell(1, j + 1, ToComma(FormatNumber(a)));
    }
  }
}

void Ttabulka::StringGrid1MouseDown(int x, int y) {
  int col = 0, row = 0;
  if (!StringGrid1.MouseToCell(x, y, col, row) || row < 1) return;
  CopyRowToCalculation(row);
}

void Ttabulka::CopyRowToCalculation(int r) {
  const forms::StringGrid& g = StringGrid1;
  const std::string f = g.Cell(3, r);
  if (f.empty() || IsContinuation(f)) return;
  Tvstup& w = app_.vstup();
  w.RadioGroup5.SetItemIndex(1);
  for (int i = 0; i < 11; ++i) {
    if (f == kFunctionNames[i]) w.ComboBox6.SetItemIndex(i + 1);
  }
  w.ComboBox6Change();
  w.Edit33.SetText(g.Cell(7, r));
  w.Edit3.SetText(ToPoint(g.Cell(1, r)));
  w.Edit1.SetText(ToPoint(g.Cell(2, r)));
  w.Edit2.SetText(ToPoint(g.Cell(4, r)));
  w.Edit4.SetText(ToPoint(g.Cell(5, r)));
  auto continues = [&](int k) { return r + k < g.RowCount() && IsContinuation(g.Cell(3, r + k)); };
  if (continues(1)) {
    for (auto* e : {&w.Edit30, &w.Edit31, &w.Edit32, &w.Edit34, &w.Edit35, &w.Edit36, &w.Edit37,
                    &w.Edit38, &w.Edit39, &w.Edit40}) {
      e->SetText("0");
    }
    for (auto* box : {&w.CheckBox6, &w.CheckBox7, &w.CheckBox9}) box->SetChecked(false);
    w.RadioGroup5.SetItemIndex(2);
    w.Edit36.SetText(ToPoint(g.Cell(2, r)));
    w.Edit37.SetText(ToPoint(g.Cell(2, r + 1)));
    w.Edit30.SetText(ToPoint(g.Cell(5, r + 1)));
    w.Edit31.SetText(ToPoint(g.Cell(5, r + 1)));
    forms::Edit* coefficients[] = {&w.Edit38, &w.Edit39, &w.Edit40};
    forms::Edit* speeds[] = {&w.Edit32, &w.Edit34, &w.Edit35};
    forms::CheckBox* switches[] = {&w.CheckBox6, &w.CheckBox7, &w.CheckBox9};
    for (int k = 2; k <= 4 && continues(k); ++k) {
      coefficients[k - 2]->SetText(ToPoint(g.Cell(2, r + k)));
      speeds[k - 2]->SetText(ToPoint(g.Cell(5, r + k)));
      switches[k - 2]->SetChecked(true);
    }
  }
  Edit1.SetText(std::to_string(r));
}
