#pragma once
#include "forms/Window.h"

class Application;

// Coefficient conversion: a form factor or ballistic coefficient against one drag function
// turned into the equivalent pair against each built-in function at the muzzle velocity.
class Tkoeficienty : public forms::Window {
 public:
  Tkoeficienty(Application& app, forms::Platform& platform);

  void FormActivate() override;

  forms::Edit Edit2{"Edit2"}, Edit3{"Edit3"}, Edit4{"Edit4"}, Edit1{"Edit1"};
  forms::Label Label1{"Label1"};  // caption of Edit1: form factor or coefficient
  forms::Label Label2{"Label2"};  // unit of Edit1
  forms::ComboBox ComboBox1{"ComboBox1"};
  forms::RadioGroup RadioGroup1{"RadioGroup1"};
  forms::Button Button1{"Button1"}, Button2{"Button2"};
  forms::Memo Memo1{"Memo1"};

  void RadioGroup1Click();
  void Button1Click();
  void Button2Click();

 private:
  Application& app_;
};
