#include "qt/ZasahView.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "qt/FormBuilder.h"
#include "ui/Zasah1.h"

namespace {
constexpr int kClientWidth = 778, kClientHeight = 564;
constexpr int kGraphLeft = 334;
}  // namespace

ZasahView::ZasahView(Tzasah& w, QtPlatform& platform)
    : FormView(w, platform, QSize(kClientWidth, kClientHeight), FormBorder::Single) {
  FormBuilder b(platform);
  QWidget* c = client();

  QGroupBox* inputs = b.Group(c, "Cíl, rozptyly a vzdálenosti", QRect(4, 2, 326, 318));
  struct Row {
    const char* caption;
    forms::Edit& edit;
    const char* unit;
  };
  const Row rows[] = {
      {"Šířka cíle:", w.Edit1, "cm"},
      {"Výška cíle:", w.Edit2, "cm"},
      {"Rozptyl zbraně a střelce (1 σ):", w.Edit3, "MOA"},
      {"Odchylka rychlosti (1 σ):", w.Edit4, "m/s"},
      {"Odchylka BC (1 σ):", w.Edit5, "%"},
      {"Odchylka větru (1 σ):", w.Edit6, "m/s"},
      {"Odchylka odhadu vzdálenosti (1 σ):", w.Edit7, "%"},
      {"Od:", w.Edit8, "m"},
      {"Do:", w.Edit9, "m"},
      {"Krok:", w.Edit10, "m"},
      {"Počet ran:", w.Edit11, ""},
      {"Práh pravděpodobnosti:", w.Edit12, "%"},
  };
  int y = 20;
  for (const Row& r : rows) {
    b.Row(inputs, QString::fromUtf8(r.caption), r.edit, 8, 220, y, 64, QString::fromUtf8(r.unit));
    y += 24;
  }
  EnterClicks(inputs, b.Button(c, w.Button1, QRect(4, 326, 100, 25)));
  b.Button(c, w.Button2, QRect(110, 326, 100, 25));

  b.Image(c, w.Graf0, QRect(kGraphLeft, 4, w.Graf0.Width(), w.Graf0.Height()));
  QGroupBox* readOut = b.Group(c, "Poloha X, Y v grafu", QRect(kGraphLeft, 258, 150, 46));
  b.Edit(readOut, w.Edit13, 8, 18, 64);
  b.Edit(readOut, w.Edit14, 78, 18, 64);

  QPlainTextEdit* memo = b.Memo(c, w.Memo1, QRect(4, 358, kClientWidth - 8, 202), false);
  memo->setFont(MonospaceFont(8));

  QLabel* busy = b.Label(c, w.Label1, QRect(0, 0, 120, 32));
  busy->setFont(BoldFont(14));
  busy->setAlignment(Qt::AlignCenter);
  busy->setStyleSheet("QLabel { background-color: #ffff00; color: #000000; }");
  busy->move(kGraphLeft + (w.Graf0.Width() - busy->width()) / 2, 4 + (w.Graf0.Height() - 32) / 2);
  busy->raise();
  FitToDesign();
}
