#include "ui/Koeficienty1.h"

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "engine/DragComparison.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

Tkoeficienty::Tkoeficienty(Application& app, forms::Platform& platform)
    : forms::Window("Tkoeficienty", "Převody koeficientů", platform), app_(app) {
  RegisterAll(Edit2, Edit3, Edit4, Edit1, Label1, Label2, ComboBox1, RadioGroup1, Button1, Button2,
              Memo1);
  for (auto* e : {&Edit2, &Edit3, &Edit4, &Edit1}) e->SetText("0");
  Label1.SetCaption("Koeficient tvaru:");
  Label2.SetCaption("lb/in2");
  Label2.SetVisible(false);
  ComboBox1.SetItems(
      {"Načtená", "G1", "G2", "G5", "G6", "G7", "G8", "GL", "GS", "GC", "RA4", "1943"});
  ComboBox1.SetItemIndex(kDragG1);
  ComboBox1.SetText("G1");
  RadioGroup1.SetCaption("Pro výpočet použít");
  RadioGroup1.SetItems({"Koeficient tvaru", "Balistický koeficient"});
  RadioGroup1.SetItemIndex(0);
  Button1.SetCaption("Převeď");
  Button2.SetCaption("Vymaž");
  Memo1.Add(" Výpočet:");

  RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void Tkoeficienty::FormActivate() {
  Tvstup& calc = app_.vstup();
  RadioGroup1.SetItemIndex(calc.RadioGroup5.ItemIndex() == 0 ? 0 : 1);
  Edit1.SetText(calc.Edit1.Text());
  Edit2.SetText(calc.Edit2.Text());
  Edit3.SetText(calc.Edit3.Text());
  Edit4.SetText(calc.Edit4.Text());
  const int id = calc.ComboBox6.ItemIndex();
  if (id >= 0 && id < kDragFunctionCount) {
    ComboBox1.SetItemIndex(id);
    ComboBox1.SetText(ComboBox1.Items()[id]);
  }
}

void Tkoeficienty::RadioGroup1Click() {
  const bool coefficient = RadioGroup1.ItemIndex() == 1;
  Label1.SetCaption(coefficient ? "Balistický koeficient:" : "Koeficient tvaru:");
  Label2.SetVisible(coefficient);
}

void Tkoeficienty::Button1Click() {
  Tvstup& calc = app_.vstup();
  const int source = ComboBox1.ItemIndex();
  if (source == kDragLoaded && calc.ComboBox6.ItemIndex() > 0) {
    ShowMessageAbort("Není načtena funkce odporu");
  }
  const double massKg = ParseNumber(Edit2.Text()) * 0.001;
  const double diameterM = ParseNumber(Edit3.Text()) * 0.001;
  const double typedSpeed = ParseNumber(Edit4.Text());
  // The drag tables span 0 .. 1700 m/s; outside them there is nothing to compare.
  if (!(typedSpeed > 0 && typedSpeed <= kDragGridMax)) {
    ShowMessageAbort("Rychlost mimo rozsah 0 až 1700 m/s.");
  }
  // Both divide the conversion; without them every line would read inf or nan.
  if (massKg <= 0) ShowMessageAbort("Hmotnost menší nebo rovna nule.");
  if (diameterM <= 0) ShowMessageAbort("Průměr střely menší nebo roven nule.");
  const double speed = RoundTo(typedSpeed, 0);
  double formFactor = ParseNumber(Edit1.Text());
  if (RadioGroup1.ItemIndex() == 1) {
    if (formFactor <= 0) ShowMessageAbort("Balistický koeficient menší nebo roven nule.");
    formFactor = FormFactorFromCoefficient(massKg, diameterM, formFactor);
  } else if (formFactor <= 0) {
    ShowMessageAbort("Koeficient tvaru menší nebo roven nule.");
  }
  const Computation& comp = calc.computation();
  const double sourceCd = source == kDragLoaded
                              ? comp.dragGrid.cd[static_cast<int>(speed)]
                              : TableDragCoefficient(comp.dragTables.Table(source), speed);
  const TCoefficientConversion c =
      ConvertCoefficient(comp.dragTables, formFactor * sourceCd, speed, massKg, diameterM);
  for (const std::string& line : CoefficientConversionLines(c)) Memo1.Add(line);
}

void Tkoeficienty::Button2Click() {
  Memo1.Clear();
}
