#pragma once
#include "forms/Window.h"

// The About window: version, release date, notes on use and the version history.
class Toprogramu : public forms::Window {
 public:
  explicit Toprogramu(forms::Platform& platform);
  void FormCreate() override;

  forms::Label Label1{"Label1"};
  forms::Label Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
      Label6{"Label6"};
  forms::Image Image1{"Image1", 265, 105};
  forms::Image Icon{"Icon", 32, 32};
  forms::Memo Memo1{"Memo1"};  // notes on use
  forms::Memo Memo2{"Memo2"};  // version history
};
