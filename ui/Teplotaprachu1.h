#pragma once
#include "forms/Window.h"

class Tvstup;

// Muzzle velocity for another powder temperature or another barrel length.
class Tteplotaprachu : public forms::Window {
 public:
  Tteplotaprachu(Tvstup& vstup, forms::Platform& platform);
  void FormCreate() override;
  void FormActivate() override;

  // Powder temperature
  forms::Edit Edit1{"Edit1"};  // velocity, m/s
  forms::Edit Edit2{"Edit2"};  // powder temperature given, C
  forms::Edit Edit3{"Edit3"};  // powder temperature wanted, C
  forms::Label Label1{"Label1"};
  forms::Button Button1{"Button1"};
  // Barrel length
  forms::Edit Edit4{"Edit4"};  // velocity from the tables, m/s
  forms::Edit Edit5{"Edit5"};  // barrel length given, cm
  forms::Edit Edit6{"Edit6"};  // barrel length wanted, cm
  forms::Label Label10{"Label10"};
  forms::Button Button2{"Button2"};

  void Button1Click();
  void Button2Click();

 private:
  // The calculation window's muzzle velocity is the start value of both velocities.
  void TakeVelocity();
  Tvstup& vstup_;
};
