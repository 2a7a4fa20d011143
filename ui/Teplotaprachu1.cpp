#include "ui/Teplotaprachu1.h"

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "engine/Calculators.h"
#include "ui/Vstup1.h"

Tteplotaprachu::Tteplotaprachu(Tvstup& vstup, forms::Platform& platform)
    : forms::Window("Tteplotaprachu", "Přepočet počáteční rychlosti", platform), vstup_(vstup) {
  RegisterAll(Edit1, Edit2, Edit3, Label1, Button1, Edit4, Edit5, Edit6, Label10, Button2);
  Edit1.SetText("800");
  Edit2.SetText("15");
  Edit3.SetText("25");
  Label1.SetCaption("0");
  Edit4.SetText("800");
  Edit5.SetText("60");
  Edit6.SetText("55");
  Label10.SetCaption("0");
  Button1.SetCaption("Výpočet");
  Button2.SetCaption("Výpočet");
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void Tteplotaprachu::FormCreate() {
  TakeVelocity();
}

void Tteplotaprachu::FormActivate() {
  TakeVelocity();
}

void Tteplotaprachu::TakeVelocity() {
  Edit1.SetText(vstup_.Edit4.Text());
  Edit4.SetText(vstup_.Edit4.Text());
}

void Tteplotaprachu::Button1Click() {
  const double v = ParseNumber(Edit1.Text());
  const double t1 = ParseNumber(Edit2.Text());
  const double t2 = ParseNumber(Edit3.Text());
  if (v <= 0) ShowMessageAbort("Rychlost menší nebo rovna 0 m/s.");
  if (t1 > 40 || t2 > 40) ShowMessageAbort("Příliš vysoká teplota prachové náplně.");
  if (t1 < -30 || t2 < -30) ShowMessageAbort("Příliš nízká teplota prachové náplně.");
  Label1.SetCaption(FormatNumber(RoundTo(PowderTemperatureVelocity(v, t1, t2), 2)));
}

void Tteplotaprachu::Button2Click() {
  const double v = ParseNumber(Edit4.Text());
  const double l1 = ParseNumber(Edit5.Text());
  const double l2 = ParseNumber(Edit6.Text());
  const double change = l2 - l1;
  if (v <= 0) ShowMessageAbort("Rychlost menší nebo rovna 0 m/s.");
  if (l1 <= 0) ShowMessageAbort("Délka hlavně menší nebo rovna 0 cm");
  if (l2 <= 0) ShowMessageAbort("Délka hlavně menší nebo rovna 0 cm");
  if (change > 25 || change < -25) ShowMessageAbort("Příliš velká změna délky hlavně.");
  Label10.SetCaption(FormatNumber(RoundTo(BarrelLengthVelocity(v, l1, l2), 2)));
}
