#include "qt/ReseniView.h"

#include <QGroupBox>
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
  b.Rows(target,
         {{"Vzdálenost cíle po záměrné:", w.Edit1, "m"},
          {"Sklon záměrné (+ do kopce):", w.Edit2, "°"},
          {"Náklon zbraně (+ doprava):", w.Edit3, "°"},
          {"Rychlost cíle:", w.Edit4, "m/s"},
          {"Úhel dráhy cíle k záměrné:", w.Edit5, "°"},
          {"Výška cíle (nebezpečný prostor):", w.Edit6, "cm"}},
         8, 250, 20, 80);
  b.RadioGroup(c, w.RadioGroup1, QRect(408, 2, 150, 64));
  EnterClicks(target, b.Button(c, w.Button1, QRect(408, 80, 100, 25)));
  b.Button(c, w.Button2, QRect(408, 112, 100, 25));

  QPlainTextEdit* memo =
      b.Memo(c, w.Memo1, QRect(4, kMemoTop, kClientWidth - 8, kClientHeight - kMemoTop - 4), false);
  memo->setFont(MonospaceFont(8));
  ShortenForScreen(memo, 120);

  b.BusyLabel(c, w.Label1, QPoint(kClientWidth / 2, kMemoTop + 56));
  FitToDesign();
}
