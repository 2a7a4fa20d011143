// Speed of the reticle ranging report: the whole button action on the window's start values,
// with its compute action, the raised run, the restored run and the redrawn reticle window.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

void ReticleReport(benchmark::State& state, int reticle, int markMode) {
  const auto folder = std::filesystem::temp_directory_path() / "trajekta-reticle-bench";
  std::filesystem::create_directories(folder);
  forms::ScriptedPlatform platform(folder.string());
  Application app(platform);
  app.Create();
  Tvstup& w = app.vstup();
  w.ComboBox7.Pick(reticle);
  w.RadioGroup8.Pick(markMode);
  w.Edit10.SetText("4");
  for (auto _ : state) {
    w.Memo1.Clear();
    forms::RunUserAction(platform, [&] { w.Button19.Click(); });
    benchmark::DoNotOptimize(w.computation().holdDistanceM[6]);
  }
  if (!platform.Shown().empty()) state.SkipWithError(platform.Shown().front().c_str());
  std::filesystem::remove_all(folder);
}

void BM_ReticleReportMilDotWind(benchmark::State& state) {
  ReticleReport(state, 0, 1);
}
BENCHMARK(BM_ReticleReportMilDotWind)->Unit(benchmark::kMillisecond);

void BM_ReticleReportMilDotDistance(benchmark::State& state) {
  ReticleReport(state, 0, 0);
}
BENCHMARK(BM_ReticleReportMilDotDistance)->Unit(benchmark::kMillisecond);

void BM_ReticleReportVortexMrad(benchmark::State& state) {
  ReticleReport(state, 4, 1);
}
BENCHMARK(BM_ReticleReportVortexMrad)->Unit(benchmark::kMillisecond);

}  // namespace
