#pragma once
#include "forms/Window.h"

// Unit conversions: nine pairs of fields, each converted either way by its two arrow buttons.
class Tprevody : public forms::Window {
 public:
  explicit Tprevody(forms::Platform& platform);

  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"}, Edit4{"Edit4"}, Edit5{"Edit5"},
      Edit6{"Edit6"}, Edit7{"Edit7"}, Edit8{"Edit8"}, Edit9{"Edit9"}, Edit10{"Edit10"},
      Edit11{"Edit11"}, Edit12{"Edit12"}, Edit13{"Edit13"}, Edit14{"Edit14"}, Edit15{"Edit15"},
      Edit16{"Edit16"}, Edit17{"Edit17"}, Edit18{"Edit18"};
  forms::Button BitBtn1{"BitBtn1"}, BitBtn2{"BitBtn2"}, BitBtn3{"BitBtn3"}, BitBtn4{"BitBtn4"},
      BitBtn5{"BitBtn5"}, BitBtn6{"BitBtn6"}, BitBtn7{"BitBtn7"}, BitBtn8{"BitBtn8"},
      BitBtn9{"BitBtn9"}, BitBtn10{"BitBtn10"}, BitBtn11{"BitBtn11"}, BitBtn12{"BitBtn12"},
      BitBtn13{"BitBtn13"}, BitBtn14{"BitBtn14"}, BitBtn15{"BitBtn15"}, BitBtn16{"BitBtn16"},
      BitBtn17{"BitBtn17"}, BitBtn18{"BitBtn18"};

  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();
  void BitBtn9Click();
  void BitBtn10Click();
  void BitBtn11Click();
  void BitBtn12Click();
  void BitBtn13Click();
  void BitBtn14Click();
  void BitBtn15Click();
  void BitBtn16Click();
  void BitBtn17Click();
  void BitBtn18Click();

 private:
  // Reads the source, multiplies, rounds half up and writes the target; the source stays.
  static void Convert(const forms::Edit& source, double factor, int decimals, forms::Edit& target);
};
