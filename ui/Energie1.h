#pragma once
#include "forms/Window.h"

class Tvstup;

// Energy, momentum, IPSC factor, energy loading and sectional density of a projectile.
class Tenergie : public forms::Window {
 public:
  Tenergie(Tvstup& vstup, forms::Platform& platform);
  void FormCreate() override;

  // Inputs, each with its unit and a switch between SI and imperial units
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"};
  forms::Label Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"};
  forms::CheckBox CheckBox1{"CheckBox1"}, CheckBox2{"CheckBox2"}, CheckBox3{"CheckBox3"};
  forms::Button Button1{"Button1"};
  // Results: SI column, then imperial column
  forms::Label Label1{"Label1"}, Label10{"Label10"}, Label14{"Label14"}, Label16{"Label16"},
      Label11{"Label11"};
  forms::Label Label21{"Label21"}, Label22{"Label22"}, Label23{"Label23"}, Label24{"Label24"};

  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void Button1Click();

 private:
  Tvstup& vstup_;
};
