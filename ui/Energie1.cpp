#include "ui/Energie1.h"

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "engine/Calculators.h"
#include "ui/Vstup1.h"

Tenergie::Tenergie(Tvstup& vstup, forms::Platform& platform)
    : forms::Window("Tenergie", "Energie střely", platform), vstup_(vstup) {
  RegisterAll(Edit1, Label2, CheckBox1, Edit2, Label3, CheckBox2, Edit3, Label4, CheckBox3, Button1,
              Label1, Label21, Label10, Label22, Label14, Label23, Label16, Label24, Label11);
  Edit1.SetText("800");
  Edit2.SetText("15");
  Edit3.SetText(FormatNumber(7.62));
  Label2.SetCaption("m/s");
  Label3.SetCaption("g");
  Label4.SetCaption("mm");
  for (forms::CheckBox* box : {&CheckBox1, &CheckBox2, &CheckBox3}) {
    box->SetCaption("SI jednotky");
    box->SetChecked(true);
  }
  Button1.SetCaption("Výpočet");
  for (forms::Label* l :
       {&Label1, &Label10, &Label14, &Label16, &Label11, &Label21, &Label22, &Label23, &Label24})
    l->SetCaption("0");
  CheckBox1.OnClick = [this] { CheckBox1Click(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  CheckBox3.OnClick = [this] { CheckBox3Click(); };
  Button1.OnClick = [this] { Button1Click(); };
}

// Created after the calculation window, so these are the texts of its start-up file.
void Tenergie::FormCreate() {
  Edit1.SetText(vstup_.Edit4.Text());
  Edit2.SetText(vstup_.Edit2.Text());
  Edit3.SetText(vstup_.Edit3.Text());
}

// The switches change the unit only; the typed number stays as it is.
void Tenergie::CheckBox1Click() {
  Label2.SetCaption(CheckBox1.Checked() ? "m/s" : "ft/s");
}

void Tenergie::CheckBox2Click() {
  Label3.SetCaption(CheckBox2.Checked() ? "g" : "gr");
}

void Tenergie::CheckBox3Click() {
  Label4.SetCaption(CheckBox3.Checked() ? "mm" : "in");
}

void Tenergie::Button1Click() {
  double v = ParseNumber(Edit1.Text());
  if (!CheckBox1.Checked()) v *= 0.3048;
  double m = ParseNumber(Edit2.Text()) * 0.001;
  if (!CheckBox2.Checked()) m *= 0.0647989;
  double d = ParseNumber(Edit3.Text()) * 0.001;
  if (!CheckBox3.Checked()) d = d * 1000 * 2.54 * 0.01;
  if (v <= 0) ShowMessageAbort("Rychlost menší nebo rovna 0 m/s.");
  if (m <= 0) ShowMessageAbort("Hmotnost menší nebo rovna 0 g.");
  if (d <= 0) ShowMessageAbort("Průměr menší nebo roven 0 mm.");
  const TProjectileEnergy e = ProjectileEnergy(v, m, d);
  auto show = [](forms::Label& label, double value, int decimals) {
    label.SetCaption(FormatNumber(RoundTo(value, decimals)));
  };
  show(Label1, e.energyJ, 1);
  show(Label21, e.energyFtLb, 1);
  show(Label10, e.momentumKgMps, 2);
  show(Label22, e.momentumLbFtps, 2);
  show(Label14, e.energyLoadingJPerCm2, 1);
  show(Label23, e.energyLoadingFtLbPerIn2, 1);
  show(Label16, e.sectionalDensityGPerCm2, 1);
  show(Label24, e.sectionalDensityLbPerIn2, 3);
  show(Label11, e.ipscFactor, 0);
}
