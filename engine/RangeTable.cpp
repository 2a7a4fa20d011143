#include "engine/RangeTable.h"

#include <algorithm>
#include <cmath>

#include "core/LinearInterp.h"
#include "core/NumberText.h"

namespace {

constexpr double kRadToDeg = 180.0 / M_PI;
constexpr double kShortestRowM = 0.5;  // prints as 1 m
constexpr const char* kMuzzleRow =
    "%4.0f     %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f";
constexpr const char* kRow = "%4.0f   %9.1f     %7.1f   %9.0f    %9.0f   %7.0f         %7.1f %7.1f";

double Speed(const TTrajectory& tr, int k) {
  return std::sqrt(tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k]);
}

std::string Row(const char* format, const TShotInputs& in, double x, double yCm, double v,
                double tS, double driftCm) {
  double clicksV = 0, clicksH = 0;
  if (std::fabs(yCm) < 0.05) {
    yCm = 0;
  } else if (x > 0) {
    clicksV = -(std::atan(0.01 * yCm / x) * kRadToDeg) / in.clickDeg;
  }
  if (driftCm != 0 && x > 0) clicksH = -(std::atan(0.01 * driftCm / x) * kRadToDeg) / in.clickDeg;
  const double energy = 0.5 * in.massKg * v * v;
  return Sprintf(format, x, yCm, clicksV, v, energy, tS * 1000, driftCm, clicksH);
}

}  // namespace

const char* DragFunctionName(int id) {
  static const char* const names[] = {"Vyber funkci", "G1", "G2", "G5", "G6",  "G7",
                                      "G8",           "GL", "GS", "GC", "RA4", "1943"};
  return id >= 0 && id < kDragFunctionCount ? names[id] : "";
}

std::string CoefficientLine(const TShotInputs& in, int gridFunction,
                            const std::string& drgFileName) {
  if (in.coefficientMode == 2) return "  Balistický koeficient proměnný";
  if (gridFunction == kDragLoaded) return "  Funkce odporu: " + drgFileName;
  std::string label = std::string("(") + DragFunctionName(gridFunction) + "):";
  label.resize(11, ' ');
  return "  Balistický koeficient " + label + Sprintf("%9.3f  lb/in2", in.ballisticCoefficient);
}

std::string StepCountLine(int stepCount) {
  return Sprintf("  Počet kroků výpočtu:          %9.0i  ", stepCount);
}

std::string RangeTableHeader() {
  return "  X [m]    Y [cm]     Klik      V [m/s]        E [J]      T [ms]   Vítr [cm]   Klik ";
}

std::string RangeTableRule() {
  return std::string(120, '-');
}

int RangeTableRowLength() {
  size_t widest = 0;
  for (const char* format : {kMuzzleRow, kRow}) {
    widest = std::max(widest, Sprintf(format, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0).size());
  }
  return static_cast<int>(widest);
}

std::vector<std::string> RangeTableRows(const TTrajectory& tr, const TShotInputs& in) {
  std::vector<std::string> rows;
  const int N = tr.stepCount;
  rows.push_back(Row(kMuzzleRow, in, 0, tr.yCm[0], in.muzzleVelocity, 0, tr.zCm[0]));
  if (tr.xM[N] < kShortestRowM) {
    // No distance the table could print: rows would divide by (almost) zero.
    rows.push_back(in.launchAngleDeg >= 89.9
                       ? "  Střela letí svisle vzhůru, tabulka nemá další řádky."
                       : "  Dráha střely je kratší než 0.5 m, tabulka nemá další řádky.");
    return rows;
  }
  const double step = in.tableStepM, zero = in.zeroDistanceM;
  auto interpolatedRow = [&](int p, double X) {
    const double y = LinearInterp(X, tr.xM[p - 1], tr.xM[p], tr.yCm[p - 1], tr.yCm[p]);
    const double v = LinearInterp(X, tr.xM[p - 1], tr.xM[p], Speed(tr, p - 1), Speed(tr, p));
    rows.push_back(Row(kRow, in, X, y, v, tr.timeS[p], tr.zCm[p]));
  };
  int n = 1;
  bool zeroDone = false;
  for (int p = 1; p <= N; ++p) {
    if (tr.xM[p] >= n * step) {
      const double X = n * step;
      interpolatedRow(p, X);
      if (X == zero) zeroDone = true;
      ++n;
      if (p == N) return rows;
    }
    if (tr.xM[p] >= zero && !zeroDone) {
      interpolatedRow(p, zero);
      zeroDone = true;
      if (p == N) return rows;
    }
  }
  const double xN = tr.xM[N], lastRow = (n - 1) * step;
  if (xN != zero && xN != zero + 1 && xN != lastRow && xN != lastRow + 1) {
    rows.push_back(Row(kRow, in, xN, tr.yCm[N], Speed(tr, N), tr.timeS[N], tr.zCm[N]));
  }
  return rows;
}

std::vector<std::string> ComputeReport(const TTrajectory& tr, const TShotInputs& in,
                                       int gridFunction, const std::string& drgFileName) {
  std::vector<std::string> lines{"  ", CoefficientLine(in, gridFunction, drgFileName),
                                 StepCountLine(tr.stepCount), RangeTableHeader(), RangeTableRule()};
  for (auto& row : RangeTableRows(tr, in)) lines.push_back(std::move(row));
  lines.push_back("  ");
  return lines;
}
