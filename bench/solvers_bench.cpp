// Speed of the special solver actions of the calculation window, each on the start values,
// and of the firing solution window:
// the whole handler, as a click runs it, on a window created without a display.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/NumberText.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Reseni1.h"
#include "ui/Vstup1.h"

namespace {

// A fresh application in a program folder of its own (no start-up file to read).
class Session {
 public:
  Session() : folder_(MakeFolder()), platform_(folder_) {
    SetDecimalSeparator(',');
    app_.Create();
  }
  ~Session() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  Tvstup& w() { return app_.vstup(); }
  Application& app() { return app_; }

  // Repeats a click; restore undoes what the action leaves for the next one.
  void Run(benchmark::State& state, forms::Button& button, const std::function<void()>& restore) {
    for (auto _ : state) {
      restore();
      w().Memo1.Clear();
      forms::RunUserAction(platform_, [&] { button.Click(); });
    }
    if (!platform_.Shown().empty()) state.SkipWithError(platform_.Shown().front().c_str());
  }

 private:
  static std::string MakeFolder() {
    std::string path = (std::filesystem::temp_directory_path() / "trajekta-bench-XXXXXX").string();
    return mkdtemp(path.data()) ? path : ".";
  }
  std::string folder_;
  forms::ScriptedPlatform platform_;
  Application app_{platform_};
};

// "ONV" with 4 cm: up to 13 peak runs, then the compute action with its report.
void BM_OptimalZeroAction(benchmark::State& state) {
  Session s;
  s.Run(state, s.w().Button10, [] {});
}
BENCHMARK(BM_OptimalZeroAction)->Unit(benchmark::kMillisecond);

// Uphill 100 m at 45 degrees after a compute action.
void BM_InclineAction(benchmark::State& state) {
  Session s;
  s.w().Button3.Click();
  s.Run(state, s.w().Button11, [] {});
}
BENCHMARK(BM_InclineAction)->Unit(benchmark::kMillisecond);

// 415 m/s at 300 m, each time from the start coefficient 0,462.
void BM_CoefficientFromVelocityAction(benchmark::State& state) {
  Session s;
  Tvstup& w = s.w();
  s.Run(state, w.Button12, [&] { w.Edit1.SetText("0,462"); });
}
BENCHMARK(BM_CoefficientFromVelocityAction)->Unit(benchmark::kMillisecond);

// 39 cm at 100 m and 0 cm at 300 m: all 21 iterations, each from 0,462.
void BM_CoefficientFromDropAction(benchmark::State& state) {
  Session s;
  Tvstup& w = s.w();
  s.Run(state, w.Button14, [&] { w.Edit1.SetText("0,462"); });
}
BENCHMARK(BM_CoefficientFromDropAction)->Unit(benchmark::kMillisecond);

// The firing solution window's action on its start target (600 m, 10 degrees uphill, 2 degrees
// cant, 2 m/s crossing), once with the start values and once with every effect of the engine.
void BM_FiringSolutionAction(benchmark::State& state) {
  Session s;
  if (state.range(0) == 1) {
    s.w().Edit10.SetText("-4");
    s.w().CheckBox3.SetChecked(true);
    s.w().CheckBox10.SetChecked(true);
  }
  Treseni& r = s.app().reseni();
  s.Run(state, r.Button1, [&] { r.Memo1.Clear(); });
}
BENCHMARK(BM_FiringSolutionAction)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
