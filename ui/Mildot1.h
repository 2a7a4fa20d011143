#pragma once
#include <array>
#include <string>

#include "forms/Canvas.h"
#include "forms/Window.h"
#include "solvers/Reticle.h"

class Application;

// What the reticle picture is drawn from: the calculation window's state of the moment.
struct TReticleScene {
  int reticle = kReticleMilDot;
  TMarkMode markMode = TMarkMode::Wind;
  bool aimingCross = true;
  std::string title;            // the cartridge description
  std::string standardMagText;  // as typed
  std::string actualMagText;    // as typed
  std::string shootingDistanceText;
  double standardMag = 24;
  double shootingDistanceM = 300;
  double crossWind = 0;
  std::array<double, 40> hold{};
  std::array<double, 40> wind{};
};

// The pixels per division and the height of position 0 of each reticle's picture.
struct TReticleScale {
  int pixelsPerDivision;
  int offset;
};
TReticleScale ReticleScale(int reticle);

// Draws the whole reticle picture (360 x 385 pixels) from a scene.
void DrawReticleScene(forms::Canvas& canvas, const TReticleScene& scene);

// The reticle window: the chosen reticle with hold distances and wind values beside its
// marks, an aiming cross, a ranging calculator and saving the picture.
class Tmildot : public forms::Window {
 public:
  Tmildot(Application& app, forms::Platform& platform);

  void FormCreate() override;
  void FormActivate() override;

  static constexpr int kPictureWidth = 360;
  static constexpr int kPictureHeight = 385;

  forms::Image Image1{"Image1", kPictureWidth, kPictureHeight};
  forms::Button Button2{"Button2"};
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"};
  forms::Label Label3{"Label3"};
  forms::Button Button3{"Button3"};

  void Button2Click();
  void Button3Click();

 private:
  TReticleScene SceneFromCalculation() const;
  Application& app_;
};
