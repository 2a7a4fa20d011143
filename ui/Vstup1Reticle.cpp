// The reticle ranging report and the button that shows the reticle window again.
#include "core/Abort.h"
#include "core/NumberText.h"
#include "solvers/Reticle.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

void Tvstup::Button19Click() {
  const ActionRollback rollback(*this);
  int reticle = ComboBox7.ItemIndex();
  if (reticle < 0 || reticle >= kReticleCount) reticle = kReticleMilDot;
  const double shootingDistanceM = Number(Edit64);
  if (shootingDistanceM < 0) ShowMessageAbort("Vzdálenost střelby menší než nula.");
  const double standardMag = Number(Edit42);
  const double actualMag = Number(Edit43);
  if (standardMag <= 0 || actualMag <= 0) ShowMessageAbort("Zvětšení menší nebo rovno nule.");
  const double divisionDeg = ReticleDivisionDeg(reticle, standardMag, actualMag);

  // The ordinary computation zeroes the rifle and ends where the trajectory comes back
  // to the line of sight.
  RadioGroup4.SetItemIndex(0);
  const bool limitX = CheckBox4.Checked();
  const bool limitY = CheckBox5.Checked();
  CheckBox4.SetChecked(false);
  CheckBox5.SetChecked(true);
  Edit16.SetText("0");
  RadioGroup3.SetItemIndex(1);
  Button3Click();

  const double zeroAngleDeg = Number(Edit6);
  ResolveCoefficient();
  const auto mode = RadioGroup8.ItemIndex() == 1 ? TMarkMode::Wind : TMarkMode::Distance;
  const TReticleReport report =
      ReticleRanging(*comp_, reticle, divisionDeg, mode, shootingDistanceM, zeroAngleDeg, Hooks());
  if (report.distanceCut) Edit64.SetText(FormatNumber(report.shootingDistanceM));
  for (const auto& line : report.lines) Memo1.Add(line);

  comp_->in.launchAngleDeg = zeroAngleDeg;
  comp_->trajectory.Clear(true);
  IntegrateTrajectory(*comp_, TIntegrationMode::Full, Hooks());
  RadioGroup1.SetItemIndex(0);
  RefreshTrajectoryGraph();
  CheckBox1.SetChecked(true);
  CheckBox4.SetChecked(limitX);
  CheckBox5.SetChecked(limitY);
  Button20.SetEnabled(true);
  app_.ShowMildot();
}

void Tvstup::Button20Click() {
  app_.ShowMildot();
}
