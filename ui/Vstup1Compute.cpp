// The compute action and the settings that shape its table.
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/TextFile.h"
#include "engine/RangeTable.h"
#include "solvers/LaunchAngle.h"
#include "ui/Vstup1.h"

namespace {
constexpr double kTableSteps[] = {1, 5, 10, 25, 50, 100, 200, 1000};
constexpr double kClickValues[] = {1.0 / 120,   1.0 / 180,   1.0 / 240,  1.0 / 480,
                                   0.005729577, 0.004010704, 0.002864788};
constexpr double kDisabledLimitM = 1000000;
}  // namespace

IntegrationHooks Tvstup::Hooks() {
  IntegrationHooks hooks;
  hooks.busy = [this](bool busy) {
    Label49.SetVisible(busy);
    if (busy) platform().RepaintNow(Label49);
  };
  hooks.autoStepChosen = [this](int position) {
    ScrollBar1.SetPosition(position);
    // The bar may already stand there; the label and the step follow the choice anyway.
    ScrollBar1Change();
  };
  hooks.report = [this](const std::string& line) { Memo1.Add(line); };
  return hooks;
}

void Tvstup::ComboBox1Change() {
  const int item = ComboBox1.ItemIndex();
  if (item >= 0 && item < 8) comp_->in.tableStepM = kTableSteps[item];
}

void Tvstup::ComboBox2Change() {
  const int item = ComboBox2.ItemIndex();
  Edit24.SetEnabled(false);
  if (item >= 0 && item <= 6) {
    comp_->in.clickDeg = kClickValues[item];
  } else if (item == 7) {
    Edit24.SetEnabled(true);
    Label5.SetCaption("mm/100m");
  } else if (item == 8) {
    Edit24.SetEnabled(true);
    Label5.SetCaption("MOA");
  }
}

void Tvstup::UpDown1Click(bool) {
  const ActionRollback rollback(*this);
  const int item = ComboBox2.ItemIndex();
  if (item == 7) comp_->in.clickDeg = std::atan(Number(Edit24) * 0.001 * 0.01) * 57.295779;
  if (item == 8) comp_->in.clickDeg = Number(Edit24) / 60;
  const int oldCount = static_cast<int>(ParseNumber(Label12.Caption()));
  const int position = UpDown1.Position();
  Label12.SetCaption(std::to_string(position));
  double angle = Number(Edit6);
  if (position > oldCount) angle += comp_->in.clickDeg;
  if (position < oldCount) angle -= comp_->in.clickDeg;
  Edit6.SetText(FormatNumber(RoundTo(angle, 6)));
  RadioGroup3.SetItemIndex(0);
}

void Tvstup::Button8Click() {
  UpDown1.SetPosition(0);
  Label12.SetCaption("0");
}

void Tvstup::SolveLaunchAngleInWindow() {
  if (comp_->in.solveMode == 2) CheckBox8.SetChecked(false);
  SolveReachableLaunchAngle(*comp_, Hooks());
  Edit6.SetText(FormatNumber(RoundTo(comp_->in.launchAngleDeg, 6)));
}

void Tvstup::Button3Click() {
  const ActionRollback rollback(*this);
  const int mode = RadioGroup3.ItemIndex();
  ReadShotInputs();
  TShotInputs& in = comp_->in;
  in.limitXM = kDisabledLimitM;
  in.limitYM = kDisabledLimitM;
  if (!CheckBox4.Checked() && !CheckBox5.Checked())
    ShowMessageAbort("Není zadáno žádné omezení grafu.");
  if (CheckBox4.Checked()) in.limitXM = Number(Edit15);
  if (CheckBox5.Checked()) in.limitYM = Number(Edit16);

  // In mode 2 the automatic step is off while the angle is solved and the trajectory runs.
  if (mode == 1 || mode == 2) SolveLaunchAngleInWindow();
  comp_->trajectory.Clear(true);
  IntegrateTrajectory(*comp_, TIntegrationMode::Full, Hooks());
  if (mode == 2) CheckBox8.SetChecked(true);

  // The graph changes several times below; it is drawn once, in its final state.
  TPlotCanvas::HeldRedraws oneRedraw(graph_);
  RefreshTrajectoryGraph();

  const TTrajectory& tr = comp_->trajectory;
  while (tr.stepCount >= 2 && tr.xM[2] - tr.xM[1] >= in.tableStepM && ComboBox1.ItemIndex() < 7) {
    ComboBox1.SetItemIndex(ComboBox1.ItemIndex() + 1);
    ComboBox1Change();
    Memo1.Add("  Krok výpisu uměle zvětšen.");
  }
  for (const auto& line : ComputeReport(tr, in, comp_->gridFunction, FileNameOf(comp_->drgPath)))
    Memo1.Add(line);

  Button5.SetEnabled(true);
  const bool positionGraph = RadioGroup1.ItemIndex() == 0 && RadioGroup2.ItemIndex() == 1;
  BitBtn1.SetEnabled(positionGraph);
  BitBtn2.SetEnabled(positionGraph);
  RadioGroup1.SetEnabled(true);
  if (positionGraph) CheckBox1.SetChecked(true);
}
