#include "qt/ReseniView.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "qt/FormBuilder.h"
#include "ui/Reseni1.h"

namespace {
constexpr int kClientWidth = 778, kClientHeight = 600;
constexpr int kMemoTop = 180;
}  // namespace

ReseniView::ReseniView(Treseni& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::Single) {
  FormBuilder b(platform);
  QWidget* c = client();

  QGroupBox* target = b.Group(c, "Cíl", QRect(4, 2, 396, 170));
  struct Row {
    const char* caption;
    forms::Edit& edit;
    const char* unit;
  };
  const Row rows[] = {
      {"Vzdálenost cíle po záměrné:", w.Edit1, "m"},
      {"Sklon záměrné (+ do kopce):", w.Edit2, "°"},
      {"Náklon zbraně (+ doprava):", w.Edit3, "°"},
      {"Rychlost cíle:", w.Edit4, "m/s"},
      {"Úhel dráhy cíle k záměrné:", w.Edit5, "°"},
      {"Výška cíle (nebezpečný prostor):", w.Edit6, "cm"},
  };
  int y = 20;
  for (const Row& r : rows) {
    b.Row(target, QString::fromUtf8(r.caption), r.edit, 8, 250, y, 80, QString::fromUtf8(r.unit));
    y += 24;
  }
  b.RadioGroup(c, w.RadioGroup1, QRect(408, 2, 150, 64));
  b.Button(c, w.Button1, QRect(408, 80, 100, 25));
  b.Button(c, w.Button2, QRect(408, 112, 100, 25));

  QPlainTextEdit* memo =
      b.Memo(c, w.Memo1, QRect(4, kMemoTop, kClientWidth - 8, kClientHeight - kMemoTop - 4), false);
  memo->setFont(MonospaceFont(8));

  QLabel* busy = b.Label(c, w.Label1, QRect(0, 0, 120, 32));
  busy->setFont(BoldFont(14));
  busy->setAlignment(Qt::AlignCenter);
  busy->setStyleSheet("QLabel { background-color: #ffff00; color: #000000; }");
  busy->move((kClientWidth - busy->width()) / 2, kMemoTop + 40);
  busy->raise();
  FitToDesign();
}
