#pragma once
#include <array>

#include "engine/DragFunctions.h"
#include "forms/Window.h"
#include "plot/PlotCanvas.h"

class Application;

// The drag function graph: the projectile's drag coefficient against speed, recomputed
// from the calculation window at every activation, with three clones for comparison.
class Tgrafodporu : public forms::Window {
 public:
  Tgrafodporu(Application& app, forms::Platform& platform);

  void FormCreate() override;
  void FormActivate() override;
  void FormResize() override;

  forms::Button Button1{"Button1"}, Button2{"Button2"}, Button3{"Button3"}, Button4{"Button4"},
      Button6{"Button6"};
  forms::Label Label1{"Label1"};  // "Poloha X, Y:"
  forms::Edit Edit1{"Edit1"}, Edit2{"Edit2"};
  forms::Image Graf1{"Graf1", kGraphWidth, kGraphHeight};

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button6Click();

  TPlotCanvas& graph() { return graph_; }
  // The curve of the last activation: speeds 0 .. 1700 m/s and their drag coefficients.
  const std::array<double, kDragGridMax + 1>& Speeds() const { return speeds_; }
  const std::array<double, kDragGridMax + 1>& Coefficients() const { return cd_; }

  static constexpr int kGraphWidth = 658;
  static constexpr int kGraphHeight = 353;

 private:
  void StoreClone(int slot);

  Application& app_;
  TPlotCanvas graph_;
  std::array<double, kDragGridMax + 1> speeds_{};
  std::array<double, kDragGridMax + 1> cd_{};
};
