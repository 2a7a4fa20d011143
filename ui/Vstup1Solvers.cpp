// The special solvers of the calculation window: optimal zero range, uphill and downhill
// shooting, and the coefficient from measurements. The searches live in solvers/; these
// handlers read the fields, tick the boxes and write the results and report lines.
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/TextFile.h"
#include "engine/RangeTable.h"
#include "solvers/CoefficientSearch.h"
#include "solvers/Incline.h"
#include "solvers/OptimalZero.h"
#include "ui/Vstup1.h"

void Tvstup::Button10Click() {
  const ActionRollback rollback(*this);
  // The search and the table that follows run without Coriolis and spin drift.
  CheckBox10.SetChecked(false);
  CheckBox3.SetChecked(false);
  ReadShotInputs();
  const double entered = Number(Edit41);
  if (entered <= 0) ShowMessageAbort("Maximální převýšení menší nebo rovno 0 cm.");
  const double rise = entered * 0.99 * 0.01;
  const OptimalZeroResult zero = SolveOptimalZero(*comp_, rise, Hooks());

  Edit6.SetText(FormatNumber(RoundTo(zero.launchAngleDeg, 4)));
  Edit19.SetText(FormatNumber(RoundTo(zero.landingXM, 0)));
  CheckBox4.SetChecked(false);
  CheckBox5.SetChecked(true);
  Edit16.SetText(FormatNumber(RoundTo(-rise, 3)));
  RadioGroup3.SetItemIndex(1);
  Button3Click();

  const TTrajectory& tr = comp_->trajectory;
  Memo1.Add("  ");
  Memo1.Add(Sprintf("  Zadané maximální převýšení:       %6.1f  cm", rise * 100 / 0.99));
  Memo1.Add(Sprintf("  Optimální nástřelná vzdálenost:    %6.0f  m", zero.landingXM));
  Memo1.Add(Sprintf("  Maximální vzdálenost střelby:       %6.0f  m", tr.xM[tr.stepCount]));

  RadioGroup1.SetEnabled(true);
  Button5.SetEnabled(false);  // the table above is the compute action's; save after the next
  const bool positionGraph = RadioGroup1.ItemIndex() == 0 && RadioGroup2.ItemIndex() == 1;
  BitBtn1.SetEnabled(positionGraph);
  BitBtn2.SetEnabled(positionGraph);
  CheckBox1.SetEnabled(true);
  CheckBox2.SetEnabled(true);
}

void Tvstup::Button11Click() {
  const ActionRollback rollback(*this);
  // The run keeps the step that is set; a step chosen by the tilted angle would differ.
  CheckBox8.SetChecked(false);
  ReadShotInputs();
  const bool slant = !RadioButton1.Checked();
  const InclineTarget target = slant ? InclineTargetFromSlant(Number(Edit7), Number(Edit14))
                                     : InclineTarget{Number(Edit7), Number(Edit14)};
  SolveIncline(*comp_, target, Hooks());
  RefreshTrajectoryGraph();

  // Rows fall every tableStepM slant metres, f times that horizontally.
  const double f = slant ? std::cos(SiteAngleDeg(target) / 57.2957795) : 1;
  const TTrajectory& tr = comp_->trajectory;
  while (tr.stepCount >= 2 && tr.xM[2] - tr.xM[1] >= comp_->in.tableStepM * f &&
         ComboBox1.ItemIndex() < 7) {
    ComboBox1.SetItemIndex(ComboBox1.ItemIndex() + 1);  // the first entry when none is chosen
    ComboBox1Change();
    Memo1.Add(" Krok výpisu uměle zvětšen.");
  }
  for (const auto& line : InclineReport(*comp_, target, slant, FileNameOf(comp_->drgPath)))
    Memo1.Add(line);

  RadioGroup1.SetEnabled(true);
  Button5.SetEnabled(true);
  CheckBox1.SetEnabled(true);
  CheckBox2.SetEnabled(true);
  const bool positionGraph = RadioGroup1.ItemIndex() == 0 && RadioGroup2.ItemIndex() == 1;
  BitBtn1.SetEnabled(positionGraph);
  BitBtn2.SetEnabled(positionGraph);
  CheckBox8.SetChecked(true);
}

void Tvstup::StartCoefficientSearch() {
  // The search works with one coefficient and without Coriolis and spin drift.
  if (RadioGroup5.ItemIndex() == 2) RadioGroup5.SetItemIndex(1);
  CheckBox10.SetChecked(false);
  CheckBox3.SetChecked(false);
  ReadShotInputs();
}

void Tvstup::FinishCoefficientSearch(const double* launchAngleDeg) {
  const TShotInputs& in = comp_->in;
  const double formFactor =
      RoundTo(FormFactorFromCoefficient(in.massKg, in.diameterM, in.ballisticCoefficient), 4);
  const double coefficient = RoundTo(in.ballisticCoefficient, 4);
  if (RadioGroup5.ItemIndex() == 0) Edit1.SetText(FormatNumber(formFactor));
  if (RadioGroup5.ItemIndex() == 1) Edit1.SetText(FormatNumber(coefficient));

  Memo1.Add("  ");
  if (comp_->gridFunction != kDragLoaded) {
    Memo1.Add(std::string("  Koeficienty vztažené k funkci odporu vzduchu ") +
              DragFunctionName(comp_->gridFunction) + ":");
  }
  Memo1.Add(Sprintf("  Koeficient tvaru:       %6.4f  ", formFactor));
  Memo1.Add(Sprintf("  Balistický koeficient: %6.4f  ", coefficient));
  if (launchAngleDeg) Memo1.Add(Sprintf("  Úhel výstřelu [deg]:   %6.4f  ", *launchAngleDeg));

  // The trajectory arrays hold only a partial run: nothing to draw, clone or save.
  Button6Click();
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &RadioGroup1, &BitBtn1, &BitBtn2, &Button5, &CheckBox1, &CheckBox2}) {
    c->SetEnabled(false);
  }
}

void Tvstup::Button12Click() {
  const ActionRollback rollback(*this);
  StartCoefficientSearch();
  TShotInputs& in = comp_->in;
  in.zeroDistanceM = Number(Edit20);
  if (in.zeroDistanceM - Number(Edit22) < 5) ShowMessageAbort("Vzdálenost menší než 5 m.");
  const double speed = Number(Edit21);
  if (in.muzzleVelocity < speed) ShowMessageAbort("Požadovaná rychlost větší než počáteční");
  if (speed <= 0) ShowMessageAbort("Požadovaná rychlost menší nebo rovna nule.");
  CoefficientFromVelocity(*comp_, speed, Hooks());
  FinishCoefficientSearch(nullptr);
}

void Tvstup::Button14Click() {
  const ActionRollback rollback(*this);
  StartCoefficientSearch();
  const double distance1 = Number(Edit25), distance2 = Number(Edit27);
  const double height1 = Number(Edit26) * 0.01, height2 = Number(Edit28) * 0.01;
  // Without these the first height is never taken and the search would chase a stale one.
  if (distance1 <= 0) ShowMessageAbort("Vzdálenost1 menší nebo rovna 0 m.");
  if (distance1 >= distance2) ShowMessageAbort("Vzdálenost1 musí být menší než Vzdálenost2.");
  const CoefficientSearchResult found =
      CoefficientFromDrop(*comp_, distance1, height1, distance2, height2, Hooks());
  comp_->in.launchAngleDeg = RoundTo(found.launchAngleDeg, 6);
  Edit6.SetText(FormatNumber(comp_->in.launchAngleDeg));
  FinishCoefficientSearch(&found.launchAngleDeg);
  RadioGroup3.SetItemIndex(0);
}
