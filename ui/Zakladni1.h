#pragma once
#include "forms/Window.h"

class Application;

// The start window: opens the calculation window and ends the program.
class Tzakladni : public forms::Window {
 public:
  Tzakladni(Application& app, forms::Platform& platform);
  void FormCreate() override;

  forms::Image Image1{"Image1", 265, 105};
  forms::Label Label1{"Label1"};
  forms::Label Label2{"Label2"};
  forms::Button Button1{"Button1"};
  forms::Button Button2{"Button2"};

  void Button1Click();
  void Button2Click();

 private:
  Application& app_;
};
