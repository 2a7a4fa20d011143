// Speed of the calculation window's compute action as a person starts it: integration,
// report lines, graph display list and memo, on a 2000 m trajectory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>

#include "bench_engines.h"
#include "core/NumberText.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

// G7 0,22; 10 g; 7,62 mm; 800 m/s at 3,43775 degrees up to X = 2000 m, rows every 100 m.
struct Window2000m {
  Window2000m() : platform(std::filesystem::temp_directory_path().string()), app(platform) {
    SetDecimalSeparator(',');
    app.Create();
    Tvstup& w = app.vstup();
    auto act = [&](const std::function<void()>& f) { forms::RunUserAction(platform, f); };
    act([&] { w.ComboBox6.Pick(5); });
    w.Edit1.SetText("0,22");
    w.Edit2.SetText("10");
    w.Edit3.SetText("7,62");
    w.Edit4.SetText("800");
    act([&] { w.RadioGroup3.Pick(0); });
    w.Edit6.SetText("3,43775");
    if (!w.CheckBox4.Checked()) act([&] { w.CheckBox4.Click(); });
    if (w.CheckBox5.Checked()) act([&] { w.CheckBox5.Click(); });
    w.Edit15.SetText("2000");
    act([&] { w.ComboBox1.Pick(5); });
  }
  forms::ScriptedPlatform platform;
  Application app;
};

void BM_ComputeAction2000m(benchmark::State& state) {
  Window2000m s;
  Tvstup& w = s.app.vstup();
  for (auto _ : state) {
    w.Memo1.Clear();
    w.Button3Click();
  }
  state.counters["steps"] = w.computation().trajectory.stepCount;
}
BENCHMARK(BM_ComputeAction2000m)->Unit(benchmark::kMicrosecond);

// The integration alone, as the compute action runs it, for comparison.
void BM_Integration2000m(benchmark::State& state) {
  Window2000m s;
  s.app.vstup().Button3Click();
  Computation& c = s.app.vstup().computation();
  for (auto _ : state) {
    c.trajectory.Clear(true);
    IntegrateTrajectory(c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c.trajectory.yCm[c.trajectory.stepCount]);
  }
  state.counters["steps"] = c.trajectory.stepCount;
}
BENCHMARK(BM_Integration2000m)->Unit(benchmark::kMicrosecond);

// The same run repeated without clearing the arrays, for the time of one step; also as it was
// before the step was made faster.
void BM_Full2000m(benchmark::State& state, const benchengine::Engine& e) {
  Window2000m s;
  s.app.vstup().Button3Click();
  Computation& c = s.app.vstup().computation();
  for (auto _ : state) {
    benchengine::MeasuredRun(e, c, TIntegrationMode::Full);
    benchmark::DoNotOptimize(c.trajectory.yCm[c.trajectory.stepCount]);
  }
  benchengine::ReportSteps(state, c.trajectory.stepCount);
}
BENCHMARK_CAPTURE(BM_Full2000m, now, benchengine::kNow);
BENCHMARK_CAPTURE(BM_Full2000m, before, benchengine::kBefore);

}  // namespace
