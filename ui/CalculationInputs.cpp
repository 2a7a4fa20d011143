#include "ui/CalculationInputs.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/Integration.h"
#include "solvers/LaunchAngle.h"
#include "ui/Vstup1.h"

namespace {

// While it lives, the calculation window works on a copy of its computation and its own waits
// in the scratch; afterwards the scratch holds what the window computed, and the fields written
// back and the result panel are as they were.
class CalculationWindowGuard {
 public:
  CalculationWindowGuard(Tvstup& w, Computation& scratch)
      : w_(w),
        scratch_(scratch),
        edit8_(w.Edit8.Text()),
        edit19_(w.Edit19.Text()),
        edit58_(w.Edit58.Text()),
        memo_(w.Memo1.Lines()) {
    scratch_ = w.computation();  // into arrays that are already there: no fresh memory
    std::swap(scratch_, w.computation());
  }
  ~CalculationWindowGuard() {
    std::swap(scratch_, w_.computation());
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
  Computation& scratch_;
  std::string edit8_, edit19_, edit58_;
  std::vector<std::string> memo_;
};

}  // namespace

void ReadCalculationInputs(Tvstup& w, Computation& out) {
  {
    CalculationWindowGuard guard(w, out);
    w.ReadShotInputs();
  }
  // Solved without the window's hooks: the step bar and Edit6 stay as they are.
  if (out.in.solveMode == 2) out.in.autoStep = false;
  if (out.in.solveMode == 1 || out.in.solveMode == 2) SolveReachableLaunchAngle(out);
}

Computation ReadCalculationInputs(Tvstup& w) {
  Computation c;
  ReadCalculationInputs(w, c);
  return c;
}
