#pragma once
#include <memory>

#include "engine/Computation.h"
#include "forms/Window.h"

class Application;

// Firing solution: for one target, every correction of elevation and windage with the
// calculation window's inputs, in centimetres, clicks, MOA and mrad.
class Treseni : public forms::Window {
 public:
  Treseni(Application& app, forms::Platform& platform);
  void FormCreate() override;

  // Distance along the line of sight, slope, cant, target speed, crossing angle, target height.
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"}, Edit4{"Edit4"}, Edit5{"Edit5"},
      Edit6{"Edit6"};
  forms::RadioGroup RadioGroup1{"RadioGroup1"};  // the target comes from the left or right
  forms::Button Button1{"Button1"};              // "Výpočet"
  forms::Button Button2{"Button2"};              // "Vymaž"
  forms::Memo Memo1{"Memo1"};
  forms::Label Label1{"Label1"};  // busy label

  void Button1Click();
  void Button2Click();

 private:
  Application& app_;
  // The runs' working copy, kept so that its large arrays are not allocated anew every time.
  std::unique_ptr<Computation> work_;
};
