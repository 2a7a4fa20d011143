// The five input pages of the calculation window.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "qt/ProjectilePicture.h"
#include "qt/VstupView.h"
#include "ui/Vstup1.h"

namespace {
constexpr int kPitch = 23;  // rows of fields
constexpr int kFirstRow = 18;

int RowY(int row) {
  return kFirstRow + row * kPitch;
}

// A caption whose text the model sets.
QLabel* Caption(FormBuilder& b, QWidget* parent, forms::Label& model, int x, int row, int w) {
  return b.Label(parent, model, QRect(x, RowY(row) + 4, w, 14));
}
}  // namespace

void VstupView::BuildParametry(FormBuilder& b, QWidget* page) {
  QGroupBox* basic = b.Group(page, "Základní parametry", QRect(2, 2, 200, 184));
  constexpr int cx = 8, ex = 110, ew = 48, ux = 163;
  Caption(b, basic, w_.Label1, cx, 0, 100);
  b.Edit(basic, w_.Edit1, ex, RowY(0), ew);
  Caption(b, basic, w_.Label2, ux, 0, 34);
  b.Row(basic, "Hmotnost střely:", w_.Edit2, cx, ex, RowY(1), ew, "g");
  b.Row(basic, "Průměr střely:", w_.Edit3, cx, ex, RowY(2), ew, "mm");
  b.Row(basic, "Počáteční rychlost:", w_.Edit4, cx, ex, RowY(3), ew, "m/s");
  b.Row(basic, "Výška osy mířidel:", w_.Edit5, cx, ex, RowY(4), ew, "mm");
  // One row for the angle or the zero: the model shows the field of the chosen mode and
  // moves Edit19 left to make room for the height of the zero point.
  Caption(b, basic, w_.Label3, cx, 5, 100);
  // Room for a six-decimal angle such as "-0,112501", taken from its short caption.
  b.Edit(basic, w_.Edit6, ex - 10, RowY(5), ew + 10);
  b.Edit(basic, w_.Edit19, ex, RowY(5), ew);
  // Wide enough for a height such as "-0,125"; the unit moves right with it (the model's offset).
  b.Edit(basic, w_.Edit63, ex + ew - 22, RowY(5), 42);
  Caption(b, basic, w_.Label4, ux, 5, 34);
  b.Row(basic, "Vzdálenost hradel:", w_.Edit22, cx, ex, RowY(6), ew, "m");

  b.RadioGroup(page, w_.RadioGroup3, QRect(206, 2, 162, 68));

  QGroupBox* settings = b.Group(page, "Nastavení", QRect(206, 72, 162, 114));
  b.Text(settings, "Krok:", 8, RowY(0) + 4);
  b.ComboBox(settings, w_.ComboBox1, 58, RowY(0), 60);
  b.Text(settings, "m", 122, RowY(0) + 4);
  b.Text(settings, "1 klik je:", 8, RowY(1) + 4);
  b.ComboBox(settings, w_.ComboBox2, 58, RowY(1), 96);
  b.Text(settings, "1 klik je:", 8, RowY(2) + 4);
  b.Edit(settings, w_.Edit24, 58, RowY(2), 44);
  Caption(b, settings, w_.Label5, 106, 2, 52);
  b.Text(settings, "Kliknutí:", 8, RowY(3) + 4);
  QLabel* clicks = b.Label(settings, w_.Label12, QRect(52, RowY(3) - 2, 46, 24));
  clicks->setFont(BoldFont(13));
  clicks->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  b.UpDown(settings, w_.UpDown1, QRect(100, RowY(3) - 1, 16, 23));
  b.Button(settings, w_.Button8, QRect(119, RowY(3), 36, 21));

  QGroupBox* actions = b.Group(page, QString(), QRect(372, 2, 94, 184));
  b.Button(actions, w_.Button1, QRect(8, 10, 78, 25));
  b.Button(actions, w_.Button7, QRect(8, 40, 78, 25));
  b.Button(actions, w_.Button5, QRect(8, 70, 78, 25));
  b.Button(actions, w_.Button15, QRect(8, 100, 78, 25));
  QPushButton* compute = b.Button(actions, w_.Button3, QRect(8, 142, 78, 32));
  compute->setFont(BoldFont(9));
  EnterClicks(client(), compute);
}

void VstupView::BuildAtmosfera(FormBuilder& b, QWidget* page) {
  QGroupBox* air = b.Group(page, "Další parametry", QRect(2, 2, 198, 184));
  constexpr int cx = 8, ex = 102, ew = 48, ux = 154;
  b.Row(air, "Teplota vzduchu:", w_.Edit13, cx, ex, RowY(0), ew, "C");
  b.Row(air, "Tlak vzduchu:", w_.Edit8, cx, ex, RowY(1), ew, "hPa");
  b.Row(air, "Nadmořská výška:", w_.Edit29, cx, ex, RowY(2), ew, "m.n.m.");
  b.Row(air, "Vlhkost vzduchu:", w_.Edit9, cx, ex, RowY(3), ew, "%");
  Caption(b, air, w_.Label6, cx, 4, 92);
  b.Row(air, {}, w_.Edit10, cx, ex, RowY(4), ew, "m/s");
  Caption(b, air, w_.Label7, cx, 5, 92);
  b.Edit(air, w_.Edit11, ex, RowY(5), ew);
  Caption(b, air, w_.Label8, ux, 5, 40);
  b.Row(air, "Vertikální vítr:", w_.Edit55, cx, ex, RowY(6), ew, "m/s");

  b.RadioGroup(page, w_.RadioGroup4, QRect(204, 2, 124, 52));
  b.RadioGroup(page, w_.RadioGroup7, QRect(204, 56, 124, 52));
  b.RadioGroup(page, w_.RadioGroup6, QRect(204, 110, 124, 52));
  b.CheckBox(page, w_.CheckBox14, 208, 168, 120);

  QGroupBox* stations = b.Group(page, "Proměnný příčný vítr", QRect(330, 2, 136, 184));
  b.Text(stations, "Počet stanovišť:", 6, 22);
  b.ComboBox(stations, w_.ComboBox3, 98, 18, 34);
  b.Text(stations, "Vzdálen. [m]", 8, 44);
  b.Text(stations, "v [m/s]", 72, 44);
  forms::Edit* distances[] = {&w_.Edit44, &w_.Edit45, &w_.Edit46, &w_.Edit47, &w_.Edit48};
  forms::Edit* winds[] = {&w_.Edit49, &w_.Edit50, &w_.Edit51, &w_.Edit52, &w_.Edit53};
  for (int i = 0; i < 5; ++i) {
    b.Edit(stations, *distances[i], 8, 60 + i * kPitch, 58);
    b.Edit(stations, *winds[i], 72, 60 + i * kPitch, 54);
  }
}

void VstupView::BuildOstatni(FormBuilder& b, QWidget* page) {
  QGroupBox* onv = b.Group(page, "ONV", QRect(2, 2, 150, 68));
  b.Row(onv, "Max. převýšení:", w_.Edit41, 8, 90, 18, 36, "cm");
  b.Button(onv, w_.Button10, QRect(8, 42, 60, 21));

  QGroupBox* twist = b.Group(page, "Stoupání", QRect(2, 72, 150, 96));
  b.Row(twist, "Délka střely:", w_.Edit23, 8, 80, 18, 40, "mm");
  b.ComboBox(twist, w_.ComboBox4, 8, 42, 134);
  b.Button(twist, w_.Button13, QRect(8, 67, 134, 23));

  QGroupBox* incline = b.Group(page, "Střelba do/z kopce", QRect(154, 2, 182, 136));
  Caption(b, incline, w_.Label9, 8, 0, 80);
  b.Row(incline, {}, w_.Edit7, 8, 90, RowY(0), 50, "m");
  Caption(b, incline, w_.Label10, 8, 1, 80);
  b.Edit(incline, w_.Edit14, 90, RowY(1), 50);
  Caption(b, incline, w_.Label11, 144, 1, 30);
  b.RadioButton(incline, w_.RadioButton1, 8, 66, 170);
  b.RadioButton(incline, w_.RadioButton2, 8, 86, 170);
  b.Button(incline, w_.Button11, QRect(8, 107, 70, 23));

  QGroupBox* step = b.Group(page, "Krok výpočtu", QRect(154, 142, 182, 60));
  QLabel* stepMs = b.Label(step, w_.Label50, QRect(8, 18, 30, 16));
  stepMs->setFont(BoldFont(9));
  stepMs->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  b.Text(step, "ms", 42, 19);
  b.CheckBox(step, w_.CheckBox8, 124, 18, 52);
  b.ScrollBar(step, w_.ScrollBar1, QRect(8, 38, 166, 17));

  QGroupBox* reticle = b.Group(page, "Výpočet záměrné osnovy", QRect(340, 2, 126, 211));
  b.Text(reticle, "Standardní/Aktuální:", 8, 15);
  b.Edit(reticle, w_.Edit42, 8, 29, 44);
  b.Text(reticle, "X", 57, 33);
  b.Edit(reticle, w_.Edit43, 68, 29, 44);
  b.Text(reticle, "Vzdálenost střelby:", 8, 52);
  b.Row(reticle, {}, w_.Edit64, 8, 8, 65, 50, "m");
  // Two lines high, so that every reticle's whole name shows.
  b.ComboBox(reticle, w_.ComboBox7, 8, 88, 112)->setFixedHeight(30);
  // Room for two items that do not touch.
  b.RadioGroup(reticle, w_.RadioGroup8, QRect(6, 118, 114, 52));
  b.CheckBox(reticle, w_.CheckBox13, 8, 170, 112);
  b.Button(reticle, w_.Button19, QRect(6, 187, 56, 22));
  b.Button(reticle, w_.Button20, QRect(64, 187, 56, 22));
}

void VstupView::BuildTvar(FormBuilder& b, QWidget* page) {
  QGroupBox* drag = b.Group(page, "Odpor vzduchu", QRect(2, 2, 124, 68));
  b.ComboBox(drag, w_.ComboBox6, 8, 18, 108);
  b.Button(drag, w_.Button4, QRect(8, 42, 108, 22));
  b.RadioGroup(page, w_.RadioGroup5, QRect(2, 72, 124, 70));
  b.Button(page, w_.Button16, QRect(2, 148, 124, 25));

  QGroupBox* bands = b.Group(page, "Proměnný balistický koeficient", QRect(129, 2, 164, 156));
  b.Text(bands, "Rychlost", 30, 18);
  b.Text(bands, "BC:", 97, 18);
  forms::Edit* speeds[] = {&w_.Edit30, &w_.Edit31, &w_.Edit32, &w_.Edit34, &w_.Edit35};
  forms::Edit* coefficients[] = {&w_.Edit36, &w_.Edit37, &w_.Edit38, &w_.Edit39, &w_.Edit40};
  forms::CheckBox* switches[] = {nullptr, nullptr, &w_.CheckBox6, &w_.CheckBox7, &w_.CheckBox9};
  for (int i = 0; i < 5; ++i) {
    const int y = 34 + i * kPitch;
    b.Row(bands, i == 0 ? "nad" : "pod", *speeds[i], 8, 30, y, 40, "m/s");
    b.Edit(bands, *coefficients[i], 97, y, 42);
    if (switches[i]) b.CheckBox(bands, *switches[i], 143, y + 2, 16);
  }

  QGroupBox* drop = b.Group(page, "Balistický koeficient z převýšení", QRect(296, 2, 170, 114));
  b.Row(drop, "Vzdálenost1:", w_.Edit25, 8, 76, RowY(0), 44, "m");
  b.Row(drop, "Poloha Y1:", w_.Edit26, 8, 76, RowY(1), 44, "cm");
  b.Row(drop, "Vzdálenost2:", w_.Edit27, 8, 76, RowY(2), 44, "m");
  b.Row(drop, "Poloha Y2:", w_.Edit28, 8, 76, RowY(3), 44, "cm");
  b.Button(drop, w_.Button14, QRect(142, 52, 22, 22));

  QGroupBox* velocity =
      b.Group(page, "Balistický koeficient z rychlosti", QRect(296, 120, 170, 68));
  b.Row(velocity, "Vzdálenost:", w_.Edit20, 8, 76, RowY(0), 44, "m");
  b.Row(velocity, "Rychlost:", w_.Edit21, 8, 76, RowY(1), 44, "m/s");
  b.Button(velocity, w_.Button12, QRect(142, 29, 22, 22));
}

void VstupView::BuildDoplnky(FormBuilder& b, QWidget* page) {
  QGroupBox* extras = b.Group(page, "Doplňky", QRect(2, 2, 124, 72));
  b.CheckBox(extras, w_.CheckBox11, 8, 18, 110);
  b.CheckBox(extras, w_.CheckBox10, 8, 35, 110);
  b.CheckBox(extras, w_.CheckBox3, 8, 52, 110);
  auto* projectile = new ProjectilePicture(page);
  projectile->setGeometry(130, 4, 126, 70);

  QGroupBox* place =
      b.Group(page, "Směr, lokace výstřelu a tíhové zrychlení", QRect(2, 76, 254, 90));
  b.Row(place, "Směr (0=S, 90=V, 180=J, 270=Z):", w_.Edit54, 8, 174, RowY(0), 42, "stup.");
  b.Row(place, "Zem. šířka (jižní polokoule je - ):", w_.Edit56, 8, 174, RowY(1), 42, "stup.");
  b.Row(place, "Tíhové zrychlení G:", w_.Edit58, 8, 174, RowY(2), 42, "m/s2");
  b.Button(page, w_.Button21, QRect(2, 170, 124, 25));

  QGroupBox* shape = b.Group(page, "Rozměry střely", QRect(260, 2, 206, 184));
  constexpr int cx = 8, ex = 126, ew = 44;
  b.Row(shape, "Délka střely (L0):", w_.Edit57, cx, ex, RowY(0), ew, "kal.");
  b.Row(shape, "Délka přední části (L2):", w_.Edit59, cx, ex, RowY(1), ew, "kal.");
  b.Row(shape, "Délka zadní části (L3):", w_.Edit60, cx, ex, RowY(2), ew, "kal.");
  b.Row(shape, "Průměr dna (D2):", w_.Edit61, cx, ex, RowY(3), ew, "kal.");
  b.Row(shape, "Průměr špice (D3):", w_.Edit62, cx, ex, RowY(4), ew, "kal.");
  b.Row(shape, "Délka stoupání:", w_.Edit12, cx, ex, RowY(5), ew, "cm");
  b.Text(shape, "Směr stoupání:", cx, RowY(6) + 4);
  b.ComboBox(shape, w_.ComboBox5, ex, RowY(6), 70);
}
