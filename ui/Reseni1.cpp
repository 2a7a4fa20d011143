#include "ui/Reseni1.h"

#include "core/NumberText.h"
#include "solvers/FiringSolution.h"
#include "ui/Application.h"
#include "ui/CalculationInputs.h"

Treseni::Treseni(Application& app, forms::Platform& platform)
    : forms::Window("Treseni", "Palebné řešení", platform),
      app_(app),
      work_(std::make_unique<Computation>()) {
  RegisterAll(Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, RadioGroup1, Button1, Button2, Memo1,
              Label1);
  RadioGroup1.SetCaption("Cíl přichází");
  RadioGroup1.SetItems({"zleva", "zprava"});
  Button1.SetCaption("Výpočet");
  Button2.SetCaption("Vymaž");
  Label1.SetCaption("Počítám");
  Label1.SetVisible(false);
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void Treseni::FormCreate() {
  const TFiringTarget start{600, 10, 2, 2, 90, true, 50};
  Edit1.SetText(FormatNumber(start.distanceM));
  Edit2.SetText(FormatNumber(start.slopeDeg));
  Edit3.SetText(FormatNumber(start.cantDeg));
  Edit4.SetText(FormatNumber(start.speedMps));
  Edit5.SetText(FormatNumber(start.crossingDeg));
  Edit6.SetText(FormatNumber(start.heightCm));
  RadioGroup1.SetItemIndex(start.fromLeft ? 0 : 1);
}

void Treseni::Button1Click() {
  TFiringTarget t;
  t.distanceM = ParseNumber(Edit1.Text());
  t.slopeDeg = ParseNumber(Edit2.Text());
  t.cantDeg = ParseNumber(Edit3.Text());
  t.speedMps = ParseNumber(Edit4.Text());
  t.crossingDeg = ParseNumber(Edit5.Text());
  t.heightCm = ParseNumber(Edit6.Text());
  t.fromLeft = RadioGroup1.ItemIndex() != 1;
  CheckFiringTarget(t);

  ReadCalculationInputs(app_.vstup(), *work_);
  const TShotInputs in = work_->in;
  const forms::BusyScope busy(platform(), Label1);
  const TFiringSolution s = SolveFiring(*work_, t);
  for (const auto& line : FiringSolutionReport(s, t, in)) Memo1.Add(line);
}

void Treseni::Button2Click() {
  Memo1.Clear();
}
