#include "ui/Mildot1.h"

#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/PictureFile.h"
#include "ui/Vstup1.h"

namespace {
constexpr double kDegToRad = 0.01745329267623711;
}

Tmildot::Tmildot(Application& app, forms::Platform& platform)
    : forms::Window("Tmildot", "Záměrná osnova", platform), app_(app) {
  RegisterAll(Image1, Button2, Edit1, Edit2, Label3, Button3);
  Button2.SetCaption("Ulož do .bmp");
  Button3.SetCaption("Vzdálenost");
  Edit1.SetText("0,1");
  Edit2.SetText("1");
  Label3.SetCaption("100");
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
}

void Tmildot::FormCreate() {
  Edit1.SetText(FormatNumber(0.1));
}

TReticleScene Tmildot::SceneFromCalculation() const {
  Tvstup& v = app_.vstup();
  TReticleScene s;
  s.reticle = v.ComboBox7.ItemIndex();
  if (s.reticle < 0 || s.reticle >= kReticleCount) s.reticle = kReticleMilDot;
  s.markMode = v.RadioGroup8.ItemIndex() == 1 ? TMarkMode::Wind : TMarkMode::Distance;
  s.aimingCross = v.CheckBox13.Checked();
  s.title = v.Edit33.Text();
  s.standardMagText = v.Edit42.Text();
  s.actualMagText = v.Edit43.Text();
  s.shootingDistanceText = v.Edit64.Text();
  // Read before anything is drawn, so that a field without a number leaves the old picture.
  s.standardMag = ParseNumber(v.Edit42.Text());
  if (s.aimingCross) s.shootingDistanceM = ParseNumber(v.Edit64.Text());
  const Computation& c = v.computation();
  s.crossWind = c.in.crossWind;
  s.hold = c.holdDistanceM;
  s.wind = c.windMarkValue;
  return s;
}

void Tmildot::FormActivate() {
  const TReticleScene scene = SceneFromCalculation();
  DrawReticleScene(Image1.Picture(), scene);
  Image1.PictureChanged();
}

void Tmildot::Button2Click() {
  const auto path = AskPicturePath(platform(), "MilDot.bmp", true);
  if (!path) return;
  WritePicture(platform(), Image1.Picture(), *path);
}

void Tmildot::Button3Click() {
  Tvstup& v = app_.vstup();
  const double standardMag = ParseNumber(v.Edit42.Text());
  const double actualMag = ParseNumber(v.Edit43.Text());
  if (standardMag <= 0 || actualMag <= 0) ShowMessageAbort("Zvětšení menší nebo rovno nule.");
  int reticle = v.ComboBox7.ItemIndex();
  if (reticle < 0 || reticle >= kReticleCount) reticle = kReticleMilDot;
  const double divisionDeg = RangingDivisionDeg(reticle, standardMag, actualMag);
  const double sizeM = ParseNumber(Edit1.Text());
  const double divisions = ParseNumber(Edit2.Text());
  // An object seen under no angle, or under a right angle or more, has no distance.
  const double angleDeg = divisions * divisionDeg;
  if (sizeM <= 0) ShowMessageAbort("Reálná velikost předmětu menší nebo rovna nule.");
  if (angleDeg <= 0 || angleDeg >= 90) ShowMessageAbort("Velikost předmětu na kříži mimo rozsah.");
  const double distanceM = sizeM / std::tan(angleDeg * kDegToRad);
  Label3.SetCaption(FormatNumber(RoundTo(distanceM, 0)));
}
