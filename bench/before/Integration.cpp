// The integration as it was before its step was made faster, kept only so that the
// benchmarks can measure both in one run. Not used by the program.
#include "before/Integration.h"

#include <cmath>

#include "core/Abort.h"
#include "core/LinearInterp.h"
#include "engine/Atmosphere.h"

namespace before {
namespace {

// The air along the trajectory as the engine evaluated it, out of line as it was compiled
// then (in another source): one call for every evaluation.
class SiteAir {
 public:
  explicit SiteAir(const TShotInputs& in)
      : t0_(in.temperatureK),
        noGradient_(in.noIcaoGradient),
        densityFactor_(in.pressurePa * kInverseGasConstant *
                       HumidityFactor(in.temperatureK, in.humidityPct)),
        flat_(AirStateAt(in, 0.0)) {
    auto fill = [](double q, double* terms) {
      double c = 1;
      for (int k = 0; k < kTerms; ++k) {
        terms[k] = c;
        c = c * (q - k) / (k + 1) * -1;
      }
    };
    fill(kDensityExponent - 1, densityTerms_);
    fill(-0.5, scaleTerms_);
    Center(0);
  }
  TAirState At(double heightM) const;
  void Center(double heightM);
  TAirState Near(double heightM) const;

 private:
  static constexpr int kTerms = 6;
  double t0_;
  bool noGradient_;
  double densityFactor_;
  TAirState flat_{};
  double densityTerms_[kTerms]{}, scaleTerms_[kTerms]{};
  double centerY_ = 0, centerUPerM_ = 0;
  TAirState center_{};
};

[[gnu::noinline]] TAirState SiteAir::At(double heightM) const {
  if (noGradient_) return flat_;
  const double t =
      heightM > kTropopauseM ? t0_ - kTropopauseDropK : t0_ - kTemperatureGradient * heightM;
  return {t, std::pow(t / t0_, kDensityExponent) * densityFactor_ / t,
          std::sqrt(kStandardTemperatureK / t)};
}

[[gnu::noinline]] void SiteAir::Center(double heightM) {
  centerY_ = heightM;
  center_ = At(heightM);
  centerUPerM_ = kTemperatureGradient / center_.temperatureK;
}

[[gnu::noinline]] TAirState SiteAir::Near(double heightM) const {
  if (noGradient_) return flat_;
  const bool above = heightM > kTropopauseM;
  if (above != (centerY_ > kTropopauseM)) return At(heightM);
  if (above) return center_;
  const double u = centerUPerM_ * (heightM - centerY_);
  if (std::fabs(u) > 1e-3) return At(heightM);
  double d = densityTerms_[kTerms - 1], s = scaleTerms_[kTerms - 1];
  for (int k = kTerms - 2; k >= 0; --k) {
    d = d * u + densityTerms_[k];
    s = s * u + scaleTerms_[k];
  }
  return {center_.temperatureK * (1 - u), center_.density * d, center_.speedScale * s};
}

inline int DragGridIndex(double vs) {
  return static_cast<int>(vs + 0.5);
}

// Renamed from DragCoefficientAt only so that it does not meet the engine's by argument lookup.
inline double LookUpDragCoefficient(const TDragGrid& grid, double vs) {
  const int j = DragGridIndex(vs);
  if (j <= 0) return grid.cd[0];
  if (j >= kDragGridMax) return grid.cd[kDragGridMax];
  const TDragGrid::Line& line = grid.lines[j];
  g_linearInterpSlope = line.slope;
  return line.slope * vs + line.intercept;
}

constexpr double kDegToRad = M_PI / 180.0;
constexpr double kSpinPi = 3.14159;
constexpr double kSpinQuarterPi = 0.7853975;
constexpr double kSpinDriftGravity = 9.811;
constexpr double kDisabledLimitM = 1000000;
constexpr const char* kFullStepLimit = "Dosaženo maximálního počtu kroků. Zvětšete krok.";
constexpr const char* kStepLimit = "Dosaženo maximálního počtu kroků";

// The right-hand side of the equations of motion, with everything that depends only on the
// inputs prepared once per run.
class Forces {
 public:
  Forces(const Computation& c, double crossWind)
      : in_(c.in),
        grid_(c.dragGrid),
        rot_(c.rotation),
        site_(c.in),
        crossWind(crossWind),
        variableBc_(c.in.coefficientMode == 2),
        spin_(c.in.spinDrift && c.rotation.active),
        extended_(c.in.coriolis || spin_),
        dragFactor_(-kDragConstant / c.in.ballisticCoefficient) {
    const double phi = c.in.latitudeRad, a = c.in.azimuthRad, w2 = 2 * c.in.earthOmega;
    cor_[0] = w2 * std::cos(phi) * std::sin(a);
    cor_[1] = w2 * std::sin(phi);
    cor_[2] = w2 * std::cos(phi) * std::cos(a);
    const double d = c.in.diameterM;
    const double liftFactor = kSpinPi * d * d / (8 * c.in.massKg);
    const double momentFactor = 2 * rot_.axialInertia / (kSpinQuarterPi * d * d * d);
    spinFactor_ = (c.in.twistLeft ? -1.0 : 1.0) * liftFactor * momentFactor;
  }

  // Derivative of the state (vx, vy, vz, x, y, z) into k, times h.
  inline void Eval(const double* s, double spin, double h, double* k) {
    const double vx = s[0], vy = s[1], vz = s[2];
    const double ux = vx - in_.rangeWind, uy = vy - in_.verticalWind, uz = vz - crossWind;
    const double V = std::sqrt(ux * ux + uy * uy + uz * uz);
    const TAirState air = site_.Near(s[4]);
    const double vs = air.speedScale * V;
    const double dragFactor = variableBc_ ? -kDragConstant / BandCoefficient(in_, V) : dragFactor_;
    const int j = std::min(DragGridIndex(vs), kDragGridMax);
    const double cd = LookUpDragCoefficient(grid_, vs);
    lastCd = cd;
    // Everything that does not wait for the drag coefficient is ready before it.
    const double kd = dragFactor * air.density * V * cd;
    double ax, ay, az;
    if (!extended_) {
      ax = kd * ux;
      ay = kd * uy - in_.gravity;
      az = kd * uz;
    } else {
      double cx = -vy * cor_[0] - vz * cor_[1];
      double cy = vx * cor_[0] + vz * cor_[2];
      double cz = vx * cor_[1] - vy * cor_[2];
      double fx = ux, fy = uy, fz = uz;
      if (spin_ && V > 0) {
        // Lift L = rho pi d^2 Cl V^2 / (8 m) times q = 2 Ix p / (rho pi/4 d^3 V^4 Cm): the
        // density cancels, and only the ratio Cl / Cm of the grid speed remains. The lift
        // acts along D x u with D = (kd vx, kd vy - g, kd vz); split into the part that grows
        // with kd and the part of the fixed gravity.
        const double lq = spinFactor_ * spin / (V * V) * rot_.liftPerMoment[j];
        const double g = kSpinDriftGravity;
        fx += lq * (vy * uz - vz * uy);
        fy += lq * (vz * ux - vx * uz);
        fz += lq * (vx * uy - vy * ux);
        cx -= lq * g * uz;
        cz += lq * g * ux;
        lastSpin = spin;
      }
      ax = kd * fx + cx;
      ay = kd * fy - in_.gravity + cy;
      az = kd * fz + cz;
    }
    k[0] = h * ax;
    k[1] = h * ay;
    k[2] = h * az;
    k[3] = h * vx;
    k[4] = h * vy;
    k[5] = h * vz;
  }

  // The air of the evaluations of one step is taken around its starting height.
  void StartStep(double heightM) { site_.Center(heightM); }

  double lastCd = 0;
  double lastSpin = 0;

 private:
  const TShotInputs& in_;
  const TDragGrid& grid_;
  const TRotation& rot_;
  SiteAir site_;

 public:
  double crossWind;

 private:
  bool variableBc_, spin_, extended_;
  double dragFactor_;
  double cor_[3];  // 2 Omega: cos(phi) sin(A), sin(phi), cos(phi) cos(A)
  double spinFactor_ = 0;
};

// Shows the busy label for the length of a run, also when the run aborts.
class BusyScope {
 public:
  explicit BusyScope(const IntegrationHooks& hooks) : hooks_(hooks) {
    if (hooks_.busy) hooks_.busy(true);
  }
  ~BusyScope() {
    if (hooks_.busy) hooks_.busy(false);
  }

 private:
  const IntegrationHooks& hooks_;
};

double StationCrossWind(const TShotInputs& in, double x) {
  const int last = in.stationCount - 1;
  const auto& d = in.stationDistanceM;
  if (d[last] > x) {
    int s = 1;
    while (s < last && d[s] < x) ++s;
    return LinearInterp(x, d[s - 1], d[s], in.stationWind[s - 1], in.stationWind[s]);
  }
  return in.stationWind[last];
}

}  // namespace

TAccelerationResult AccelerationAt(const Computation& c, const double state[6], double spin) {
  Forces f(c, c.in.crossWind);
  f.StartStep(state[4]);
  double k[6];
  f.Eval(state, spin, 1.0, k);
  return {k[0], k[1], k[2], f.lastCd, f.lastSpin};
}

int AutoStepPosition(double launchAngleDeg) {
  if (launchAngleDeg <= 0.07) return 8;
  if (launchAngleDeg <= 0.15) return 15;
  if (launchAngleDeg <= 0.3) return 20;
  if (launchAngleDeg < 3) return 30;
  return 40;
}

void IntegrateTrajectory(Computation& c, TIntegrationMode mode, const IntegrationHooks& hooks) {
  BusyScope busy(hooks);
  TShotInputs& in = c.in;
  TTrajectory& tr = c.trajectory;
  TModeResults& res = c.results;

  if (in.autoStep) {
    const int p = AutoStepPosition(in.launchAngleDeg);
    in.stepS = p * 0.0001;
    if (hooks.autoStepChosen) hooks.autoStepChosen(p);
  }
  const double h = in.stepS;
  const double theta = in.launchAngleDeg * kDegToRad;
  const double v0 = in.muzzleVelocity;
  const bool full = mode == TIntegrationMode::Full;
  const bool stations = full && in.crossWindMode == 1;

  Forces f(c, stations ? in.stationWind[0] : in.crossWind);
  double s[6] = {v0 * std::cos(theta), v0 * std::sin(theta), 0, 0, 0, 0};
  tr.timeS[0] = 0;
  tr.xM[0] = 0;
  tr.vxMps[0] = s[0];
  tr.vyMps[0] = s[1];
  tr.vzMps[0] = 0;
  tr.yCm[0] = -in.sightHeightM;
  tr.zCm[0] = 0;
  tr.crossWindMps[0] = f.crossWind;

  const double sh = in.sightHeightM;
  const bool xUnlimited = in.limitXM >= kDisabledLimitM;
  const bool spin = in.spinDrift && c.rotation.active;
  double k1[6], k2[6], k3[6], k4[6], tmp[6];
  double spinNow = spin ? SpinAt(c.rotation, 0) : 0;
  const double halfStepDecay = spin ? std::exp(-c.rotation.spinDecayPerS * h / 2) : 0;
  const double stepDecay = spin ? std::exp(-c.rotation.spinDecayPerS * h) : 0;
  int n = 0;
  for (int i = 0;; ++i) {
    // The spin decays by the same factor every half step; multiplying by it keeps three
    // exponentials out of every step (the drift from SpinAt stays below 1e-11 over 30000 steps).
    const double p0 = spinNow, pHalf = p0 * halfStepDecay, pEnd = p0 * stepDecay;
    spinNow = pEnd;
    f.StartStep(s[4]);
    f.Eval(s, p0, h, k1);
    for (int q = 0; q < 6; ++q) tmp[q] = s[q] + k1[q] / 2;
    f.Eval(tmp, pHalf, h, k2);
    for (int q = 0; q < 6; ++q) tmp[q] = s[q] + k2[q] / 2;
    f.Eval(tmp, pHalf, h, k3);
    for (int q = 0; q < 6; ++q) tmp[q] = s[q] + k3[q];
    f.Eval(tmp, pEnd, h, k4);
    for (int q = 0; q < 6; ++q) s[q] += (k1[q] + 2 * k2[q] + 2 * k3[q] + k4[q]) / 6;

    n = i + 1;
    const double x = s[3];
    double y = s[4] - sh;
    // Heights within 0.05 mm of the sight line are shown as 0; the zero search works with the
    // true heights, otherwise the solved angle would wander between computations.
    if (mode != TIntegrationMode::ZeroSearch && std::fabs(y) <= 0.00005) y = 0;
    bool stop = false;
    switch (mode) {
      case TIntegrationMode::Full: {
        if (n >= kTrajectoryCapacity - 1) ShowMessageAbort(kFullStepLimit);
        tr.timeS[n] = n * h;
        tr.vxMps[n] = s[0];
        tr.vyMps[n] = s[1];
        tr.vzMps[n] = s[2];
        tr.xM[n] = x;
        tr.yCm[n] = y;
        tr.zCm[n] = std::fabs(s[5]) <= 0.0001 ? 0 : s[5];
        if (stations) f.crossWind = StationCrossWind(in, x);
        tr.crossWindMps[n] = f.crossWind;
        tr.dragCoeff[n] = f.lastCd;
        if (x >= in.limitXM) {
          stop = true;
        } else if (s[1] <= 0 && y <= in.limitYM) {
          stop = std::fabs(y - in.limitYM) <= std::fabs(y - tr.yCm[n - 1]) || xUnlimited;
        }
        break;
      }
      case TIntegrationMode::ZeroSearch:
        if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
        tr.xM[n] = x;
        tr.yCm[n] = y;
        stop = x > in.zeroDistanceM;
        break;
      case TIntegrationMode::MaxOrdinate:
        if (s[4] - sh > res.maxOrdinateM) res.maxOrdinateM = s[4] - sh;
        if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
        if (x > 300 && res.maxOrdinateM < 0) {
          res.maxOrdinateM = 0.1;
          stop = true;
        } else if (s[1] <= 0 && s[4] - sh <= 0) {
          res.landingXM = x;
          stop = true;
        }
        break;
      case TIntegrationMode::VelocityAtDistance:
        if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
        tr.vxMps[n] = s[0];
        tr.vyMps[n] = s[1];
        tr.xM[n] = x;
        if (x >= in.zeroDistanceM) {
          const double v1 = std::hypot(tr.vxMps[n - 1], tr.vyMps[n - 1]);
          const double v2 = std::hypot(s[0], s[1]);
          res.speedAtDistance = LinearInterp(in.zeroDistanceM, tr.xM[n - 1], x, v1, v2);
          stop = true;
        }
        break;
      case TIntegrationMode::DropAtTwoDistances:
        if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
        tr.xM[n] = x;
        tr.yCm[n] = y;
        if (x >= res.dropDistance1M) {
          res.dropAtDistance1M =
              LinearInterp(res.dropDistance1M, tr.xM[n - 1], x, tr.yCm[n - 1], y);
          res.dropDistance1M = kDisabledLimitM;
        }
        if (x >= res.dropDistance2M) {
          res.dropAtDistance2M =
              LinearInterp(res.dropDistance2M, tr.xM[n - 1], x, tr.yCm[n - 1], y);
          stop = true;
        }
        break;
      case TIntegrationMode::Path:  // newer than this copy; EngineSymbols runs it as Full
        break;
    }
    if (stop) break;
  }

  tr.stepCount = n;
  for (int k = 0; k <= n; ++k) tr.yCm[k] *= 100;
  if (full) {
    for (int k = 0; k <= n; ++k) tr.zCm[k] *= 100;
  }
  if (mode != TIntegrationMode::VelocityAtDistance &&
      mode != TIntegrationMode::DropAtTwoDistances) {
    const double d = in.diameterM * 100;
    const double areaCm2 = M_PI * d * d / 4;
    for (int k = 0; k <= n; ++k) {
      const double vx = tr.vxMps[k], vy = tr.vyMps[k], vz = tr.vzMps[k];
      tr.energyDensityJcm2[k] = 0.5 * in.massKg * (vx * vx + vy * vy) / areaCm2;
      tr.pathAngleDeg[k] = vx == 0 ? 0 : std::atan(vy / std::sqrt(vx * vx + vz * vz)) / kDegToRad;
    }
  }
  tr.dragCoeff[0] = tr.dragCoeff[1];
  if (full && spin && hooks.report) hooks.report(FinalSpinLine(f.lastSpin));
}

void SolveLaunchAngle(Computation& c, const IntegrationHooks& hooks) {
  TShotInputs& in = c.in;
  const TTrajectory& tr = c.trajectory;
  double theta = in.launchAngleDeg;
  if (in.zeroDistanceM > 1500 && theta < 3) theta = 3;
  if (theta > 89) theta = 89;
  const double aim =
      in.solveMode == 2 ? std::atan(in.zeroHeightM / in.zeroDistanceM) * 57.29577 : 0;
  for (int count = 0;; ++count) {
    in.launchAngleDeg = theta;
    before::IntegrateTrajectory(c, TIntegrationMode::ZeroSearch, hooks);
    const int N = tr.stepCount;
    const double slope = (tr.yCm[N] - tr.yCm[N - 1]) / (tr.xM[N] - tr.xM[N - 1]);
    const double yAtZero = slope * in.zeroDistanceM + (tr.yCm[N] - slope * tr.xM[N]);
    const double old = theta;
    theta = theta - (std::atan(0.01 * yAtZero / in.zeroDistanceM) * 57.29577 - aim);
    if (std::fabs(old - theta) < 0.0003 || count > 4) break;
    if (in.solveMode == 1) {
      if (theta <= 0) theta = 0.05;
      if (theta >= 45) ShowMessageAbort("Úhel výstřelu větší než 45 stupňů.");
    }
  }
  in.launchAngleDeg = theta;
}

}  // namespace before
