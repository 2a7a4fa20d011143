#pragma once
#include "forms/Window.h"

class Application;
struct SaveOptions;

// The save-options dialog: the columns of a saved range table and the file format. Its
// choices live as long as the application.
class Tnastaveniuloz : public forms::Window {
 public:
  Tnastaveniuloz(Application& app, forms::Platform& platform);

  forms::CheckBox CheckBox1{"CheckBox1"}, CheckBox2{"CheckBox2"}, CheckBox3{"CheckBox3"},
      CheckBox4{"CheckBox4"}, CheckBox5{"CheckBox5"}, CheckBox6{"CheckBox6"},
      CheckBox7{"CheckBox7"}, CheckBox8{"CheckBox8"}, CheckBox9{"CheckBox9"},
      CheckBox10{"CheckBox10"};
  forms::RadioGroup RadioGroup1{"RadioGroup1"};
  forms::Button Button1{"Button1"};

  // "Pokračovat": tells the calculation window that the dialog was confirmed.
  void Button1Click();

  SaveOptions Options() const;
  forms::CheckBox* Column(int i);

 private:
  Application& app_;
};
