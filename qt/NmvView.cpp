#include "qt/NmvView.h"

#include <QGroupBox>

#include "qt/FormBuilder.h"
#include "ui/Nmv1.h"

NmvView::NmvView(Tnmv& w, QtPlatform& platform)
    : FormView(w, platform, QSize(552, 158), FormBorder::Dialog) {
  FormBuilder b(platform);
  QGroupBox* in = b.Group(client(), "Parametry vzduchu", QRect(8, 8, 264, 142));
  b.Row(in, "Teplota vzduchu:", w.Edit1, 12, 126, 24, 80, "C");
  b.Row(in, "Tlak vzduchu:", w.Edit2, 12, 126, 52, 80, "hPa");
  b.Row(in, "Zadáno pro výšku:", w.Edit3, 12, 126, 80, 80, "m.n.m.");
  b.Row(in, "Vypočítat pro výšku:", w.Edit4, 12, 126, 108, 80, "m.n.m.");

  QGroupBox* out = b.Group(client(), "Výpočet", QRect(280, 8, 264, 142));
  b.Readout(out, "Teplota vzduchu:", w.Label13, 12, 118, 20, 80, "C");
  b.Readout(out, "Tlak vzduchu:", w.Label14, 12, 118, 44, 80, "hPa");
  b.Readout(out, "Hustota vzduchu:", w.Label16, 12, 118, 68, 80, "kg/m3");
  b.Readout(out, "Rychlost zvuku:", w.Label18, 12, 118, 92, 80, "m/s");
  EnterClicks(nullptr, b.Button(out, w.Button1, QRect(118, 116, 80, 23)));
}
