#pragma once
#include <string>

#include "forms/StringGrid.h"
#include "forms/Window.h"

class Application;

// The cartridge list: a table of cartridges and bullets kept in list files; a click on a row
// copies it into the calculation window.
class Ttabulka : public forms::Window {
 public:
  Ttabulka(Application& app, forms::Platform& platform);

  void FormCreate() override;

  forms::StringGrid StringGrid1{"StringGrid1", 8, 5};
  forms::Edit Edit1{"Edit1"};
  forms::Button Button2{"Button2"}, Button1{"Button1"}, Button5{"Button5"}, Button7{"Button7"};
  forms::Button Button3{"Button3"}, Button4{"Button4"};
  forms::Edit Edit2{"Edit2"};  // hidden: finds the platform's decimal separator

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button7Click();
  void StringGrid1MouseDown(int x, int y);

  bool PointMode() const { return pointMode_; }
  // A table text to be used as a number, and a number's text for the table.
  std::string ToPoint(std::string text) const;
  std::string ToComma(std::string text) const;

 private:
  void CopyRowToCalculation(int r);
  void Renumber();

  Application& app_;
  bool pointMode_ = false;
};
