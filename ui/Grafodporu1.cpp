#include "ui/Grafodporu1.h"

#include "core/Abort.h"
#include "core/NumberText.h"
#include "engine/DragComparison.h"
#include "ui/Application.h"
#include "ui/PictureFile.h"
#include "ui/Vstup1.h"

namespace {

TPlotOwnerConfig DragGraphConfig() {
  TPlotOwnerConfig c;
  c.xUnitFromRight = 60;
  c.xUnitFromBottom = 23;
  c.yUnitX = 20;
  c.yUnitY = 15;
  c.hasTitle = false;
  c.palette = {{255, 0, 0}, {0, 0, 255}, {0, 0, 0}, {0, 128, 0}};
  return c;
}

// Every second speed: 851 points of the 1701.
constexpr int kSamplingStep = 2;

}  // namespace

Tgrafodporu::Tgrafodporu(Application& app, forms::Platform& platform)
    : forms::Window("Tgrafodporu", "Koeficient čelního odporu (Drag Function)", platform),
      app_(app),
      graph_(Graf1, Edit1, Edit2, DragGraphConfig()) {
  RegisterAll(Button1, Button2, Button3, Button4, Button6, Label1, Edit1, Edit2, Graf1);
  Button1.SetCaption("Klon I");
  Button2.SetCaption("Klon II");
  Button3.SetCaption("Klon III");
  Button4.SetCaption("Vymaž");
  Button6.SetCaption("Ulož do .bmp");
  Label1.SetCaption("Poloha X, Y:");
  Edit1.SetText("X");
  Edit2.SetText("Y");
  for (int v = 0; v <= kDragGridMax; ++v) speeds_[v] = v;
  graph_.SetXUnit("v [m/s]");
  graph_.SetYUnit("c");

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  Graf1.OnMouseDown = [this](int x, int y) { graph_.MouseDown(x, y); };
  Graf1.OnMouseMove = [this](int x, int y) { graph_.MouseMove(x, y); };
  Graf1.OnMouseUp = [this](int x, int y) { graph_.MouseUp(x, y); };
  Graf1.OnDblClick = [this](int, int) { graph_.DblClick(); };
}

void Tgrafodporu::FormCreate() {
  graph_.ResetAxes();
}

void Tgrafodporu::FormActivate() {
  Tvstup& calc = app_.vstup();
  // A refused activation leaves the calculation's inputs, which "Ulož" writes, as they were.
  const Tvstup::ActionRollback rollback(calc);
  TShotInputs& in = calc.computation().in;
  in.massKg = ParseNumber(calc.Edit2.Text()) * 0.001;
  in.diameterM = ParseNumber(calc.Edit3.Text()) * 0.001;
  // The form factor divides by both; the computation refuses them with the same words.
  if (in.massKg <= 0) ShowMessageAbort("Hmotnost menší nebo rovna nule.");
  if (in.diameterM <= 0) ShowMessageAbort("Průměr střely menší nebo roven nule.");
  calc.ResolveCoefficient();
  const bool variable = calc.RadioGroup5.ItemIndex() == 2;
  const TCoefficientPair last =
      ProjectileDragCurve(in, variable, calc.computation().dragGrid, std::span(cd_));
  if (variable) {
    in.ballisticCoefficient = last.ballisticCoefficient;
    in.formFactor = last.formFactor;
  }
  graph_.SetCurve(speeds_.data(), cd_.data(), 0, kDragGridMax, kSamplingStep, 0, csLine);
}

void Tgrafodporu::FormResize() {
  graph_.FitToImage();
}

void Tgrafodporu::StoreClone(int slot) {
  graph_.SetCurve(speeds_.data(), cd_.data(), 0, kDragGridMax, kSamplingStep, slot, csLine);
}

void Tgrafodporu::Button1Click() {
  StoreClone(1);
}

void Tgrafodporu::Button2Click() {
  StoreClone(2);
}

void Tgrafodporu::Button3Click() {
  StoreClone(3);
}

void Tgrafodporu::Button4Click() {
  for (int slot = 1; slot <= 3; ++slot) graph_.HideCurve(slot);
}

void Tgrafodporu::Button6Click() {
  const auto path = AskPicturePath(platform(), "Odpor.bmp", false);
  if (!path) return;
  WritePicture(platform(), Graf1.Picture(), *path);
}
