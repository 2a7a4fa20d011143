#include "qt/KartaView.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "qt/QtPlatform.h"
#include "ui/Karta1.h"

namespace {
constexpr int kWidth = 300, kCheckPitch = 19;
}  // namespace

KartaView::KartaView(Tkarta& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kWidth, 364), FormBorder::Dialog), w_(w) {
  FormBuilder b(platform);
  QWidget* c = client();
  b.RadioGroup(c, w.RadioGroup1, QRect(8, 4, kWidth - 16, 76));

  QGroupBox* distances = b.Group(c, "Vzdálenosti", QRect(8, 84, kWidth - 16, 52));
  b.Row(distances, "Od:", w.Edit1, 8, 30, 20, 48, "m");
  b.Row(distances, "Do:", w.Edit2, 100, 124, 20, 48, "m");
  b.Row(distances, "Krok:", w.Edit3, 192, 222, 20, 36, "m");

  QGroupBox* columns =
      b.Group(c, "Sloupce karet A6 a 85 × 54 mm (nejvýše pět)", QRect(8, 140, kWidth - 16, 178));
  for (int i = 0; i < Tkarta::kColumnChoices; ++i)
    b.CheckBox(columns, *w.Column(i), 12, 20 + i * kCheckPitch, kWidth - 40);

  b.Button(c, w.Button1, QRect(8, 326, 180, 30));
  b.Button(c, w.Button2, QRect(196, 326, kWidth - 204, 30));
}

void KartaView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      platform().RunAct([this] { w_.Button2.Click(); });
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A button with the focus is pressed itself, as "Zrušit" would be on the desktop.
      if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
        return;
      }
      platform().RunAct([this] { w_.Button1.Click(); });
      return;
    default:
      FormView::keyPressEvent(event);
  }
}
