#include "qt/KoeficientyView.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "qt/FormBuilder.h"
#include "ui/Koeficienty1.h"

KoeficientyView::KoeficientyView(Tkoeficienty& w, QtPlatform& platform)
    : FormView(w, platform, QSize(480, 474), FormBorder::Dialog) {
  FormBuilder b(platform);
  QWidget* c = client();

  QGroupBox* params = b.Group(c, "Parametry", QRect(8, 8, 300, 152));
  constexpr int kCaptionX = 10, kEditX = 136, kEditW = 90;
  b.Row(params, "Hmotnost střely:", w.Edit2, kCaptionX, kEditX, 20, kEditW, "g");
  b.Row(params, "Průměr střely:", w.Edit3, kCaptionX, kEditX, 46, kEditW, "mm");
  b.Row(params, "Počáteční rychlost:", w.Edit4, kCaptionX, kEditX, 72, kEditW, "m/s");
  b.Label(params, w.Label1, QRect(kCaptionX, 102, 124, 14));
  b.Edit(params, w.Edit1, kEditX, 98, kEditW);
  b.Label(params, w.Label2, QRect(kEditX + kEditW + 4, 102, 50, 14));
  b.Text(params, "Odpor vzduchu:", kCaptionX, 128);
  b.ComboBox(params, w.ComboBox1, kEditX, 124, kEditW);

  b.RadioGroup(c, w.RadioGroup1, QRect(316, 8, 156, 64));
  EnterClicks(nullptr, b.Button(c, w.Button1, QRect(316, 84, 156, 25)));
  b.Button(c, w.Button2, QRect(316, 116, 156, 25));

  QPlainTextEdit* memo = b.Memo(c, w.Memo1, QRect(8, 168, 464, 298), false);
  // The numbers line up only in a fixed-pitch font.
  memo->setFont(MonospaceFont(8));
}
