#include "ui/Zasah1.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "solvers/HitProbability.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

constexpr double kMoaRad = M_PI / 10800;
constexpr int kMaxDistances = 500;
constexpr int kMaxShots = 100000;

TPlotOwnerConfig HitGraphConfig() {
  TPlotOwnerConfig c = Tvstup::GraphStyle();
  c.palette = {{255, 0, 0}, {0, 0, 0}};
  return c;
}

// A miss printed as -0.0 would suggest a direction it does not have.
double MissShown(double cm) {
  return std::fabs(cm) < 0.05 ? 0 : cm;
}

// Puts back what reading the inputs changes in the calculation window: its computation, the
// fields written back and the result panel.
class CalculationWindowGuard {
 public:
  explicit CalculationWindowGuard(Tvstup& w)
      : w_(w),
        saved_(std::make_unique<Computation>(w.computation())),
        edit8_(w.Edit8.Text()),
        edit19_(w.Edit19.Text()),
        edit58_(w.Edit58.Text()),
        memo_(w.Memo1.Lines()) {}
  ~CalculationWindowGuard() {
    w_.computation() = *saved_;
    w_.Edit8.SetText(edit8_);
    w_.Edit19.SetText(edit19_);
    w_.Edit58.SetText(edit58_);
    if (w_.Memo1.Lines() != memo_) {
      w_.Memo1.Clear();
      for (const auto& line : memo_) w_.Memo1.Add(line);
    }
  }
  CalculationWindowGuard(const CalculationWindowGuard&) = delete;
  CalculationWindowGuard& operator=(const CalculationWindowGuard&) = delete;

 private:
  Tvstup& w_;
  std::unique_ptr<Computation> saved_;
  std::string edit8_, edit19_, edit58_;
  std::vector<std::string> memo_;
};

}  // namespace

Computation ReadCalculationInputs(Tvstup& w) {
  CalculationWindowGuard guard(w);
  w.ReadShotInputs();
  auto c = std::make_unique<Computation>(w.computation());
  // Solved on the copy without the window's hooks: the step bar and Edit6 stay as they are.
  if (c->in.solveMode == 2) c->in.autoStep = false;
  if (c->in.solveMode == 1 || c->in.solveMode == 2) SolveLaunchAngle(*c);
  return *c;
}

Tzasah::Tzasah(Application& app, forms::Platform& platform)
    : forms::Window("Tzasah", "Pravděpodobnost zásahu", platform),
      app_(app),
      graph_(Graf0, Edit13, Edit14, HitGraphConfig()) {
  RegisterAll(Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12,
              Button1, Button2, Memo1, Graf0, Edit13, Edit14, Label1);
  Button1.SetCaption("Výpočet");
  Button2.SetCaption("Vymaž");
  Label1.SetCaption("Počítám");
  Label1.SetVisible(false);
  Edit13.SetText("0");
  Edit14.SetText("0");
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Graf0.OnMouseDown = [this](int x, int y) { graph_.MouseDown(x, y); };
  Graf0.OnMouseMove = [this](int x, int y) { graph_.MouseMove(x, y); };
  Graf0.OnMouseUp = [this](int x, int y) { graph_.MouseUp(x, y); };
  Graf0.OnDblClick = [this](int, int) { graph_.DblClick(); };
}

void Tzasah::FormCreate() {
  Edit1.SetText("20");
  Edit2.SetText("30");
  Edit3.SetText(FormatNumber(0.5));
  Edit4.SetText("5");
  Edit5.SetText("2");
  Edit6.SetText(FormatNumber(1.5));
  Edit7.SetText("2");
  Edit8.SetText("100");
  Edit9.SetText("600");
  Edit10.SetText("50");
  Edit11.SetText("1000");
  Edit12.SetText("90");
  graph_.SetTitle("Pravděpodobnost zásahu");
  graph_.SetXUnit("m");
  graph_.SetYUnit("%");
  graph_.ResetAxes();
}

void Tzasah::Button1Click() {
  THitSettings s;
  const double widthCm = ParseNumber(Edit1.Text());
  if (widthCm <= 0) ShowMessageAbort("Šířka cíle menší nebo rovna nule.");
  const double heightCm = ParseNumber(Edit2.Text());
  if (heightCm <= 0) ShowMessageAbort("Výška cíle menší nebo rovna nule.");
  const double dispersionMoa = ParseNumber(Edit3.Text());
  if (dispersionMoa < 0) ShowMessageAbort("Rozptyl zbraně a střelce menší než nula.");
  if (dispersionMoa > 100) ShowMessageAbort("Rozptyl zbraně a střelce větší než 100 MOA.");
  s.velocitySigmaMps = ParseNumber(Edit4.Text());
  if (s.velocitySigmaMps < 0) ShowMessageAbort("Odchylka rychlosti menší než nula.");
  if (s.velocitySigmaMps > 100) ShowMessageAbort("Odchylka rychlosti větší než 100 m/s.");
  const double bcPct = ParseNumber(Edit5.Text());
  if (bcPct < 0) ShowMessageAbort("Odchylka BC menší než nula.");
  if (bcPct > 25) ShowMessageAbort("Odchylka BC větší než 25 %.");
  s.windSigmaMps = ParseNumber(Edit6.Text());
  if (s.windSigmaMps < 0) ShowMessageAbort("Odchylka větru menší než nula.");
  if (s.windSigmaMps > 20) ShowMessageAbort("Odchylka větru větší než 20 m/s.");
  const double rangePct = ParseNumber(Edit7.Text());
  if (rangePct < 0) ShowMessageAbort("Odchylka odhadu vzdálenosti menší než nula.");
  if (rangePct > 25) ShowMessageAbort("Odchylka odhadu vzdálenosti větší než 25 %.");
  const double fromM = ParseNumber(Edit8.Text());
  const double toM = ParseNumber(Edit9.Text());
  const double stepM = ParseNumber(Edit10.Text());
  if (fromM <= 0) ShowMessageAbort("Vzdálenost Od menší nebo rovna nule.");
  if (fromM >= toM) ShowMessageAbort("Vzdálenost Od větší nebo rovna vzdálenosti Do.");
  if (toM > 5000) ShowMessageAbort("Vzdálenost Do větší než 5000 m.");
  if (stepM <= 0) ShowMessageAbort("Krok menší nebo roven nule.");
  if ((toM - fromM) / stepM >= kMaxDistances)
    ShowMessageAbort("Příliš mnoho vzdáleností (nejvýše 500), zvětšete krok.");
  const double shots = ParseNumber(Edit11.Text());
  if (shots < 1) ShowMessageAbort("Počet ran menší než 1.");
  if (shots > kMaxShots) ShowMessageAbort("Počet ran větší než 100000.");
  if (shots != std::floor(shots)) ShowMessageAbort("Počet ran není celé číslo.");
  const double thresholdPct = ParseNumber(Edit12.Text());
  if (thresholdPct <= 0 || thresholdPct > 100)
    ShowMessageAbort("Práh pravděpodobnosti mimo rozsah 0 až 100 %.");

  s.targetWidthM = widthCm * 0.01;
  s.targetHeightM = heightCm * 0.01;
  s.dispersionRad = dispersionMoa * kMoaRad;
  s.bcSigmaFraction = bcPct * 0.01;
  s.rangeSigmaFraction = rangePct * 0.01;
  s.distancesM = HitDistances(fromM, toM, stepM);
  s.shots = static_cast<int>(shots);
  s.seed = kSeed;

  const auto c = std::make_unique<Computation>(ReadCalculationInputs(app_.vstup()));

  struct Busy {
    forms::Label& label;
    ~Busy() { label.SetVisible(false); }
  } busy{Label1};
  Label1.SetVisible(true);
  platform().RepaintNow(Label1);
  const std::vector<THitRow> rows = ComputeHitProbability(*c, s);

  Memo1.Add("  ");
  Memo1.Add(
      Sprintf("  Pravděpodobnost zásahu cíle %g x %g cm, %d ran", widthCm, heightCm, s.shots));
  Memo1.Add(
      Sprintf("  Rozptyl %g MOA, rychlost %g m/s, BC %g %%, vítr %g m/s, vzdálenost %g %% (1 σ)",
              dispersionMoa, s.velocitySigmaMps, bcPct, s.windSigmaMps, rangePct));
  Memo1.Add("   X [m]   P [%]   95% interval [%]   Y stř. [cm]  Y σ [cm]   Z stř. [cm]  Z σ [cm]");
  Memo1.Add(std::string(83, '-'));
  std::vector<double> xs, ys;
  for (const auto& r : rows) {
    if (!r.reached) {
      Memo1.Add(Sprintf("%8g   nedosaženo", r.distanceM));
      continue;
    }
    Memo1.Add(Sprintf("%8g   %5.1f     %5.1f až %5.1f%14.1f%10.1f%14.1f%10.1f", r.distanceM,
                      r.probability * 100, r.low95 * 100, r.high95 * 100, MissShown(r.meanYCm),
                      r.sdYCm, MissShown(r.meanZCm), r.sdZCm));
    xs.push_back(r.distanceM);
    ys.push_back(r.probability * 100);
  }
  const double reach = MaxDistanceWithProbability(rows, thresholdPct / 100);
  const std::string head =
      Sprintf("  Maximální vzdálenost s pravděpodobností zásahu alespoň %g %%: ", thresholdPct);
  Memo1.Add(reach > 0 ? head + Sprintf("%g m", reach) : head + Sprintf("méně než %g m", fromM));

  if (xs.empty()) {
    graph_.HideCurve(0);
    graph_.HideCurve(1);
    return;
  }
  graph_.SetSlotVisible(1, false);
  graph_.SetCurve(xs.data(), ys.data(), 0, static_cast<int>(xs.size()) - 1, 1, 0, csLineMarkers);
  if (xs.size() >= 2) {
    const double lineX[] = {xs.front(), xs.back()};
    const double lineY[] = {thresholdPct, thresholdPct};
    graph_.SetCurve(lineX, lineY, 0, 1, 1, 1, csLine);
  }
}

void Tzasah::Button2Click() {
  Memo1.Clear();
}
