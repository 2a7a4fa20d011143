#pragma once
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Computation.h"
#include "forms/Window.h"
#include "plot/PlotCanvas.h"
#include "solvers/HitProbability.h"

class Application;
class Tvstup;

// One run of the hit probability window: its inputs as they were at the click, the progress
// and cancel flag it shares with the window, and what it gave.
struct THitJob {
  Computation computation;
  THitSettings settings;
  std::vector<std::string> heading;  // the report's first lines
  double thresholdPct = 90;
  THitProgress progress;
  std::vector<THitRow> rows;
  std::exception_ptr error;  // the engine's message, shown when the run is finished
  // The whole work, on any thread; never throws.
  void Execute();
};

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
  forms::ComboBox ComboBox1{"ComboBox1"};  // target shape
  forms::Label Label2{"Label2"};           // the first size: width or diameter
  forms::ComboBox ComboBox2{"ComboBox2"};  // the precision as 1 sigma or a group's size
  forms::ComboBox ComboBox3{"ComboBox3"};  // its unit
  forms::ComboBox ComboBox4{"ComboBox4"};  // the range error's unit
  forms::Button Button1{"Button1"};        // "Výpočet"
  forms::Button Button2{"Button2"};        // "Vymaž"
  forms::Button Button3{"Button3"};        // "Přerušit"
  forms::Memo Memo1{"Memo1"};
  forms::Image Graf0{"Graf0", kGraphWidth, kGraphHeight};
  forms::Edit Edit13{"Edit13"}, Edit14{"Edit14"};  // read-out of the graph
  forms::Label Label1{"Label1"};                   // busy label

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void ComboBox1Change();

  // Carries out a run. Without one (scripts, tests) the run is done within the click; the
  // desktop view sets one that runs the job on a worker thread and calls FinishRun on the
  // window's thread when the job is done.
  std::function<void(std::shared_ptr<THitJob>)> runner;
  // Shows the outcome of the job in progress and ends the run.
  void FinishRun();
  bool Running() const { return job_ != nullptr; }
  // The job in progress, for its progress.
  const THitJob* Job() const { return job_.get(); }

  TPlotCanvas& graph() { return graph_; }

  static constexpr int kGraphWidth = 520;
  // 250 pixels between the frame's edges: the grid lines of 25 pixels fall on every 10 %.
  static constexpr int kGraphHeight = 330;
  // The seed of every run: the same inputs give the same numbers.
  static constexpr unsigned kSeed = 20261209;

 private:
  std::shared_ptr<THitJob> PrepareJob();
  void SetRunning(bool running);
  void ShowResult(const THitJob& job);
  void DrawGraph(const std::vector<THitRow>& rows, double thresholdPct);

  Application& app_;
  TPlotCanvas graph_;
  std::shared_ptr<THitJob> job_;
};
