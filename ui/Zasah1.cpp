#include "ui/Zasah1.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "engine/Angles.h"
#include "solvers/HitProbability.h"
#include "ui/Application.h"
#include "ui/CalculationInputs.h"
#include "ui/Vstup1.h"

namespace {

constexpr int kMaxShots = 100000;
constexpr double kMaxTargetCm = 500;
// The mean extreme spread of a group of 3, 5 or 10 shots from a circular normal distribution,
// in standard deviations of one axis (Ballistipedia, "Range Statistics").
constexpr int kGroupShots[] = {0, 3, 5, 10};
constexpr double kGroupSpread[] = {1, 2.41, 3.07, 3.81};
constexpr forms::Color kBandColor{255, 200, 200};

TPlotOwnerConfig HitGraphConfig() {
  TPlotOwnerConfig c = Tvstup::GraphStyle();
  c.palette = {{255, 0, 0}, {0, 0, 0}};
  c.fixedYMin = 0;
  c.fixedYMax = 100;
  return c;
}

// A miss printed as -0.0 would suggest a direction it does not have.
double MissShown(double cm) {
  return std::fabs(cm) < 0.05 ? 0 : cm;
}

}  // namespace

void THitJob::Execute() {
  try {
    rows = ComputeHitProbability(computation, settings, &progress);
  } catch (...) {
    error = std::current_exception();
  }
}

Tzasah::Tzasah(Application& app, forms::Platform& platform)
    : forms::Window("Tzasah", "Pravděpodobnost zásahu", platform),
      app_(app),
      graph_(Graf0, Edit13, Edit14, HitGraphConfig()) {
  RegisterAll(Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12,
              ComboBox1, Label2, ComboBox2, ComboBox3, ComboBox4, Button1, Button2, Button3, Memo1,
              Graf0, Edit13, Edit14, Label1);
  ComboBox1.SetItems({"obdélník", "kruh"});
  ComboBox2.SetItems({"1 σ", "skupina 3 ran", "skupina 5 ran", "skupina 10 ran"});
  ComboBox3.SetItems({"MOA", "mrad"});
  ComboBox4.SetItems({"%", "m"});
  Button1.SetCaption("Výpočet");
  Button2.SetCaption("Vymaž");
  Button3.SetCaption("Přerušit");
  Button3.SetEnabled(false);
  Label1.SetCaption("Počítám");
  Label1.SetVisible(false);
  Edit13.SetText("0");
  Edit14.SetText("0");
  ComboBox1.OnChange = [this] { ComboBox1Change(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Graf0.OnMouseDown = [this](int x, int y) { graph_.MouseDown(x, y); };
  Graf0.OnMouseMove = [this](int x, int y) { graph_.MouseMove(x, y); };
  Graf0.OnMouseUp = [this](int x, int y) { graph_.MouseUp(x, y); };
  Graf0.OnDblClick = [this](int, int) { graph_.DblClick(); };
}

void Tzasah::FormCreate() {
  ComboBox1.SetItemIndex(0);
  ComboBox1Change();
  Edit1.SetText("20");
  Edit2.SetText("30");
  Edit3.SetText(FormatNumber(0.5));
  ComboBox2.SetItemIndex(0);
  ComboBox3.SetItemIndex(0);
  Edit4.SetText("5");
  Edit5.SetText("2");
  Edit6.SetText(FormatNumber(1.5));
  Edit7.SetText("2");
  ComboBox4.SetItemIndex(0);
  Edit8.SetText("100");
  Edit9.SetText("600");
  Edit10.SetText("50");
  Edit11.SetText("1000");
  Edit12.SetText("90");
  graph_.SetTitle("Pravděpodobnost zásahu");
  graph_.SetXUnit("m");
  graph_.SetYUnit("%");
  graph_.ResetAxes();
  graph_.AutoScale();
  graph_.Redraw();
}

void Tzasah::ComboBox1Change() {
  const bool round = ComboBox1.ItemIndex() == 1;
  Label2.SetCaption(round ? "Průměr cíle:" : "Šířka cíle:");
  Edit2.SetEnabled(!round);
}

std::shared_ptr<THitJob> Tzasah::PrepareJob() {
  auto job = std::make_shared<THitJob>();
  THitSettings& s = job->settings;
  const bool round = ComboBox1.ItemIndex() == 1;
  const double widthCm = ParseNumber(Edit1.Text());
  if (widthCm <= 0) {
    ShowMessageAbort(round ? "Průměr cíle menší nebo roven nule."
                           : "Šířka cíle menší nebo rovna nule.");
  }
  if (widthCm > kMaxTargetCm) {
    ShowMessageAbort(round ? "Průměr cíle větší než 500 cm." : "Šířka cíle větší než 500 cm.");
  }
  double heightCm = widthCm;
  if (!round) {
    heightCm = ParseNumber(Edit2.Text());
    if (heightCm <= 0) ShowMessageAbort("Výška cíle menší nebo rovna nule.");
    if (heightCm > kMaxTargetCm) ShowMessageAbort("Výška cíle větší než 500 cm.");
  }
  const double precision = ParseNumber(Edit3.Text());
  const bool mrad = ComboBox3.ItemIndex() == 1;
  const char* angleUnit = mrad ? "mrad" : "MOA";
  if (precision < 0) ShowMessageAbort("Rozptyl zbraně a střelce menší než nula.");
  if (precision > (mrad ? 30 : 100)) {
    ShowMessageAbort(mrad ? "Rozptyl zbraně a střelce větší než 30 mrad."
                          : "Rozptyl zbraně a střelce větší než 100 MOA.");
  }
  s.velocitySigmaMps = ParseNumber(Edit4.Text());
  if (s.velocitySigmaMps < 0) ShowMessageAbort("Odchylka rychlosti menší než nula.");
  if (s.velocitySigmaMps > 100) ShowMessageAbort("Odchylka rychlosti větší než 100 m/s.");
  const double bcPct = ParseNumber(Edit5.Text());
  if (bcPct < 0) ShowMessageAbort("Odchylka BC menší než nula.");
  if (bcPct > 25) ShowMessageAbort("Odchylka BC větší než 25 %.");
  s.windSigmaMps = ParseNumber(Edit6.Text());
  if (s.windSigmaMps < 0) ShowMessageAbort("Odchylka větru menší než nula.");
  if (s.windSigmaMps > 20) ShowMessageAbort("Odchylka větru větší než 20 m/s.");
  const double range = ParseNumber(Edit7.Text());
  const bool metres = ComboBox4.ItemIndex() == 1;
  if (range < 0) ShowMessageAbort("Odchylka odhadu vzdálenosti menší než nula.");
  if (range > (metres ? 500 : 25)) {
    ShowMessageAbort(metres ? "Odchylka odhadu vzdálenosti větší než 500 m."
                            : "Odchylka odhadu vzdálenosti větší než 25 %.");
  }
  const double fromM = ParseNumber(Edit8.Text());
  const double toM = ParseNumber(Edit9.Text());
  const double stepM = ParseNumber(Edit10.Text());
  if (fromM <= 0) ShowMessageAbort("Vzdálenost Od menší nebo rovna nule.");
  if (fromM >= toM) ShowMessageAbort("Vzdálenost Od větší nebo rovna vzdálenosti Do.");
  if (toM > 5000) ShowMessageAbort("Vzdálenost Do větší než 5000 m.");
  if (stepM <= 0) ShowMessageAbort("Krok menší nebo roven nule.");
  s.distancesM = HitDistances(fromM, toM, stepM);
  if (s.distancesM.empty())
    ShowMessageAbort("Příliš mnoho vzdáleností (nejvýše 500), zvětšete krok.");
  const double shots = ParseNumber(Edit11.Text());
  if (shots < 1) ShowMessageAbort("Počet ran menší než 1.");
  if (shots > kMaxShots) ShowMessageAbort("Počet ran větší než 100000.");
  if (shots != std::floor(shots)) ShowMessageAbort("Počet ran není celé číslo.");
  job->thresholdPct = ParseNumber(Edit12.Text());
  if (job->thresholdPct <= 0 || job->thresholdPct > 100)
    ShowMessageAbort("Práh pravděpodobnosti mimo rozsah 0 až 100 %.");

  s.target = round ? THitTarget::Circle : THitTarget::Rectangle;
  s.targetWidthM = widthCm * 0.01;
  s.targetHeightM = heightCm * 0.01;
  const int group = std::clamp(ComboBox2.ItemIndex(), 0, 3);
  const double sigma = precision / kGroupSpread[group];
  s.dispersionRad = sigma * (mrad ? 0.001 : kMoaRad);
  s.bcSigmaFraction = bcPct * 0.01;
  (metres ? s.rangeSigmaM : s.rangeSigmaFraction) = metres ? range : range * 0.01;
  s.shots = static_cast<int>(shots);
  s.seed = kSeed;

  job->heading.push_back("  ");
  job->heading.push_back(
      round ? Sprintf("  Pravděpodobnost zásahu kruhového cíle o průměru %g cm, %d ran", widthCm,
                      s.shots)
            : Sprintf("  Pravděpodobnost zásahu cíle %g x %g cm, %d ran", widthCm, heightCm,
                      s.shots));
  std::string dispersion = Sprintf("%g %s", group == 0 ? precision : RoundTo(sigma, 3), angleUnit);
  if (group > 0) {
    dispersion += Sprintf(" (skupina %d ran %g %s)", kGroupShots[group], precision, angleUnit);
  }
  job->heading.push_back(Sprintf(
      "  Rozptyl %s, rychlost %g m/s, BC %g %%, vítr %g m/s, vzdálenost %g %s (1 σ)",
      dispersion.c_str(), s.velocitySigmaMps, bcPct, s.windSigmaMps, range, metres ? "m" : "%"));
  job->heading.push_back(std::string(85, ' ') + "| P, působí-li jen tato odchylka [%]");
  job->heading.push_back(
      "   X [m]   P [%]   95% interval [%]   Y stř. [cm]  Y σ [cm]   Z stř. [cm]  Z σ [cm]"
      "  | rozptyl rychl.    BC  vítr vzdál.");
  job->heading.push_back(std::string(120, '-'));

  ReadCalculationInputs(app_.vstup(), job->computation);
  return job;
}

void Tzasah::Button1Click() {
  // A second click while a run goes on is refused (the button is greyed out meanwhile).
  if (Running()) return;
  auto job = PrepareJob();
  job_ = job;
  SetRunning(true);
  if (runner) {
    runner(job);
    return;
  }
  platform().RepaintNow(Label1);
  job->Execute();
  FinishRun();
}

void Tzasah::FinishRun() {
  if (!job_) return;
  const std::shared_ptr<THitJob> job = std::move(job_);
  job_.reset();
  SetRunning(false);
  // A cancelled run shows nothing, not even an error it met: the previous result stays.
  if (job->progress.cancel) return;
  if (job->error) std::rethrow_exception(job->error);
  ShowResult(*job);
}

void Tzasah::SetRunning(bool running) {
  Button1.SetEnabled(!running);
  Button2.SetEnabled(!running);
  Button3.SetEnabled(running);
  Label1.SetVisible(running);
}

void Tzasah::ShowResult(const THitJob& job) {
  const auto& rows = job.rows;
  const int shots = job.settings.shots;
  for (const auto& line : job.heading) Memo1.Add(line);
  for (const auto& r : rows) {
    if (!r.reached) {
      Memo1.Add(Sprintf("%8g   nedosaženo", r.distanceM));
      continue;
    }
    // A standard deviation needs two shots.
    const bool spread = r.shotsReached > 1;
    std::string line =
        Sprintf("%8g   %5.1f     %5.1f až %5.1f%14.1f", r.distanceM, r.probability * 100,
                r.low95 * 100, r.high95 * 100, MissShown(r.meanYCm));
    line += spread ? Sprintf("%10.1f", r.sdYCm) : "  neurčeno";
    line += Sprintf("%14.1f", MissShown(r.meanZCm));
    line += spread ? Sprintf("%10.1f", r.sdZCm) : "  neurčeno";
    line += Sprintf("  |%8.1f%7.1f%6.1f%6.1f%7.1f", r.alone[kHitDispersion] * 100,
                    r.alone[kHitVelocity] * 100, r.alone[kHitCoefficient] * 100,
                    r.alone[kHitWind] * 100, r.alone[kHitRange] * 100);
    if (r.shotsReached < shots) line += Sprintf("   doletělo %d z %d ran", r.shotsReached, shots);
    Memo1.Add(line);
  }
  const double reach = MaxDistanceWithProbability(rows, job.thresholdPct / 100);
  const std::string head = Sprintf(
      "  Maximální vzdálenost s pravděpodobností zásahu alespoň %g %% (dolní mez 95%% intervalu): ",
      job.thresholdPct);
  Memo1.Add(reach > 0 ? head + Sprintf("%g m", reach)
                      : head + Sprintf("méně než %g m", job.settings.distancesM.front()));
  DrawGraph(rows, job.thresholdPct);
}

void Tzasah::DrawGraph(const std::vector<THitRow>& rows, double thresholdPct) {
  TPlotCanvas::HeldRedraws oneRedraw(graph_);
  std::vector<double> xs, ps, lows, highs;
  for (const auto& r : rows) {
    if (!r.reached) continue;
    xs.push_back(r.distanceM);
    ps.push_back(r.probability * 100);
    lows.push_back(r.low95 * 100);
    highs.push_back(r.high95 * 100);
  }
  if (xs.empty()) {
    graph_.HideBand();
    graph_.HideCurve(0);
    graph_.HideCurve(1);
    return;
  }
  graph_.SetSlotVisible(1, false);
  graph_.SetBand(xs, lows, highs, kBandColor);
  graph_.SetCurve(xs.data(), ps.data(), 0, static_cast<int>(xs.size()) - 1, 1, 0, csLineMarkers);
  if (xs.size() >= 2) {
    const double lineX[] = {xs.front(), xs.back()};
    const double lineY[] = {thresholdPct, thresholdPct};
    graph_.SetCurve(lineX, lineY, 0, 1, 1, 1, csLine);
  }
}

void Tzasah::Button2Click() {
  if (Running()) return;
  Memo1.Clear();
}

void Tzasah::Button3Click() {
  if (job_) job_->progress.cancel = true;
}
