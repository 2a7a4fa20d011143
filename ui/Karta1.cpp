#include "ui/Karta1.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/Angles.h"
#include "engine/RangeTable.h"
#include "files/ParameterFile.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

constexpr double kCardFromM = 100, kCardStepM = 50;

// A number as the card prints it: fixed decimals, a decimal comma, no sign on a zero.
std::string Comma(double value, int decimals) {
  std::string s = Sprintf("%.*f", decimals, value);
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  for (char& ch : s) {
    if (ch == '.') ch = ',';
  }
  return s;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
#ifdef _WIN32
  localtime_s(&t, &now);  // MinGW has no localtime_r
#else
  localtime_r(&now, &t);
#endif
  return Sprintf("%d. %d. %d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
}

std::string Trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Blanks run together, as in the click list's "1/4  MOA".
std::string Collapsed(const std::string& s) {
  std::string out;
  for (char ch : Trimmed(s)) {
    if (ch != ' ' || out.empty() || out.back() != ' ') out += ch;
  }
  return out;
}

// The file name a cartridge name proposes: without characters a file name cannot hold and
// without the dots and blanks that would stand before ".pdf".
std::string FileStem(const std::string& cartridge) {
  std::string stem;
  for (char ch : cartridge)
    stem += std::string("/\\:*?\"<>|").find(ch) == std::string::npos ? ch : '_';
  while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
  stem = Trimmed(stem);
  return stem.empty() ? "Karta" : stem;
}

struct ColumnChoice {
  const char* caption;
  CardColumn column;
  int decimals;
};
const ColumnChoice kChoices[Tkarta::kColumnChoices] = {
    {"Výška – počet kliků", {"Výška", "[klik]"}, 1},
    {"Výška v MOA", {"Výška", "[MOA]"}, 1},
    {"Výška v mrad", {"Výška", "[mrad]"}, 2},
    {"Vítr 1 m/s – počet kliků", {"Vítr", "[klik]"}, 1},
    {"Vítr 1 m/s v mrad", {"Vítr", "[mrad]"}, 2},
    {"Doba letu", {"T", "[ms]"}, 0},
    {"Rychlost", {"V", "[m/s]"}, 0},
    {"Energie", {"E", "[J]"}, 0},
};
constexpr bool kDefaultChoices[Tkarta::kColumnChoices] = {true,  true, false, true,
                                                          false, true, true,  false};
constexpr int kWindClicks = 3, kWindMrad = 4;

// The A4 table has the columns of the computation's report.
struct ReportColumn {
  CardColumn column;
  int value;
  int decimals;
};
const ReportColumn kReportColumns[] = {
    {{"Y", "[cm]"}, kColHeightCm, 1},        {{"Y", "[klik]"}, kColHeightClicks, 1},
    {{"V", "[m/s]"}, kColSpeed, 0},          {{"E", "[J]"}, kColEnergy, 0},
    {{"T", "[ms]"}, kColTimeMs, 0},          {{"Vítr", "[cm]"}, kColDriftCm, 1},
    {{"Vítr", "[klik]"}, kColDriftClicks, 1}};

// The parameter header of a saved file from "Náboj:" on, with decimal commas.
std::vector<std::string> HeaderLines(const Tvstup& w, const Computation& c) {
  std::vector<std::string> lines;
  const std::string header =
      WriteParameterHeader(c.in, w.ParameterHeaderState(), HeaderLayout::CzechCsv);
  bool started = false;
  for (const auto& line : SplitLines(header)) {
    started = started || line.find("Náboj:") != std::string::npos;
    const std::string text = Trimmed(line);
    if (started && !text.empty()) lines.push_back(text);
  }
  // The values stand in one column, as a monospace page shows them best.
  size_t labelChars = 0;
  for (const auto& line : lines) {
    const size_t colon = line.find(':');
    if (colon != std::string::npos)
      labelChars = std::max(labelChars, Utf8Length(line.substr(0, colon)));
  }
  for (auto& line : lines) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string label = line.substr(0, colon + 1);
    line = label + std::string(labelChars + 2 - Utf8Length(label), ' ') +
           Trimmed(line.substr(colon + 1));
  }
  for (const auto& flag : SavedTableFlags(w.TableState())) lines.push_back(flag);
  return lines;
}

std::string CoefficientText(const Computation& c) {
  const std::string function = c.gridFunction == kDragLoaded
                                   ? FileNameOf(c.drgPath)
                                   : std::string(DragFunctionName(c.gridFunction));
  switch (c.in.coefficientMode) {
    case 0:
      return "i " + Comma(c.in.formFactor, 3) + " (" + function + ")";
    case 2:
      return "BC proměnný (" + function + ")";
    default:
      return "BC " + Comma(c.in.ballisticCoefficient, 3) + " (" + function + ")";
  }
}

std::string ClickText(const Tvstup& w) {
  const int item = w.ComboBox2.ItemIndex();
  if (item == 7 || item == 8) return Trimmed(w.Edit24.Text()) + " " + w.Label5.Caption();
  const auto& items = w.ComboBox2.Items();
  return item >= 0 && item < static_cast<int>(items.size()) ? Collapsed(items[item]) : "";
}

// The short parameter lines of the small sizes.
std::vector<std::string> ShortParameters(const Tvstup& w, const Computation& c) {
  const TShotInputs& in = c.in;
  const std::string air = in.pressureMode == 1 ? Comma(in.altitudeM, 0) + " m n. m."
                                               : Comma(in.pressurePa / 100, 1) + " hPa";
  return {CoefficientText(c) + " · v0 " + Comma(in.muzzleVelocity, 0) + " m/s · nástřel " +
              Comma(in.zeroDistanceM, 0) + " m",
          "Výška mířidel " + Comma(in.sightHeightM * 1000, 0) + " mm · 1 klik = " + ClickText(w),
          Comma(in.temperatureK - 273.15, 1) + " °C · " + air + " · vlhkost " +
              Comma(in.humidityPct, 0) + " %"};
}

std::string WindNote(const TShotInputs& in) {
  std::string wind = "při proměnném příčném větru";
  if (in.crossWindMode != 1) {
    wind = "při příčném větru " + Comma(std::fabs(in.crossWind), 1) + " m/s";
    if (in.crossWind != 0) wind += in.crossWind > 0 ? " zleva" : " zprava";
  }
  return "Vítr: posun v cm " + wind + "; klik: oprava doprava (+), doleva (−).";
}

}  // namespace

Tkarta::Tkarta(Application& app, forms::Platform& platform)
    : forms::Window("Tkarta", "Karta do PDF", platform), app_(app) {
  RegisterAll(RadioGroup1, Edit1, Edit2, Edit3, CheckBox1, CheckBox2, CheckBox3, CheckBox4,
              CheckBox5, CheckBox6, CheckBox7, CheckBox8, Button1, Button2);
  RadioGroup1.SetCaption("Velikost");
  RadioGroup1.SetItems({"A4: parametry, tabulka a graf", "A6", "Karta 85 × 54 mm"});
  for (int i = 0; i < kColumnChoices; ++i) {
    Column(i)->SetCaption(kChoices[i].caption);
    Column(i)->OnClick = [this] { ColumnClick(); };
  }
  Button1.SetCaption("Pokračovat");
  Button2.SetCaption("Zrušit");
  RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  // Distances typed for a computation stay until the next one brings its own defaults.
  for (forms::Edit* e : {&Edit1, &Edit2, &Edit3}) e->Subscribe([this] { source_ = Source(); });
}

void Tkarta::FormCreate() {
  for (int i = 0; i < kColumnChoices; ++i) Column(i)->SetChecked(kDefaultChoices[i]);
  RadioGroup1.SetItemIndex(0);
}

forms::CheckBox* Tkarta::Column(int i) {
  forms::CheckBox* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                              &CheckBox5, &CheckBox6, &CheckBox7, &CheckBox8};
  return i >= 0 && i < kColumnChoices ? boxes[i] : nullptr;
}

std::vector<int> Tkarta::ChosenColumns() const {
  const forms::CheckBox* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,
                                    &CheckBox5, &CheckBox6, &CheckBox7, &CheckBox8};
  std::vector<int> chosen;
  for (int i = 0; i < kColumnChoices; ++i) {
    if (boxes[i]->Checked()) chosen.push_back(i);
  }
  return chosen;
}

Tkarta::TableSource Tkarta::Source() const {
  const Tvstup& w = app_.vstup();
  const Computation& c = app_.vstup().computation();
  const TTrajectory& tr = c.trajectory;
  return {tr.stepCount, tr.xM[tr.stepCount], tr.yCm[tr.stepCount], c.in.tableStepM,
          w.TableState().slantEntry};
}

// A4 and A6 print the table's own rows; the card every 50 m from 100 m, as many as it holds.
void Tkarta::SetDefaultDistances() {
  const Computation& c = app_.vstup().computation();
  const double end = TableEndM(c, app_.vstup().TableState().slantEntry);
  if (Size() != CardSize::Card) {
    Edit1.SetText("0");
    Edit2.SetText(FormatNumber(end));
    Edit3.SetText(FormatNumber(c.in.tableStepM));
    return;
  }
  RangeCardContent layoutOnly = Content();
  layoutOnly.rows.clear();
  const int rows = RowsOnFirstPage(layoutOnly, CardSize::Card);
  double to = kCardFromM + (rows - 1) * kCardStepM;
  // The zero row between two card rows takes a place of its own.
  const double zero = c.in.zeroDistanceM;
  const double onGrid = std::fmod(zero - kCardFromM, kCardStepM);
  if (zero > kCardFromM && zero <= to && onGrid != 0 && rows > 1) to -= kCardStepM;
  Edit1.SetText(FormatNumber(kCardFromM));
  Edit2.SetText(FormatNumber(to));
  Edit3.SetText(FormatNumber(kCardStepM));
}

void Tkarta::RadioGroup1Click() {
  SetDefaultDistances();
  ColumnClick();
}

// At most five columns: the others wait until one is taken off. A4 has the report's columns.
void Tkarta::ColumnClick() {
  const bool small = Size() != CardSize::A4;
  const bool room = static_cast<int>(ChosenColumns().size()) < kMaxColumns;
  for (int i = 0; i < kColumnChoices; ++i)
    Column(i)->SetEnabled(small && (room || Column(i)->Checked()));
}

void Tkarta::Print() {
  Tvstup& w = app_.vstup();
  if (!w.Button5.Enabled()) return;
  if (!(Source() == source_)) SetDefaultDistances();
  confirmed_ = false;
  platform().ShowWindow(*this, true);
  if (!confirmed_) return;

  forms::FileDialogOptions file;
  file.defaultName = FileStem(w.Edit33.Text()) + ".pdf";
  file.filter = "Dokument PDF  (*.pdf)|*.pdf";
  file.defaultExt = "pdf";
  file.overwritePrompt = true;
  file.initialDir = platform().ProgramFolder();
  const auto path = platform().SaveFileDialog(file);
  if (!path) return;

  // The graph shows the title of Edit33, as "Graf do .bmp" saves it.
  if (Size() == CardSize::A4 && !w.graph().TitleDrawn()) w.graph().Redraw();
  const auto pdf = platform().RenderPdf(LayoutRangeCard(Content(), Size()));
  if (!pdf) ShowMessageAbort("Dokument PDF nelze vytvořit.");
  const std::string error = WriteFileBytes(*path, *pdf);
  if (!error.empty()) ShowMessageAbort(error);
}

void Tkarta::Button1Click() {
  Tvstup& w = app_.vstup();
  if (!w.Button5.Enabled()) ShowMessageAbort("Karta se tiskne z hotového výpočtu.");
  const double from = ParseNumber(Edit1.Text());
  const double to = ParseNumber(Edit2.Text());
  const double step = ParseNumber(Edit3.Text());
  if (from < 0) ShowMessageAbort("Vzdálenost Od menší než 0 m.");
  if (to < from) ShowMessageAbort("Vzdálenost Do menší než vzdálenost Od.");
  if (step <= 0) ShowMessageAbort("Krok menší nebo roven 0 m.");
  if ((to - from) / step >= kMaxRows)
    ShowMessageAbort("Příliš mnoho řádků (nejvýše 2000), zvětšete krok.");
  const std::vector<int> chosen = ChosenColumns();
  const bool small = Size() != CardSize::A4;
  if (small && chosen.empty()) ShowMessageAbort("Vyberte alespoň jeden sloupec.");
  if (small && static_cast<int>(chosen.size()) > kMaxColumns)
    ShowMessageAbort("Vyberte nejvýše pět sloupců.");
  bool windHold = false;
  for (int i : chosen) windHold = windHold || (small && (i == kWindClicks || i == kWindMrad));

  IntegrationHooks hooks;
  hooks.busy = w.Hooks().busy;
  table_ = ComputeRangeCardTable(w.computation(), TableRange{from, step, to},
                                 w.TableState().slantEntry, windHold, hooks);
  if (table_.rows.empty()) ShowMessageAbort("V zadaném rozsahu není žádný řádek tabulky.");
  confirmed_ = true;
  platform().CloseWindow(*this);
}

void Tkarta::Button2Click() {
  platform().CloseWindow(*this);
}

RangeCardContent Tkarta::Content() const {
  Tvstup& w = app_.vstup();
  const Computation& c = w.computation();
  const bool a4 = Size() == CardSize::A4;
  RangeCardContent k;
  k.title = Trimmed(w.Edit33.Text());
  if (k.title.empty()) k.title = "Balistická karta";
  k.date = today ? today() : Today();
  k.columns.push_back({w.TableState().slantEntry && c.sightLineRiseM != 0 ? "Š.V." : "X", "[m]"});
  k.notes.push_back(a4 ? "Y: výška nad záměrnou v cm (− pod ní); klik: oprava nahoru (+), dolů (−)."
                       : "Výška: oprava nahoru (+), dolů (−) vůči záměrné přímce.");
  const std::vector<int> chosen = ChosenColumns();
  if (a4) {
    k.parameters = HeaderLines(w, c);
    k.notes.push_back(WindNote(c.in));
    k.graph = &w.Graf0.Picture();
    for (const auto& r : kReportColumns) k.columns.push_back(r.column);
  } else {
    k.parameters = ShortParameters(w, c);
    bool wind = false;
    for (int i : chosen) {
      k.columns.push_back(kChoices[i].column);
      wind = wind || i == kWindClicks || i == kWindMrad;
    }
    if (wind) k.notes.push_back("Vítr: oprava na 1 m/s příčného větru, točit proti větru.");
  }

  for (size_t r = 0; r < table_.rows.size(); ++r) {
    const RangeRowValues& v = table_.rows[r];
    std::vector<std::string> cells{Comma(v[kColDistance], 0)};
    if (a4) {
      for (const auto& col : kReportColumns) cells.push_back(Comma(v[col.value], col.decimals));
    }
    for (int i : a4 ? std::vector<int>{} : chosen) {
      const double values[kColumnChoices] = {
          v[kColHeightClicks],
          v[kColHeightMoa],
          v[kColHeightMoa] * kMradPerMoa,
          r < table_.windClicks.size() ? table_.windClicks[r] : 0,
          r < table_.windMrad.size() ? table_.windMrad[r] : 0,
          v[kColTimeMs],
          v[kColSpeed],
          v[kColEnergy]};
      cells.push_back(Comma(values[i], kChoices[i].decimals));
    }
    k.rows.push_back(std::move(cells));
  }
  return k;
}
