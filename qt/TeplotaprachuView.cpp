#include "qt/TeplotaprachuView.h"

#include <QGroupBox>

#include "qt/FormBuilder.h"
#include "ui/Teplotaprachu1.h"

TeplotaprachuView::TeplotaprachuView(Tteplotaprachu& w, QtPlatform& platform)
    : FormView(w, platform, QSize(360, 300), FormBorder::Dialog) {
  FormBuilder b(platform);
  QGroupBox* powder =
      b.Group(client(), "Přepočet počáteční rychlosti podle teploty prachu", QRect(8, 8, 344, 138));
  b.Row(powder, "Rychlost:", w.Edit1, 12, 136, 22, 80, "m/s");
  b.Row(powder, "Při teplotě prachu:", w.Edit2, 12, 136, 50, 80, "C");
  b.Row(powder, "Přepočíst na teplotu:", w.Edit3, 12, 136, 78, 80, "C");
  b.Readout(powder, "Přepočtená rychlost:", w.Label1, 12, 136, 106, 80, "m/s");
  EnterClicks(powder, b.Button(powder, w.Button1, QRect(256, 105, 76, 23)));

  QGroupBox* barrel =
      b.Group(client(), "Přepočet počáteční rychlosti podle délky hlavně", QRect(8, 154, 344, 138));
  b.Row(barrel, "Tabulková rychlost:", w.Edit4, 12, 136, 22, 80, "m/s");
  b.Row(barrel, "Pro délku hlavně:", w.Edit5, 12, 136, 50, 80, "cm");
  b.Row(barrel, "Přepočet pro délku:", w.Edit6, 12, 136, 78, 80, "cm");
  b.Readout(barrel, "Přepočtená rychlost:", w.Label10, 12, 136, 106, 80, "m/s");
  EnterClicks(barrel, b.Button(barrel, w.Button2, QRect(256, 105, 76, 23)));
}
