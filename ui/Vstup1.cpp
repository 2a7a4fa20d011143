#include "ui/Vstup1.h"

#include <cmath>
#include <optional>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "solvers/Reticle.h"
#include "ui/Application.h"
#include "ui/Energie1.h"
#include "ui/Grafodporu1.h"
#include "ui/Koeficienty1.h"
#include "ui/Nmv1.h"
#include "ui/Prevody1.h"
#include "ui/Reseni1.h"
#include "ui/Teplotaprachu1.h"
#include "ui/Zasah1.h"

namespace {

constexpr const char* kCoefficientCaption = "Balistický koeficient:";
constexpr const char* kFormFactorCaption = "Koeficient tvaru:";

}  // namespace

Tvstup::Tvstup(Application& app, forms::Platform& platform)
    : forms::Window("Tvstup", "Vnější trajekta", platform),
      app_(app),
      comp_(std::make_unique<Computation>()),
      graph_(Graf0, Edit17, Edit18, GraphStyle()),
      scratch_(kTrajectoryCapacity, 0.0) {
  RegisterAll(Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit19, Edit63, Edit22, Label1, Label2,
              Label3, Label4, RadioGroup3, ComboBox1, ComboBox2, Edit24, Label5, Label12, UpDown1,
              Button8, Button1, Button7, Button5, Button15, Button3, CheckBox12);
  RegisterAll(Edit13, Edit8, Edit29, Edit9, Edit10, Edit11, Edit55, Label6, Label7, Label8,
              RadioGroup4, RadioGroup7, RadioGroup6, CheckBox14, ComboBox3, Edit44, Edit45, Edit46,
              Edit47, Edit48, Edit49, Edit50, Edit51, Edit52, Edit53);
  RegisterAll(Edit41, Button10, Label50, ScrollBar1, CheckBox8, Edit23, ComboBox4, Button13, Edit7,
              Edit14, Label9, Label10, Label11, RadioButton1, RadioButton2, Button11, Edit42,
              Edit43, Edit64, ComboBox7, RadioGroup8, CheckBox13, Button19, Button20);
  RegisterAll(ComboBox6, Button4, RadioGroup5, Button16, Edit30, Edit31, Edit32, Edit34, Edit35,
              Edit36, Edit37, Edit38, Edit39, Edit40, CheckBox6, CheckBox7, CheckBox9, Edit25,
              Edit26, Edit27, Edit28, Button14, Edit20, Edit21, Button12);
  RegisterAll(CheckBox11, CheckBox10, CheckBox3, Edit54, Edit56, Edit58, Edit57, Edit59, Edit60,
              Edit61, Edit62, Edit12, ComboBox5);
  RegisterAll(Edit33, Edit15, Edit16, CheckBox4, CheckBox5, Edit17, Edit18, CheckBox1, CheckBox2,
              Image1, Image2, RadioGroup1, RadioGroup2, BitBtn1, BitBtn2, Button6, Memo1, Button2,
              Graf0, Button9, Label49);
  RegisterAll(N1, N2, N3, N4, N5, N6);
  Register(N7);
  Register(N8);
  Register(Button21);
  SetDesignState();
  WireHandlers();
}

TPlotOwnerConfig Tvstup::GraphStyle() {
  TPlotOwnerConfig c;
  c.xUnitFromRight = 40;
  c.xUnitFromBottom = 23;
  c.yUnitX = 20;
  c.yUnitY = 6;
  c.hasTitle = true;
  c.titleX = 60;
  c.titleY = 8;
  c.palette = {{255, 0, 0}, {0, 0, 0}, {0, 128, 0}, {0, 0, 255}, {128, 0, 128}};
  return c;
}

// The state the controls have before the window's creation handler runs.
void Tvstup::SetDesignState() {
  Label1.SetCaption(kCoefficientCaption);
  Label2.SetCaption("lb/in2");
  Edit2.SetText("10,89");
  Edit3.SetText("7,62");
  Edit4.SetText("800");
  Edit5.SetText("40");
  Edit6.SetText("0,1");
  Edit19.SetText("100");
  Edit63.SetText("0");
  Edit22.SetText("0");
  RadioGroup3.SetCaption("Počítat pro");
  RadioGroup3.SetItems({"Úhel výstřelu", "Záměrnou vzdálenost", "Záměrnou vzdálenost X,Y"});
  ComboBox1.SetItems({"     1", "     5", "   10  ", "   25", "   50", " 100", " 200", "1000"});
  ComboBox1.SetItemIndex(3);
  ComboBox1.SetText("  25");
  ComboBox2.SetItems({"1/2  MOA", "1/3  MOA", "1/4  MOA", "1/8  MOA", "10mm/100m", "7mm/100m",
                      "5mm/100m", "Zadat v mm", "Zadat v MOA"});
  ComboBox2.SetItemIndex(2);
  Edit24.SetText("10");
  Edit24.SetEnabled(false);
  Label5.SetCaption("mm/100m");
  Label12.SetCaption("0");
  UpDown1.SetRange(-500, 500);
  Button8.SetCaption("Nula");
  Button1.SetCaption("Seznam");
  Button7.SetCaption("Přidej");
  Button7.SetEnabled(false);
  Button5.SetCaption("Ulož");
  Button5.SetEnabled(false);
  Button15.SetCaption("Načti");
  Button3.SetCaption("Výpočet");
  CheckBox12.SetCaption("Pro ukládání toto je");
  CheckBox12.SetVisible(false);

  Edit13.SetText("15");
  Edit8.SetText("1013,25");
  Edit8.SetEnabled(false);
  Edit29.SetText("300");
  Edit9.SetText("0");
  Edit10.SetText("0");
  Edit11.SetText("0");
  Edit55.SetText("0");
  Label6.SetCaption("Příčný vítr:");
  Label7.SetCaption("Podélný vítr:");
  Label8.SetCaption("m/s");
  RadioGroup4.SetCaption("Příčný vítr");
  RadioGroup4.SetItems({"Konstantní", "Proměnný"});
  RadioGroup7.SetCaption("Zadávání větru");
  RadioGroup7.SetItems({"Příčný, podélný", "Velikost, úhel"});
  RadioGroup6.SetCaption("Zadávání tlaku");
  RadioGroup6.SetItems({"Přímo", "Dle n.v. a teploty"});
  CheckBox14.SetCaption("Bez ICAO Gradien.");
  ComboBox3.SetItems({"2", "3", "4", "5"});
  ComboBox3.SetItemIndex(0);
  ComboBox3.SetEnabled(false);
  const char* distances[] = {"0", "100", "200", "300", "400"};
  const char* winds[] = {"4", "-4", "8", "10", "12"};
  forms::Edit* stationD[] = {&Edit44, &Edit45, &Edit46, &Edit47, &Edit48};
  forms::Edit* stationW[] = {&Edit49, &Edit50, &Edit51, &Edit52, &Edit53};
  for (int i = 0; i < 5; ++i) {
    stationD[i]->SetText(distances[i]);
    stationD[i]->SetEnabled(false);
    stationW[i]->SetText(winds[i]);
    stationW[i]->SetEnabled(false);
  }

  Edit41.SetText("4");
  Button10.SetCaption("ONV");
  Label50.SetCaption("1");
  ScrollBar1.SetRange(1, 300);
  CheckBox8.SetCaption("Auto");
  Edit23.SetText("31,4");
  ComboBox4.SetItems({"A. G. Greenhill", "Sierra", "Charlie Dell"});
  ComboBox4.SetText("Vyber metodu");
  Button13.SetCaption("Maximální délka stoupání");
  Edit7.SetText("100");
  Edit14.SetText("45");
  Label9.SetCaption("Šikmá vzd.:");
  Label10.SetCaption("Úhel:");
  Label11.SetCaption("st.");
  RadioButton1.SetCaption("Vodorovná vzdálenost a výška");
  RadioButton2.SetCaption("Šikmá vzdálenost a  úhel");
  Button11.SetCaption("Výpočet");
  Edit42.SetText("24");
  Edit43.SetText("24");
  Edit64.SetText("300");
  ComboBox7.SetItems(ReticleNames());
  ComboBox7.SetItemIndex(0);
  RadioGroup8.SetCaption("Horizont. značky");
  RadioGroup8.SetItems({"Vzdálenost", "Vítr"});
  CheckBox13.SetCaption("Záměrný křížek");
  Button19.SetCaption("Výpočet");
  Button20.SetCaption("Zobrazit ");
  Button20.SetEnabled(false);

  ComboBox6.SetItems(
      {"Vyber funkci", "G1", "G2", "G5", "G6", "G7", "G8", "GL", "GS", "GC", "RA4", "1943"});
  Button4.SetCaption("Načti funkci odporu");
  RadioGroup5.SetCaption("Při výpočtu použít");
  RadioGroup5.SetItems({"Koef. tvaru ", "Balistický k. ", "Proměnný BC"});
  Button16.SetCaption("Graf odporu vzduchu ");
  const char* bandSpeeds[] = {"793", "793", "640", "488", "0"};
  forms::Edit* speeds[] = {&Edit30, &Edit31, &Edit32, &Edit34, &Edit35};
  forms::Edit* coefficients[] = {&Edit36, &Edit37, &Edit38, &Edit39, &Edit40};
  for (int i = 0; i < 5; ++i) {
    speeds[i]->SetText(bandSpeeds[i]);
    speeds[i]->SetEnabled(false);
    coefficients[i]->SetEnabled(false);
  }
  for (auto* box : {&CheckBox6, &CheckBox7, &CheckBox9}) box->SetEnabled(false);
  Edit25.SetText("100");
  Edit26.SetText("39");
  Edit27.SetText("300");
  Edit28.SetText("0");
  Button14.SetCaption("!");
  Edit20.SetText("300");
  Edit21.SetText("415");
  Button12.SetCaption("!");

  CheckBox11.SetCaption("G dle zem. šířky");
  CheckBox10.SetCaption("Coriolisova síla");
  CheckBox3.SetCaption("Derivace střely");
  Edit54.SetText("0");
  Edit54.SetEnabled(false);
  Edit56.SetText("50");
  Edit56.SetEnabled(false);
  for (auto* e : {&Edit57, &Edit59, &Edit60, &Edit61, &Edit62, &Edit12}) e->SetEnabled(false);
  ComboBox5.SetItems({"vpravo", "vlevo"});
  ComboBox5.SetItemIndex(0);
  ComboBox5.SetEnabled(false);

  Edit33.SetText("308 Sierra MatchKing 168gr.");
  Edit15.SetText("300");
  Edit15.SetEnabled(false);
  Edit16.SetText("0");
  CheckBox4.SetCaption("X:");
  CheckBox5.SetCaption("Y:");
  Edit17.SetText("0");
  Edit18.SetText("0");
  CheckBox1.SetCaption("Záměrnou");
  CheckBox2.SetCaption("Výstřelnou");
  Image1.SetVisible(false);
  Image2.SetVisible(false);
  RadioGroup1.SetCaption("Osa Y");
  RadioGroup1.SetItems({"Poloha y        [cm]", "Rychlost        [m/s]", "Energie          [J]",
                        "Rychlost x     [m/s]", "Rychlost y     [m/s]", "Příčná od.     [cm]",
                        "Příčný vítr     [m/s]", "Sklon dráhy   [stup.]", "Energ. zatíž.  [J/cm2]",
                        "Činitel odpor. [-]"});
  RadioGroup2.SetCaption("Osa X");
  RadioGroup2.SetItems({"Čas       [s]", "Dráha    [m]"});
  BitBtn1.SetCaption("Klon I");
  BitBtn1.SetEnabled(false);
  BitBtn2.SetCaption("Klon II");
  BitBtn2.SetEnabled(false);
  Button6.SetCaption("Vymaž");
  Memo1.Add("Výsledek výpočtu:");
  Button2.SetCaption("Vymaž");
  Button9.SetCaption("Graf do .bmp");
  Label49.SetCaption("Počítám");
  Label49.SetVisible(false);

  N1.SetCaption("Převody jednotek");
  N2.SetCaption("Převody koeficientů");
  N3.SetCaption("Atmosféra ICAO");
  N4.SetCaption("Teplota prachu a délka hlavně");
  N5.SetCaption("Energie");
  N6.SetCaption("O programu");
  N7.SetCaption("Pravděpodobnost zásahu");
  N8.SetCaption("Palebné řešení");

  // Item states set before any handler is attached: nothing runs yet.
  RadioGroup3.SetItemIndex(1);
  Edit6.SetVisible(false);
  Edit6.SetEnabled(false);
  Edit63.SetVisible(false);
  Edit63.SetEnabled(false);
  Label3.SetCaption("Záměrná vzálenost:");
  Label4.SetCaption("m");
  RadioGroup4.SetItemIndex(0);
  RadioGroup7.SetItemIndex(0);
  RadioGroup6.SetItemIndex(1);
  ScrollBar1.SetPosition(10);
  CheckBox8.SetChecked(true);
  RadioButton2.SetChecked(true);
  RadioGroup8.SetItemIndex(1);
  CheckBox13.SetChecked(true);
  RadioGroup5.SetItemIndex(1);
  CheckBox6.SetChecked(true);
  CheckBox7.SetChecked(true);
  CheckBox5.SetChecked(true);
  RadioGroup1.SetItemIndex(0);
  RadioGroup2.SetItemIndex(1);
}

void Tvstup::WireHandlers() {
  RadioGroup3.OnClick = [this] { RadioGroup3Click(); };
  ComboBox1.OnChange = [this] { ComboBox1Change(); };
  ComboBox2.OnChange = [this] { ComboBox2Change(); };
  UpDown1.OnClick = [this](bool up) { UpDown1Click(up); };
  Button8.OnClick = [this] { Button8Click(); };
  ScrollBar1.OnChange = [this] { ScrollBar1Change(); };
  CheckBox8.OnClick = [this] { CheckBox8Click(); };
  RadioGroup4.OnClick = [this] { RadioGroup4Click(); };
  ComboBox3.OnChange = [this] { ComboBox3Change(); };
  RadioGroup7.OnClick = [this] { RadioGroup7Click(); };
  RadioGroup6.OnClick = [this] { RadioGroup6Click(); };
  RadioGroup5.OnClick = [this] { RadioGroup5Click(); };
  CheckBox6.OnClick = [this] { CheckBox6Click(); };
  CheckBox7.OnClick = [this] { CheckBox7Click(); };
  CheckBox9.OnClick = [this] { CheckBox9Click(); };
  CheckBox11.OnClick = [this] { CheckBox11Click(); };
  CheckBox10.OnClick = [this] { CheckBox10Click(); };
  CheckBox3.OnClick = [this] { CheckBox3Click(); };
  RadioButton1.OnClick = [this] { RadioButton1Click(); };
  RadioButton2.OnClick = [this] { RadioButton2Click(); };
  ComboBox6.OnChange = [this] { ComboBox6Change(); };
  ComboBox7.OnChange = [this] { ComboBox7Change(); };
  RadioGroup8.OnClick = [this] { RadioGroup8Click(); };
  CheckBox4.OnClick = [this] { CheckBox4Click(); };
  CheckBox5.OnClick = [this] { CheckBox5Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button13.OnClick = [this] { Button13Click(); };
  Button19.OnClick = [this] { Button19Click(); };
  Button20.OnClick = [this] { Button20Click(); };
  RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
  RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
  CheckBox1.OnClick = [this] { CheckBox1Click(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  Button9.OnClick = [this] { Button9Click(); };
  N1.OnClick = [this] { N1Click(); };
  N3.OnClick = [this] { N3Click(); };
  N4.OnClick = [this] { N4Click(); };
  N5.OnClick = [this] { N5Click(); };
  N6.OnClick = [this] { N6Click(); };
  Button10.OnClick = [this] { Button10Click(); };
  Button11.OnClick = [this] { Button11Click(); };
  Button12.OnClick = [this] { Button12Click(); };
  Button14.OnClick = [this] { Button14Click(); };
  N2.OnClick = [this] { N2Click(); };
  Button16.OnClick = [this] { Button16Click(); };
  N7.OnClick = [this] { N7Click(); };
  N8.OnClick = [this] { N8Click(); };
  Graf0.OnMouseDown = [this](int x, int y) { graph_.MouseDown(x, y); };
  Graf0.OnMouseMove = [this](int x, int y) { graph_.MouseMove(x, y); };
  Graf0.OnMouseUp = [this](int x, int y) { graph_.MouseUp(x, y); };
  Graf0.OnDblClick = [this](int, int) { graph_.DblClick(); };
  // Every redraw (a reference line, a zoom, a double click, a saved bitmap) shows the title.
  Edit33.Subscribe([this] { graph_.SetTitle(Edit33.Text()); });
  WireFileHandlers();
}

// Numbers that hold a decimal part are written with the user's separator.
void Tvstup::WriteStartTexts() {
  Edit1.SetText(FormatNumber(0.462));
  Edit2.SetText(FormatNumber(10.89));
  Edit3.SetText(FormatNumber(7.85));
  Edit8.SetText(FormatNumber(977.9));
  Edit23.SetText(FormatNumber(31.4));
  Edit36.SetText(FormatNumber(0.462));
  Edit37.SetText(FormatNumber(0.447));
  Edit38.SetText(FormatNumber(0.424));
  Edit39.SetText(FormatNumber(0.405));
  Edit40.SetText(FormatNumber(0));
  Edit58.SetText(FormatNumber(9.81));
  Edit57.SetText(FormatNumber(3.98));
  Edit59.SetText(FormatNumber(1.86));
  Edit60.SetText(FormatNumber(0.51));
  Edit61.SetText(FormatNumber(0.74));
  Edit62.SetText(FormatNumber(0.25));
  Edit12.SetText(FormatNumber(30.5));
  Edit6.SetText(FormatNumber(0.1));
}

void Tvstup::FormCreate() {
  // The drag tables were filled with the computation; G1 becomes the active function.
  ComboBox6.SetItemIndex(kDragG1);
  ComboBox6Change();
  comp_->in.stepS = 0.0005;
  comp_->in.autoStep = CheckBox8.Checked();
  comp_->in.clickDeg = 1.0 / 240.0;
  comp_->in.tableStepM = 25;
  WriteStartTexts();
  graph_.SetTitle(Edit33.Text());
  graph_.SetXUnit("m");
  graph_.SetYUnit("cm");
  graph_.ResetAxes();
  ReadStartupFile();
}

void Tvstup::FormResize() {
  graph_.FitToImage();
}

double Tvstup::Number(const forms::Edit& edit) const {
  return ParseNumber(edit.Text());
}

// ---- Control effects

void Tvstup::RadioGroup3Click() {
  for (auto* e : {&Edit6, &Edit19, &Edit63}) {
    e->SetEnabled(false);
    e->SetVisible(false);
  }
  Label3.SetVisible(false);
  Label4.SetVisible(false);
  Edit19.SetOffsetX(0);
  Label4.SetOffsetX(0);
  switch (RadioGroup3.ItemIndex()) {
    case 0:
      Edit6.SetVisible(true);
      Edit6.SetEnabled(true);
      Label3.SetCaption("Úhel výstřelu:");
      Label4.SetCaption("stup.");
      break;
    case 1:
      Edit19.SetVisible(true);
      Edit19.SetEnabled(true);
      Label3.SetCaption("Záměrná vzálenost:");
      Label4.SetCaption("m");
      break;
    case 2:
      Label3.SetCaption("Záměrná X,Y:");
      Label4.SetCaption("m");
      Edit19.SetOffsetX(-24);
      Label4.SetOffsetX(18);  // past the height field, which is wide enough for "-0,125"
      Edit19.SetVisible(true);
      Edit19.SetEnabled(true);
      Edit63.SetVisible(true);
      Edit63.SetEnabled(true);
      break;
    default:
      return;
  }
  Label3.SetVisible(true);
  Label4.SetVisible(true);
}

void Tvstup::ScrollBar1Change() {
  const int p = ScrollBar1.Position();
  comp_->in.stepS = p * 0.0001;
  Label50.SetCaption(FormatNumber(p * 0.1));
}

void Tvstup::CheckBox8Click() {
  comp_->in.autoStep = CheckBox8.Checked();
}

void Tvstup::RadioGroup4Click() {
  Edit10.SetEnabled(false);
  for (auto* e :
       {&Edit44, &Edit45, &Edit46, &Edit47, &Edit48, &Edit49, &Edit50, &Edit51, &Edit52, &Edit53}) {
    e->SetEnabled(false);
  }
  ComboBox3.SetEnabled(false);
  if (RadioGroup4.ItemIndex() == 0) {
    Edit10.SetEnabled(true);
  } else {
    ComboBox3.SetEnabled(true);
    ComboBox3Change();
  }
}

void Tvstup::ComboBox3Change() {
  forms::Edit* distances[] = {&Edit44, &Edit45, &Edit46, &Edit47, &Edit48};
  forms::Edit* winds[] = {&Edit49, &Edit50, &Edit51, &Edit52, &Edit53};
  for (int i = 0; i < 5; ++i) {
    distances[i]->SetEnabled(false);
    winds[i]->SetEnabled(false);
  }
  const int n = ComboBox3.ItemIndex() + 2;
  for (int i = 0; i < n && i < 5; ++i) {
    winds[i]->SetEnabled(true);
    if (i > 0) distances[i]->SetEnabled(true);
  }
}

void Tvstup::RadioGroup7Click() {
  if (RadioGroup7.ItemIndex() == 0) {
    Label6.SetCaption("Příčný vítr:");
    Label7.SetCaption("Podélný vítr:");
    Label8.SetCaption("m/s");
    RadioGroup4.SetEnabled(true);
  } else {
    Label6.SetCaption("Velikost větru:");
    Label7.SetCaption("Úhel větru:");
    Label8.SetCaption("stup.");
    RadioGroup4.SetItemIndex(0);
    RadioGroup4.SetEnabled(false);
  }
}

void Tvstup::RadioGroup6Click() {
  const bool direct = RadioGroup6.ItemIndex() == 0;
  Edit8.SetEnabled(direct);
  Edit29.SetEnabled(!direct);
}

void Tvstup::RadioGroup5Click() {
  const int item = RadioGroup5.ItemIndex();
  const bool toFormFactor = item == 0;
  const char* const from = toFormFactor ? kCoefficientCaption : kFormFactorCaption;
  std::optional<double> converted;
  if (item == 0 || item == 1) {
    // Everything is read and checked before anything changes: a refusal leaves the group on
    // its previous item, with the caption, unit and value that belong to it.
    try {
      const double value = Number(Edit1);
      const double massKg = Number(Edit2) * 0.001;
      const double diameterM = Number(Edit3) * 0.001;
      // A zero or negative input would put an infinity into the field.
      if (massKg <= 0) ShowMessageAbort("Hmotnost menší nebo rovna nule.");
      if (diameterM <= 0) ShowMessageAbort("Průměr střely menší nebo roven nule.");
      if (Label1.Caption() == from) {
        if (value <= 0) {
          ShowMessageAbort(toFormFactor ? "Balistický koeficient menší nebo roven nule."
                                        : "Koeficient tvaru menší nebo roven nule.");
        }
        converted = toFormFactor ? FormFactorFromCoefficient(massKg, diameterM, value)
                                 : CoefficientFromFormFactor(massKg, diameterM, value);
      }
    } catch (const ActionAborted&) {
      RadioGroup5.RevertItemIndex();
      throw;
    }
  }
  Edit1.SetEnabled(true);
  Edit2.SetEnabled(true);
  Edit3.SetEnabled(true);
  for (auto* e :
       {&Edit30, &Edit31, &Edit32, &Edit34, &Edit35, &Edit36, &Edit37, &Edit38, &Edit39, &Edit40}) {
    e->SetEnabled(false);
  }
  for (auto* box : {&CheckBox6, &CheckBox7, &CheckBox9}) box->SetEnabled(false);
  switch (item) {
    case 0:
    case 1:
      if (converted) Edit1.SetText(FormatNumber(RoundTo(*converted, 4)));
      Label1.SetCaption(toFormFactor ? kFormFactorCaption : kCoefficientCaption);
      Label2.SetVisible(!toFormFactor);
      break;
    case 2:
      Edit1.SetEnabled(false);
      for (auto* box : {&CheckBox6, &CheckBox7, &CheckBox9}) box->SetEnabled(true);
      SetBandFieldsEnabled();
      break;
  }
}

// Bands 1 and 2 always, bands 3 to 5 by their switches.
void Tvstup::SetBandFieldsEnabled() {
  for (auto* e : {&Edit30, &Edit36, &Edit31, &Edit37}) e->SetEnabled(true);
  CheckBox6Click();
  CheckBox7Click();
  CheckBox9Click();
}

void Tvstup::CheckBox6Click() {
  Edit32.SetEnabled(CheckBox6.Checked());
  Edit38.SetEnabled(CheckBox6.Checked());
}

void Tvstup::CheckBox7Click() {
  Edit34.SetEnabled(CheckBox7.Checked());
  Edit39.SetEnabled(CheckBox7.Checked());
}

void Tvstup::CheckBox9Click() {
  Edit35.SetEnabled(CheckBox9.Checked());
  Edit40.SetEnabled(CheckBox9.Checked());
}

void Tvstup::CheckBox11Click() {
  Edit58.SetEnabled(!CheckBox11.Checked());
  Edit56.SetEnabled(CheckBox11.Checked() || CheckBox10.Checked());
}

void Tvstup::CheckBox10Click() {
  Edit54.SetEnabled(CheckBox10.Checked());
  Edit56.SetEnabled(CheckBox10.Checked() || CheckBox11.Checked());
}

void Tvstup::CheckBox3Click() {
  const bool on = CheckBox3.Checked();
  for (auto* e : {&Edit57, &Edit59, &Edit60, &Edit61, &Edit62, &Edit12}) e->SetEnabled(on);
  ComboBox5.SetEnabled(on);
}

void Tvstup::RadioButton1Click() {
  double slant = 0, angleDeg = 0;
  try {
    slant = Number(Edit7);
    angleDeg = Number(Edit14);
  } catch (const ActionAborted&) {
    RadioButton1.SetChecked(false);  // the fields still hold slant distance and angle
    throw;
  }
  RadioButton2.SetChecked(false);
  Label9.SetCaption("Vodorovná vzd.:");
  Label10.SetCaption("Výška:");
  Label11.SetCaption("m");
  const double a = angleDeg * 0.0174532925239284;
  Edit7.SetText(FormatNumber(RoundTo(slant * std::cos(a), 1)));
  Edit14.SetText(FormatNumber(RoundTo(slant * std::sin(a), 1)));
}

void Tvstup::RadioButton2Click() {
  double x = 0, h = 0;
  try {
    x = Number(Edit7);
    h = Number(Edit14);
  } catch (const ActionAborted&) {
    RadioButton2.SetChecked(false);
    throw;
  }
  if (x <= 0) {
    RadioButton2.SetChecked(false);
    ShowMessageAbort("Vodorovná vzdálenost menší nebo rovna nule.");
  }
  RadioButton1.SetChecked(false);
  Label9.SetCaption("Šikmá vzd.:");
  Label10.SetCaption("Úhel:");
  Label11.SetCaption("st.");
  Edit14.SetText(FormatNumber(RoundTo(std::atan(h / x) * 57.2957795, 1)));
  const double angleDeg = Number(Edit14);
  Edit7.SetText(FormatNumber(RoundTo(x / std::cos(angleDeg * 0.0174532925239284), 1)));
}

void Tvstup::ComboBox6Change() {
  SelectDragFunction(ComboBox6.ItemIndex());
}

void Tvstup::ComboBox7Change() {
  Button20.SetEnabled(false);
}

void Tvstup::RadioGroup8Click() {
  Button20.SetEnabled(false);
}

void Tvstup::CheckBox4Click() {
  Edit15.SetEnabled(CheckBox4.Checked());
}

void Tvstup::CheckBox5Click() {
  Edit16.SetEnabled(CheckBox5.Checked());
}

void Tvstup::Button2Click() {
  Memo1.Clear();
}

void Tvstup::N1Click() {
  platform().ShowWindow(app_.prevody(), false);
}

void Tvstup::N3Click() {
  platform().ShowWindow(app_.nmv(), false);
}

void Tvstup::N4Click() {
  platform().ShowWindow(app_.teplotaprachu(), false);
}

void Tvstup::N5Click() {
  platform().ShowWindow(app_.energie(), false);
}

void Tvstup::N6Click() {
  app_.ShowAbout();
}

void Tvstup::N2Click() {
  platform().ShowWindow(app_.koeficienty(), false);
}

void Tvstup::Button16Click() {
  platform().ShowWindow(app_.grafodporu(), false);
}

void Tvstup::N7Click() {
  platform().ShowWindow(app_.zasah(), false);
}

void Tvstup::N8Click() {
  platform().ShowWindow(app_.reseni(), false);
}
