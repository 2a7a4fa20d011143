#include "qt/ZakladniView.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "qt/FormBuilder.h"
#include "ui/Zakladni1.h"

ZakladniView::ZakladniView(Tzakladni& w, QtPlatform& platform)
    : FormView(w, platform, QSize(481, 177), FormBorder::Single) {
  FormBuilder b(platform);
  QWidget* c = client();
  b.Image(c, w.Image1, QRect(8, 8, w.Image1.Width(), w.Image1.Height()));

  QFrame* title = b.Panel(c, QRect(281, 8, 192, 105));
  QLabel* name = b.Label(title, w.Label1, QRect(4, 22, 184, 32));
  name->setFont(BoldFont(16));
  name->setAlignment(Qt::AlignCenter);
  QLabel* version = b.Label(title, w.Label2, QRect(4, 62, 184, 18));
  version->setFont(QFont("Arial", 10));
  version->setAlignment(Qt::AlignCenter);

  QFrame* buttons = b.Panel(c, QRect(281, 119, 192, 50));
  for (auto [model, x] : {std::pair{&w.Button1, 8}, std::pair{&w.Button2, 100}}) {
    QPushButton* button = b.Button(buttons, *model, QRect(x, 8, 84, 34));
    button->setFont(PixelFont(16, true));
  }
}
