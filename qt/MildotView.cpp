#include "qt/MildotView.h"

#include <QGroupBox>
#include <QLabel>

#include "qt/FormBuilder.h"
#include "ui/Mildot1.h"

MildotView::MildotView(Tmildot& w, QtPlatform& platform)
    : FormView(w, platform, QSize(376, 497), FormBorder::Dialog) {
  FormBuilder b(platform);
  QWidget* c = client();
  b.Image(c, w.Image1, QRect(8, 8, w.Image1.Width(), w.Image1.Height()));

  QGroupBox* ranging = b.Group(c, "Výpočet vzdálenosti předmětu z kříže", QRect(8, 397, 268, 94));
  b.Row(ranging, "Reálná velikost předmětu:", w.Edit1, 8, 160, 20, 50, "m");
  b.Row(ranging, "Velikost předmětu na kříži:", w.Edit2, 8, 160, 44, 50, "dílky");
  b.Text(ranging, "Vzdálenost předmětu:", 8, 71);
  QLabel* distance = b.Label(ranging, w.Label3, QRect(160, 71, 50, 16));
  distance->setFont(BoldFont(9));
  b.Text(ranging, "m", 214, 71);

  b.Button(c, w.Button2, QRect(284, 403, 84, 25));
  EnterClicks(ranging, b.Button(c, w.Button3, QRect(284, 459, 84, 25)));
}
