#pragma once
#include "forms/Window.h"

// ICAO atmosphere: air conditions measured at one altitude carried to another.
class Tnmv : public forms::Window {
 public:
  explicit Tnmv(forms::Platform& platform);
  void FormCreate() override;

  // "Parametry vzduchu"
  forms::Edit Edit1{"Edit1"};  // temperature, C
  forms::Edit Edit2{"Edit2"};  // pressure, hPa
  forms::Edit Edit3{"Edit3"};  // altitude of the measurement, m
  forms::Edit Edit4{"Edit4"};  // altitude wanted, m
  // "Výpočet"
  forms::Label Label13{"Label13"}, Label14{"Label14"}, Label16{"Label16"}, Label18{"Label18"};
  forms::Button Button1{"Button1"};

  void Button1Click();
};
