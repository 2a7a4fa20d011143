#include "ui/Prevody1.h"

#include "core/NumberText.h"
#include "core/RoundTo.h"

Tprevody::Tprevody(forms::Platform& platform)
    : forms::Window("Tprevody", "Převody jednotek", platform) {
  RegisterAll(Edit9, Edit10, BitBtn9, BitBtn10, Edit11, Edit12, BitBtn11, BitBtn12, Edit3, Edit4,
              BitBtn3, BitBtn4, Edit1, Edit2, BitBtn2, BitBtn1, Edit13, Edit14, BitBtn14, BitBtn13,
              Edit5, Edit6, BitBtn5, BitBtn6, Edit7, Edit8, BitBtn7, BitBtn8, Edit15, Edit16,
              BitBtn15, BitBtn16, Edit17, Edit18, BitBtn17, BitBtn18);
  for (forms::Control* c : Controls()) {
    if (auto* edit = dynamic_cast<forms::Edit*>(c)) edit->SetText("0");
  }
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
  BitBtn4.OnClick = [this] { BitBtn4Click(); };
  BitBtn5.OnClick = [this] { BitBtn5Click(); };
  BitBtn6.OnClick = [this] { BitBtn6Click(); };
  BitBtn7.OnClick = [this] { BitBtn7Click(); };
  BitBtn8.OnClick = [this] { BitBtn8Click(); };
  BitBtn9.OnClick = [this] { BitBtn9Click(); };
  BitBtn10.OnClick = [this] { BitBtn10Click(); };
  BitBtn11.OnClick = [this] { BitBtn11Click(); };
  BitBtn12.OnClick = [this] { BitBtn12Click(); };
  BitBtn13.OnClick = [this] { BitBtn13Click(); };
  BitBtn14.OnClick = [this] { BitBtn14Click(); };
  BitBtn15.OnClick = [this] { BitBtn15Click(); };
  BitBtn16.OnClick = [this] { BitBtn16Click(); };
  BitBtn17.OnClick = [this] { BitBtn17Click(); };
  BitBtn18.OnClick = [this] { BitBtn18Click(); };
}

void Tprevody::Convert(const forms::Edit& source, double factor, int decimals,
                       forms::Edit& target) {
  const double value = ParseNumber(source.Text());
  target.SetText(FormatNumber(RoundHalfUp(value * factor, decimals)));
}

// In each pair one factor is a round constant and the other its reciprocal in doubles.
// Lengths
void Tprevody::BitBtn9Click() {
  Convert(Edit9, 0.39370078740157477, 3, Edit10);  // cm -> in
}
void Tprevody::BitBtn10Click() {
  Convert(Edit10, 2.54, 3, Edit9);
}
void Tprevody::BitBtn11Click() {
  Convert(Edit11, 3.280839895013123, 3, Edit12);  // m -> ft
}
void Tprevody::BitBtn12Click() {
  Convert(Edit12, 0.3048, 3, Edit11);
}
void Tprevody::BitBtn3Click() {
  Convert(Edit3, 1.0936132983377078, 3, Edit4);  // m -> yd
}
void Tprevody::BitBtn4Click() {
  Convert(Edit4, 0.9144, 3, Edit3);
}
// Masses
void Tprevody::BitBtn2Click() {
  Convert(Edit1, 15.43236073451864, 4, Edit2);  // g -> gr
}
void Tprevody::BitBtn1Click() {
  Convert(Edit2, 0.0647989, 4, Edit1);
}
void Tprevody::BitBtn14Click() {
  Convert(Edit13, 0.03527399072294044, 3, Edit14);  // g -> oz
}
void Tprevody::BitBtn13Click() {
  Convert(Edit14, 28.3495, 3, Edit13);
}
// Speed and energy
void Tprevody::BitBtn5Click() {
  Convert(Edit5, 3.280839895013123, 3, Edit6);  // m/s -> ft/s
}
void Tprevody::BitBtn6Click() {
  Convert(Edit6, 0.3048, 3, Edit5);
}
void Tprevody::BitBtn7Click() {
  Convert(Edit7, 0.7375610331754953, 3, Edit8);  // J -> ft.lb
}
void Tprevody::BitBtn8Click() {
  Convert(Edit8, 1.35582, 3, Edit7);
}
// Pressures
void Tprevody::BitBtn15Click() {
  Convert(Edit15, 145.038, 2, Edit16);  // MPa -> psi
}
void Tprevody::BitBtn16Click() {
  Convert(Edit16, 0.006894744825494008, 2, Edit15);
}
void Tprevody::BitBtn17Click() {
  Convert(Edit17, 10, 2, Edit18);  // MPa -> bar
}
void Tprevody::BitBtn18Click() {
  Convert(Edit18, 0.1, 2, Edit17);
}
