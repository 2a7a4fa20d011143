#pragma once
#include "engine/Computation.h"
#include "forms/Window.h"
#include "plot/PlotCanvas.h"

class Application;
class Tvstup;

// Hit probability: how likely a shot with the calculation window's inputs hits a target of
// a given size at each distance, given the spreads the shooter cannot control.
class Tzasah : public forms::Window {
 public:
  Tzasah(Application& app, forms::Platform& platform);
  void FormCreate() override;

  // Target, spreads (1 sigma), distances, shots and threshold, in the order shown.
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"}, Edit3{"Edit3"}, Edit4{"Edit4"}, Edit5{"Edit5"},
      Edit6{"Edit6"}, Edit7{"Edit7"}, Edit8{"Edit8"}, Edit9{"Edit9"}, Edit10{"Edit10"},
      Edit11{"Edit11"}, Edit12{"Edit12"};
  forms::Button Button1{"Button1"};  // "Výpočet"
  forms::Button Button2{"Button2"};  // "Vymaž"
  forms::Memo Memo1{"Memo1"};
  forms::Image Graf0{"Graf0", kGraphWidth, kGraphHeight};
  forms::Edit Edit13{"Edit13"}, Edit14{"Edit14"};  // read-out of the graph
  forms::Label Label1{"Label1"};                   // busy label

  void Button1Click();
  void Button2Click();

  TPlotCanvas& graph() { return graph_; }

  static constexpr int kGraphWidth = 440;
  static constexpr int kGraphHeight = 250;
  // The seed of every run: the same inputs give the same numbers.
  static constexpr unsigned kSeed = 20261209;

 private:
  Application& app_;
  TPlotCanvas graph_;
};
