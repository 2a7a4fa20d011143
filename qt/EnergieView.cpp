#include "qt/EnergieView.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "qt/FormBuilder.h"
#include "ui/Energie1.h"

EnergieView::EnergieView(Tenergie& w, QtPlatform& platform)
    : FormView(w, platform, QSize(440, 270), FormBorder::Dialog) {
  FormBuilder b(platform);
  QGroupBox* g = b.Group(client(), QString(), QRect(8, 4, 424, 258));
  struct Input {
    const char* caption;
    forms::Edit* edit;
    forms::Label* unit;
    forms::CheckBox* box;
  };
  const Input inputs[] = {{"Rychlost:", &w.Edit1, &w.Label2, &w.CheckBox1},
                          {"Hmotnost střely:", &w.Edit2, &w.Label3, &w.CheckBox2},
                          {"Průměr střely:", &w.Edit3, &w.Label4, &w.CheckBox3}};
  for (int i = 0; i < 3; ++i) {
    const int y = 16 + i * 28;
    b.Row(g, inputs[i].caption, *inputs[i].edit, 12, 116, y, 80);
    b.Label(g, *inputs[i].unit, QRect(200, y + 3, 36, 16));
    b.CheckBox(g, *inputs[i].box, 240, y + 2, 90);
  }
  EnterClicks(nullptr, b.Button(g, w.Button1, QRect(336, 72, 76, 23)));

  auto* line = new QFrame(g);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(8, 106, 408, 4);

  b.Readout(g, "Energie:", w.Label1, 12, 116, 118, 72, "J");
  b.Readout(g, {}, w.Label21, 0, 258, 118, 72, "ft.lb");
  b.Readout(g, "Hybnost:", w.Label10, 12, 116, 144, 72, "kg.m/s");
  b.Readout(g, {}, w.Label22, 0, 258, 144, 72, "lb.ft/s");
  b.Readout(g, "Energ. zatížení:", w.Label14, 12, 116, 170, 72, "J/cm2");
  b.Readout(g, {}, w.Label23, 0, 258, 170, 72, "ft.lb/in2");
  b.Readout(g, "Průřez. zatížení:", w.Label16, 12, 116, 196, 72, "g/cm2");
  b.Readout(g, {}, w.Label24, 0, 258, 196, 72, "lb/in2");
  b.Readout(g, "IPSC faktor:", w.Label11, 12, 116, 222, 72);
}
