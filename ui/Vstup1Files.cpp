// Saved computations, parameter files, the start-up file and the cartridge list.
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/TextFile.h"
#include "engine/RangeTable.h"
#include "files/ParameterFile.h"
#include "files/SavedComputation.h"
#include "ui/Application.h"
#include "ui/Karta1.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui/Vstup1.h"

namespace {

constexpr const char* kStartupFileName = "init";

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

}  // namespace

HeaderWindowState Tvstup::ParameterHeaderState() const {
  HeaderWindowState s;
  s.cartridgeName = Edit33.Text();
  s.dragItem = ComboBox6.ItemIndex();
  s.drgPath = comp_->drgPath;
  s.coefficientMode = RadioGroup5.ItemIndex();
  s.bandOn = {CheckBox6.Checked(), CheckBox7.Checked(), CheckBox9.Checked()};
  s.clickItem = ComboBox2.ItemIndex();
  s.ownClickText = Edit24.Text();
  return s;
}

SavedTableState Tvstup::TableState() const {
  SavedTableState table;
  table.variableCrossWind = RadioGroup4.ItemIndex() == 1;
  table.coriolis = CheckBox10.Checked();
  table.spinDrift = CheckBox3.Checked();
  table.slantEntry = RadioButton2.Checked();
  return table;
}

void Tvstup::WireFileHandlers() {
  Button1.OnClick = [this] { Button1Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button7.OnClick = [this] { Button7Click(); };
  Button15.OnClick = [this] { Button15Click(); };
  // The range card prints what "Ulož" saves, so it can be pressed exactly when that can.
  Button21.SetCaption("Karta do PDF");
  Button21.SetEnabled(Button5.Enabled());
  Button5.Subscribe([this] { Button21.SetEnabled(Button5.Enabled()); });
  Button21.OnClick = [this] { app_.karta().Print(); };
}

void Tvstup::Button5Click() {
  const ActionRollback rollback(*this);
  CheckBox12.SetChecked(false);
  Tnastaveniuloz& dialog = app_.nastaveniuloz();
  platform().ShowWindow(dialog, true);
  if (!CheckBox12.Checked()) return;
  const SaveOptions options = dialog.Options();

  forms::FileDialogOptions file;
  const bool csv = options.format == 1 || options.format == 2;
  file.defaultName = csv ? "Výpočet.csv" : "Výpočet.txt";
  file.filter = csv ? "CSV soubory (*.csv)|*.csv" : "Textové soubory (*.txt)|*.txt";
  file.defaultExt = csv ? "csv" : "txt";
  file.overwritePrompt = true;
  file.initialDir = platform().ProgramFolder();
  const auto path = platform().SaveFileDialog(file);
  if (!path) return;

  // Table rows closer than the integration advances would be skipped.
  const TTrajectory& tr = comp_->trajectory;
  while (tr.xM[10] - tr.xM[9] >= comp_->in.tableStepM && ComboBox1.ItemIndex() < 7) {
    ComboBox1.SetItemIndex(ComboBox1.ItemIndex() + 1);
    ComboBox1Change();
    Memo1.Add(" Krok v uložených datech uměle zvětšen.");
  }

  const InclineState incline{comp_->sightLineRiseM, comp_->inclineDistanceM};
  const std::string text =
      WriteSavedComputation(tr, comp_->in, ParameterHeaderState(), TableState(), incline, options);
  const std::string error = SaveTextFile(*path, text);
  if (!error.empty()) ShowMessageAbort(error);
}

void Tvstup::Button15Click() {
  forms::FileDialogOptions options;
  options.filter = "Balistické parametry  (*.txt)|*.txt";
  options.initialDir = platform().ProgramFolder();
  const auto path = platform().OpenFileDialog(options);
  if (!path) return;
  LoadParameterFile(*path);
}

void Tvstup::LoadParameterFile(const std::string& path) {
  const ActionRollback rollback(*this);
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return;
  const ParameterRecord r = ReadParameterFile(*bytes);
  if (r.formatError) {
    ShowMessageAbort("Chybný formát dat. Nejedná se o výstupní soubor z Vnější trajekty 2.4.");
  }
  if (r.incomplete) ShowMessageAbort("Neúplné záhlaví s parametry, nic nebylo načteno.");
  RadioGroup5.SetItemIndex(1);
  const bool drgMissing = r.dragItem == kDragLoaded && !ReadFileBytes(r.dragText);
  if (r.dragItem == kDragLoaded) {
    if (!drgMissing) LoadDrgPath(r.dragText);
  } else if (r.dragItem > 0) {
    ComboBox6.SetItemIndex(r.dragItem);
    ComboBox6Change();
  }
  // "Načti funkci odporu" proposes the file the header names.
  if (ComboBox6.ItemIndex() == kDragLoaded) drgDialogName_ = r.dragText;

  if (r.coefficientKind == 'P') {
    RadioGroup5.SetItemIndex(2);
    forms::Edit* speeds[] = {&Edit30, &Edit31, &Edit32, &Edit34, &Edit35};
    forms::Edit* coefficients[] = {&Edit36, &Edit37, &Edit38, &Edit39, &Edit40};
    forms::CheckBox* switches[] = {&CheckBox6, &CheckBox7, &CheckBox9};
    for (int i = 0; i < 2; ++i) {
      speeds[i]->SetText(FormatNumber(r.bandSpeed[i]));
      coefficients[i]->SetText(FormatNumber(r.bandCoefficient[i]));
    }
    for (auto* box : switches) box->SetChecked(false);
    for (int i = 2; i < r.bandCount; ++i) {
      speeds[i]->SetText(FormatNumber(r.bandSpeed[i]));
      coefficients[i]->SetText(FormatNumber(r.bandCoefficient[i]));
      switches[i - 2]->SetChecked(true);
    }
  } else if (r.coefficientKind == 'B') {
    Edit1.SetText(FormatNumber(r.coefficient));
    if (ComboBox6.ItemIndex() == kDragLoaded) {
      RadioGroup5.SetItemIndex(0);
      Edit1.SetText(FormatNumber(r.formFactor));
    }
  }

  const std::pair<forms::Edit*, double> projectile[] = {
      {&Edit2, r.massG},         {&Edit3, r.diameterMm},     {&Edit4, r.muzzleVelocity},
      {&Edit5, r.sightHeightMm}, {&Edit6, r.launchAngleDeg}, {&Edit19, r.zeroDistanceM}};
  for (const auto& [edit, value] : projectile) edit->SetText(FormatNumber(value));

  if (r.ownClickValue) Edit24.SetText(FormatNumber(r.clickValue));
  if (r.clickItem >= 0) {
    ComboBox2.SetItemIndex(r.clickItem);
    ComboBox2Change();
  }

  const std::pair<forms::Edit*, double> air[] = {
      {&Edit13, r.temperatureC}, {&Edit8, r.pressureHpa}, {&Edit9, r.humidityPct},
      {&Edit10, r.crossWind},    {&Edit11, r.rangeWind},  {&Edit55, r.verticalWind},
      {&Edit58, r.gravity}};
  for (const auto& [edit, value] : air) edit->SetText(FormatNumber(value));
  Edit33.SetText(r.cartridgeName);

  comp_->in.temperatureK = Number(Edit13) + 273.15;
  comp_->in.pressurePa = Number(Edit8) * 100;
  const double altitude = AltitudeFromPressure(comp_->in.temperatureK, comp_->in.pressurePa);
  // A pressure of 0 or less has no altitude; the field keeps what it had.
  if (std::isfinite(altitude)) Edit29.SetText(FormatNumber(altitude));

  RadioGroup3.SetItemIndex(1);
  RadioGroup4.SetItemIndex(0);
  RadioGroup7.SetItemIndex(0);
  RadioGroup6.SetItemIndex(0);
  if (drgMissing) platform().ShowMessage(MissingDrgMessage(r.dragText));
}

// The coefficient read for a DRG function that is not there now serves the function the
// window keeps; the shooter learns which.
std::string Tvstup::MissingDrgMessage(const std::string& path) const {
  const int grid = comp_->gridFunction;
  const std::string function = grid == kDragLoaded ? "ze souboru " + FileNameOf(comp_->drgPath)
                                                   : std::string(DragFunctionName(grid));
  std::string coefficient = "proměnným balistickým koeficientem";
  if (RadioGroup5.ItemIndex() == 0) coefficient = "koeficientem tvaru " + Edit1.Text();
  if (RadioGroup5.ItemIndex() == 1) coefficient = "balistickým koeficientem " + Edit1.Text();
  return "DRG funkce odporu nenalezena: " + path + ". Výpočet pokračuje s funkcí odporu " +
         function + " a " + coefficient + ".";
}

void Tvstup::ReadStartupFile() {
  const std::string path = InFolder(platform().ProgramFolder(), kStartupFileName);
  forms::RunUserAction(platform(), [&] { LoadParameterFile(path); });
}

void Tvstup::FormDestroy() {
  if (!Button5.Enabled()) return;
  const std::string path = InFolder(platform().ProgramFolder(), kStartupFileName);
  const std::string header =
      WriteParameterHeader(comp_->in, ParameterHeaderState(), HeaderLayout::Text);
  const std::string error = SaveTextFile(path, header);
  // At the very end a message only helps where someone can read it.
  if (!error.empty() && platform().HasDisplay()) platform().ShowMessage(error);
}

void Tvstup::Button1Click() {
  platform().ShowWindow(app_.tabulka(), false);
  Button7.SetEnabled(true);
}

void Tvstup::Button7Click() {
  const ActionRollback rollback(*this, {&app_.tabulka()});
  if (RadioGroup5.ItemIndex() == 0)
    ShowMessageAbort("Do seznamu se ukládá pouze balistický koeficient");
  Ttabulka& list = app_.tabulka();
  forms::StringGrid& g = list.StringGrid1;
  forms::StringGrid::Update batch(g);
  int n = 0;
  if (g.RowCount() == 2 && g.Cell(1, 1) == "0") {
    n = 1;
  } else {
    list.Button5Click();
    n = g.RowCount() - 1;
  }

  TShotInputs& in = comp_->in;
  in.muzzleVelocity = Number(Edit4);
  if (Number(Edit22) != 0) {
    ResolveCoefficient();
    CorrectMuzzleVelocity();
    in.muzzleVelocity = RoundTo(in.muzzleVelocity, 0);
  }
  const std::string v = list.ToComma(FormatNumber(in.muzzleVelocity));

  const int item = ComboBox6.ItemIndex();
  if (item > 0 && item < kDragFunctionCount) g.SetCell(3, n, ComboBox6.Items()[item]);
  g.SetCell(1, n, Edit3.Text());
  g.SetCell(4, n, Edit2.Text());
  g.SetCell(6, n, "60");
  g.SetCell(5, n, v);
  g.SetCell(7, n, Edit33.Text());
  if (RadioGroup5.ItemIndex() == 1) {
    g.SetCell(2, n, Edit1.Text());
    return;
  }
  g.SetCell(2, n, Edit36.Text());
  const forms::Edit* coefficients[] = {&Edit37, &Edit38, &Edit39, &Edit40};
  const forms::Edit* speeds[] = {&Edit31, &Edit32, &Edit34, &Edit35};
  const bool on[] = {true, CheckBox6.Checked(), CheckBox7.Checked(), CheckBox9.Checked()};
  for (int band = 0; band < 4; ++band) {
    if (!on[band]) continue;
    list.Button5Click();
    const int row = g.RowCount() - 1;
    g.SetCell(1, row, Edit3.Text());
    g.SetCell(4, row, Edit2.Text());
    g.SetCell(7, row, " Proměnný balistický koeficient");
    g.SetCell(3, row, "prom.");
    g.SetCell(6, row, "60");
    g.SetCell(2, row, coefficients[band]->Text());
    g.SetCell(5, row, speeds[band]->Text());
  }
}
