#include "ui/Nastaveniuloz1.h"

#include "files/SavedComputation.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

Tnastaveniuloz::Tnastaveniuloz(Application& app, forms::Platform& platform)
    : forms::Window("Tnastaveniuloz", "Uložení výpočtu do txt ", platform), app_(app) {
  RegisterAll(CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7,
              CheckBox8, CheckBox9, CheckBox10, RadioGroup1, Button1);
  const char* captions[] = {"Převýšení v cm",
                            "Převýšení v MOA",
                            "Převýšení - počet kliků",
                            "Rychlost",
                            "Energie",
                            "Doba letu střely",
                            "Odchylka příčným větrem - cm",
                            "Odchylka příčným větrem - počet kliků",
                            "Úhel sklonu dráhy střely",
                            "Energetické průřezové zatížení"};
  const SaveOptions defaults;
  for (int i = 0; i < 10; ++i) {
    Column(i)->SetCaption(captions[i]);
    Column(i)->SetChecked(defaults.columns[i]);
  }
  RadioGroup1.SetCaption("Uložit do souboru");
  RadioGroup1.SetItems({"TXT (poznámkový blok)", "CSV pro český Excel (, ;)",
                        "CSV pro anglický Excel (. ,)", "Všechna vypočtená data do TXT"});
  RadioGroup1.SetItemIndex(defaults.format);
  Button1.SetCaption("Pokračovat");
  Button1.OnClick = [this] { Button1Click(); };
}

forms::CheckBox* Tnastaveniuloz::Column(int i) {
  forms::CheckBox* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5,
                              &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10};
  return i >= 0 && i < 10 ? boxes[i] : nullptr;
}

SaveOptions Tnastaveniuloz::Options() const {
  SaveOptions o;
  const forms::CheckBox* boxes[] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5,
                                    &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10};
  for (int i = 0; i < 10; ++i) o.columns[i] = boxes[i]->Checked();
  o.format = RadioGroup1.ItemIndex();
  return o;
}

void Tnastaveniuloz::Button1Click() {
  app_.vstup().CheckBox12.SetChecked(true);
  platform().CloseWindow(*this);
}
