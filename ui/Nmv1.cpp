#include "ui/Nmv1.h"

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "engine/Atmosphere.h"

Tnmv::Tnmv(forms::Platform& platform) : forms::Window("Tnmv", "Atmosféra ICAO", platform) {
  RegisterAll(Edit1, Edit2, Edit3, Edit4, Label13, Label14, Label16, Label18, Button1);
  Edit1.SetText("15");
  Edit3.SetText("0");
  Edit4.SetText("350");
  for (forms::Label* l : {&Label13, &Label14, &Label16, &Label18}) l->SetCaption("0");
  Button1.SetCaption("Výpočet");
  Button1.OnClick = [this] { Button1Click(); };
}

void Tnmv::FormCreate() {
  Edit2.SetText(FormatNumber(1013.25));
}

void Tnmv::Button1Click() {
  const double t = ParseNumber(Edit1.Text());
  const double p = ParseNumber(Edit2.Text());
  const double h0 = ParseNumber(Edit3.Text());
  const double h1 = ParseNumber(Edit4.Text());
  if (h0 < 0) ShowMessageAbort("Nadmořská výška menší než 0 m.n.m.");
  if (h0 > 9000) ShowMessageAbort("Nadmořská výška větší než 9000 m.n.m.");
  if (h1 < 0) ShowMessageAbort("Nadmořská výška menší než 0 m.n.m.");
  if (h1 > 20000) ShowMessageAbort("Nadmořská výška větší než 20000 m.n.m.");
  const TIcaoAir air = IcaoAirAtAltitude(t, p, h0, h1);
  Label13.SetCaption(FormatNumber(RoundTo(air.temperatureK - 273.15, 2)));
  Label14.SetCaption(FormatNumber(RoundTo(air.pressureHpa, 2)));
  Label16.SetCaption(FormatNumber(RoundTo(air.density, 3)));
  Label18.SetCaption(FormatNumber(RoundTo(air.speedOfSoundMps, 2)));
}
