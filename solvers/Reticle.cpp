#include "solvers/Reticle.h"

#include <cmath>
#include <numbers>

#include "core/LinearInterp.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"

const std::array<TReticle, kReticleCount> kReticles = {{
    {"MilDot (1Mil)", 0.001, 11, 6, 5},
    {"Sightron LRMOA (2MOA)", 0, 16, 6, 5},
    {"Leupold TMR (1/2Mil)", 0.0005, 21, 11, 10},
    {"Vortex EBR-1 MOA (2MOA)", 0, 21, 6, 15},
    {"Vortex EBR-1 MRAD (1/2Mil)", 0.0005, 35, 17, 16},
    {"Nightforce MOAR (1MOA)", 0, 16, 6, 10},
    {"Meopta MilDot 2 (1/2Mil)", 0.0005, 21, 11, 10},
}};

std::vector<std::string> ReticleNames() {
  std::vector<std::string> names;
  for (const auto& r : kReticles) names.push_back(r.name);
  return names;
}

namespace {

constexpr double kRadToDeg = 57.295779;
constexpr double kDegToRad = 0.01745329267623711;
constexpr double kTwoMoaDeg = 0.0333333;
constexpr double kWindRunMps = 20;

// The angle under which the sight sees a point, in degrees; straight up or down at the muzzle.
double SightAngleDeg(double yCm, double xM) {
  if (xM == 0) return yCm > 0 ? 90 : (yCm < 0 ? -90 : 0);
  return std::atan(0.01 * yCm / xM) * kRadToDeg;
}

// The drift angle of a point seen from the muzzle, in radians; sideways at the muzzle itself.
double DriftAngleRad(double zCm, double xM) {
  if (xM == 0) return zCm != 0 ? std::numbers::pi / 2 : 0;
  return std::atan(0.01 * std::fabs(zCm) / xM);
}

}  // namespace

double ReticleDivisionDeg(int reticle, double standardMag, double actualMag) {
  const TReticle& r = kReticles.at(reticle);
  if (r.divisionRad > 0) return standardMag * r.divisionRad / actualMag * kRadToDeg;
  return standardMag / actualMag * kTwoMoaDeg;
}

double RangingDivisionDeg(int reticle, double standardMag, double actualMag) {
  if (reticle == kReticleNightforce) return standardMag / actualMag / 60;
  return ReticleDivisionDeg(reticle, standardMag, actualMag);
}

TReticleReport ReticleRanging(Computation& c, int reticle, double divisionDeg, TMarkMode mode,
                              double shootingDistanceM, double zeroAngleDeg,
                              const IntegrationHooks& hooks) {
  const TReticle& r = kReticles.at(reticle);
  const bool milDot = reticle == kReticleMilDot;
  const int count = r.count;
  const double delta = divisionDeg;
  TReticleReport report;
  report.shootingDistanceM = shootingDistanceM;
  auto& hold = c.holdDistanceM;
  auto& wind = c.windMarkValue;
  hold.fill(0);
  wind.fill(0);

  TShotInputs& in = c.in;
  // The wind-mark run blows 20 m/s; the real crosswind comes back even when the run aborts,
  // so that the reticle window never shows the borrowed value.
  struct CrossWindBack {
    double& wind;
    double value;
    ~CrossWindBack() { wind = value; }
  } crossWindBack{in.crossWind, in.crossWind};
  in.launchAngleDeg = zeroAngleDeg + (count - r.centre) * delta;
  if (mode == TMarkMode::Wind) in.crossWind = kWindRunMps;
  IntegrateTrajectory(c, TIntegrationMode::Full, hooks);
  const TTrajectory& tr = c.trajectory;
  const int n = tr.stepCount;

  // Every mark is the correct hold where the raised trajectory is seen under its angle.
  hold[count] = RoundTo(tr.xM[n], 0);
  double a = 0;
  for (int j = 1; j <= n; ++j) {
    const double b = SightAngleDeg(tr.yCm[j], tr.xM[j]);
    for (int m = 1; m < count; ++m) {
      const double angle = m * delta;
      if (b <= angle && angle < a)
        hold[count - m] = RoundTo(LinearInterp(angle, a, b, tr.xM[j - 1], tr.xM[j]), 0);
    }
    a = b;
  }

  if (milDot) {
    report.lines.push_back("  Záměrné vzdálenosti při použití MilDotu:");
    for (int p = 1; p <= count; ++p) {
      const int k = r.centre - p;
      if (k == 0)
        report.lines.push_back(Sprintf("  Dílek      0:    %6.0f  m", hold[p]));
      else if (hold[p] > 0)
        report.lines.push_back(Sprintf("  Dílek %6.0i:    %6.0f  m", k, hold[p]));
      else
        report.lines.push_back(Sprintf("  Dílek %6.0i:       Střela neprotne záměrnou", k));
    }
  }

  if (mode == TMarkMode::Distance && in.crossWind != 0) {
    if (milDot) {
      report.lines.push_back("");
      report.lines.push_back(
          Sprintf("  Záměrné vzdálenosti při příčném větru větru:%5.0f m/s", in.crossWind));
    }
    for (int w = 1; w <= r.windDivisions; ++w) {
      const double target = w * delta * kDegToRad;
      int g = 1;
      while (g < n && !(DriftAngleRad(tr.zCm[g], tr.xM[g]) >= target)) ++g;
      if (g >= n) g = 0;
      wind[w] = g ? RoundTo(tr.xM[g], 0) : 0;
      if (!milDot) continue;
      if (g)
        report.lines.push_back(Sprintf("  Dílek %6.0i:    %6.0f  m", w, tr.xM[g]));
      else
        report.lines.push_back(Sprintf("  Dílek %6.0i:       Záměrná vzdálenost příliš velká", w));
    }
  }

  if (mode == TMarkMode::Wind) {
    double ds = shootingDistanceM;
    if (ds > hold[count]) {
      ds = hold[count];
      report.distanceCut = true;
      report.shootingDistanceM = ds;
      report.lines.push_back("  Vzdálenost střelby změněna");
    }
    if (milDot) {
      report.lines.push_back("");
      report.lines.push_back(
          Sprintf("  Velikost příčného větru pro zadanou vzdálenost střelby:%5.0f m", ds));
    }
    int g = 1;
    while (g < n && !(tr.xM[g] >= ds)) ++g;
    const double beta = tr.xM[g] != 0 ? std::atan(0.01 * tr.zCm[g] / tr.xM[g]) * kRadToDeg : 0;
    for (int w = 1; w <= r.windDivisions; ++w) {
      // The drift angle grows linearly with the crosswind; no drift means no speed does it.
      double v = beta != 0 ? RoundTo(w * delta * kWindRunMps / beta, 1) : HUGE_VAL;
      if (!std::isfinite(v)) v = HUGE_VAL;
      if (milDot) {
        if (v <= 100)
          report.lines.push_back(Sprintf("  Dílek %6.0i:     %6.1f  m/s", w, v));
        else
          report.lines.push_back(
              Sprintf("  Dílek %6.0i:        Rychlost větru větší než 100 m/s", w));
      }
      if (v > 100) v = 0;
      if (v >= 10) v = RoundTo(v, 0);
      wind[w] = v;
    }
  }
  return report;
}
