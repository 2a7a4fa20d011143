#include "engine/Integration.h"

#include <algorithm>
#include <cmath>

#include "core/Abort.h"
#include "core/LinearInterp.h"
#include "engine/Angles.h"
#include "engine/Atmosphere.h"

namespace {

constexpr double kSpinPi = 3.14159;
constexpr double kSpinQuarterPi = 0.7853975;
constexpr double kSpinDriftGravity = 9.811;
constexpr double kDisabledLimitM = 1000000;
constexpr const char* kFullStepLimit = "Dosaženo maximálního počtu kroků. Zvětšete krok.";
constexpr const char* kStepLimit = "Dosaženo maximálního počtu kroků";

// The acceleration at one velocity, without the factor of the step.
struct Accel {
  double x, y, z;
};

// The right-hand side of the equations of motion, with everything that depends only on the
// inputs copied once per run, so that the loop reads no input through a reference. kExtended
// (Coriolis or spin drift) and kSpin choose the terms at compile time; the arithmetic of each
// term, and the order of its operations, is the same in every variant.
template <bool kExtended, bool kSpin>
class Forces {
 public:
  Forces(const Computation& c, double crossWind)
      : crossWind(crossWind),
        rangeWind_(c.in.rangeWind),
        verticalWind_(c.in.verticalWind),
        gravity_(c.in.gravity),
        variableBc_(c.in.coefficientMode == 2),
        dragFactor_(-kDragConstant / c.in.ballisticCoefficient),
        grid_(&c.dragGrid),
        liftPerMoment_(c.rotation.liftPerMoment.data()) {
    const double phi = c.in.latitudeRad, a = c.in.azimuthRad, w2 = 2 * c.in.earthOmega;
    cor_[0] = w2 * std::cos(phi) * std::sin(a);
    cor_[1] = w2 * std::sin(phi);
    cor_[2] = w2 * std::cos(phi) * std::cos(a);
    corNeg0_ = -cor_[0];
    const double d = c.in.diameterM;
    const double liftFactor = kSpinPi * d * d / (8 * c.in.massKg);
    const double momentFactor = 2 * c.rotation.axialInertia / (kSpinQuarterPi * d * d * d);
    spinFactor_ = (c.in.twistLeft ? -1.0 : 1.0) * liftFactor * momentFactor;
    // The drag factor of each band, divided once; a band that is never chosen is never divided.
    const auto& b = c.in.bcBands;
    for (int i = 0; i < 5; ++i) {
      bandSpeed_[i] = b[i].speedMps;
      bandOn_[i] = i < 2 || b[i].on;
      const double bc = b[i].coefficient;
      bandFactor_[i] = bc != 0 ? -kDragConstant / bc : -std::copysign(HUGE_VAL, bc);
    }
  }

  // The acceleration at velocity (vx, vy, vz) in the given air, with the given spin rate.
  // Always inlined: with a template per mode and forces the compiler's growth limits would
  // otherwise leave a call in some of the loops.
  [[gnu::always_inline]] Accel At(double vx, double vy, double vz, const TAirState& air,
                                  double spin) {
    const double ux = vx - rangeWind_, uy = vy - verticalWind_, uz = vz - crossWind;
    const double V = std::sqrt(ux * ux + uy * uy + uz * uz);
    const double vs = air.speedScale * V;
    const double dragFactor = variableBc_ ? BandDragFactor(V) : dragFactor_;
    // The slope the lookup leaves for LinearInterp is kept here and handed over when the run
    // needs it (SlopeHandover, WithRunSlope).
    const double cd = CoefficientAt(vs);
    lastCd = cd;
    // Everything that does not wait for the drag coefficient is ready before it.
    const double kd = dragFactor * air.density * V * cd;
    if constexpr (!kExtended) {
      return {kd * ux, kd * uy - gravity_, kd * uz};
    } else {
      double cx = vy * corNeg0_ - vz * cor_[1];  // -vy * cor_[0], to the bit
      double cy = vx * cor_[0] + vz * cor_[2];
      double cz = vx * cor_[1] - vy * cor_[2];
      double fx = ux, fy = uy, fz = uz;
      if (kSpin && V > 0) {
        // Lift L = rho pi d^2 Cl V^2 / (8 m) times q = 2 Ix p / (rho pi/4 d^3 V^4 Cm): the
        // density cancels, and only the ratio Cl / Cm of the grid speed remains. The lift
        // acts along D x u with D = (kd vx, kd vy - g, kd vz); split into the part that grows
        // with kd and the part of the fixed gravity.
        const int j = std::min(gridIndex_, kDragGridMax);
        const double lq = spinFactor_ * spin / (V * V) * liftPerMoment_[j];
        const double g = kSpinDriftGravity;
        fx += lq * (vy * uz - vz * uy);
        fy += lq * (vz * ux - vx * uz);
        fz += lq * (vx * uy - vy * ux);
        cx -= lq * g * uz;
        cz += lq * g * ux;
        lastSpin = spin;
      }
      return {kd * fx + cx, kd * fy - gravity_ + cy, kd * fz + cz};
    }
  }

  double crossWind;
  double lastCd = 0;
  double lastSpin = 0;
  double slope = g_linearInterpSlope;  // what g_linearInterpSlope would hold now

 private:
  // DragCoefficientAt, leaving the grid index in gridIndex_. The speed falls by less than a grid
  // step between evaluations, so the line is nearly always the last evaluation's or the one below.
  // Their addresses are known before the speed, and comparisons (predictable branches) choose
  // between them, so the coefficient does not wait for a conversion to an integer and a load
  // behind it. The comparisons decide exactly as the whole part of vs + 0.5 does. With spin
  // drift the lift's division is the longer wait, and the plain lookup is the shorter code.
  [[gnu::always_inline]] double CoefficientAt(double vs) {
    const int h = gridIndex_;
    if (!kSpin && h >= 2 && h < kDragGridMax) {
      const TDragGrid::Line &up = grid_->lines[h], &down = grid_->lines[h - 1];
      const double r = vs + 0.5, top = h;
      if (r >= top - 1 && r < top + 1) {
        const bool isUp = r >= top;
        const double lineSlope = isUp ? up.slope : down.slope;
        const double intercept = isUp ? up.intercept : down.intercept;
        gridIndex_ = isUp ? h : h - 1;
        slope = lineSlope;
        return lineSlope * vs + intercept;
      }
    }
    gridIndex_ = DragGridIndex(vs);
    return DragCoefficientAt(*grid_, vs, slope);
  }

  // -kDragConstant / BandCoefficient(in, V): later bands override.
  double BandDragFactor(double V) const {
    double f = bandFactor_[0];
    for (int i = 1; i < 5; ++i) {
      if (bandOn_[i] && V < bandSpeed_[i]) f = bandFactor_[i];
    }
    return f;
  }

  double rangeWind_, verticalWind_, gravity_;
  bool variableBc_;
  double dragFactor_;
  const TDragGrid* grid_;
  int gridIndex_ = 0;  // of the last evaluation
  const double* liftPerMoment_;
  double cor_[3];  // 2 Omega: cos(phi) sin(A), sin(phi), cos(phi) cos(A)
  double corNeg0_;
  double spinFactor_ = 0;
  double bandFactor_[5], bandSpeed_[5];
  bool bandOn_[5];
};

// The state (vx, vy, vz, x, y, z).
struct State {
  double vx, vy, vz, x, y, z;
};

// One classical RK4 step with the air evaluated around the step's start height. Written out
// per component: k/2 is formed as (h/2) a, which equals (h a)/2 to the bit.
template <class F>
[[gnu::always_inline]] inline void Step(F& f, SiteAir& air, State& s, double h, double p0,
                                        double pHalf, double pEnd) {
  const double hh = h / 2;
  air.Center(s.y);
  const Accel a1 = f.At(s.vx, s.vy, s.vz, air.AtCenter(), p0);
  const double v2x = s.vx + hh * a1.x, v2y = s.vy + hh * a1.y, v2z = s.vz + hh * a1.z;
  const Accel a2 = f.At(v2x, v2y, v2z, air.Near(s.y + hh * s.vy), pHalf);
  const double v3x = s.vx + hh * a2.x, v3y = s.vy + hh * a2.y, v3z = s.vz + hh * a2.z;
  const Accel a3 = f.At(v3x, v3y, v3z, air.Near(s.y + hh * v2y), pHalf);
  const double v4x = s.vx + h * a3.x, v4y = s.vy + h * a3.y, v4z = s.vz + h * a3.z;
  const Accel a4 = f.At(v4x, v4y, v4z, air.Near(s.y + h * v3y), pEnd);
  auto rk4 = [h](double k1, double k2, double k3, double k4) {
    return (h * k1 + 2 * (h * k2) + 2 * (h * k3) + h * k4) / 6;
  };
  s.x += rk4(s.vx, v2x, v3x, v4x);
  s.y += rk4(s.vy, v2y, v3y, v4y);
  s.z += rk4(s.vz, v2z, v3z, v4z);
  s.vx += rk4(a1.x, a2.x, a3.x, a4.x);
  s.vy += rk4(a1.y, a2.y, a3.y, a4.y);
  s.vz += rk4(a1.z, a2.z, a3.z, a4.z);
}

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

// Hands the slope of the last drag lookup to LinearInterp when a run ends, also when it aborts.
template <class F>
class SlopeHandover {
 public:
  explicit SlopeHandover(F& f) : f_(f) {}
  ~SlopeHandover() { g_linearInterpSlope = f_.slope; }

 private:
  F& f_;
};

// Runs code that calls LinearInterp (fn) so that it sees and leaves the slope as it would
// after every drag lookup of the run so far.
template <class F, class Fn>
double WithRunSlope(F& f, Fn fn) {
  g_linearInterpSlope = f.slope;
  const double y = fn();
  f.slope = g_linearInterpSlope;
  return y;
}

// Energy density and path angle of a stored point.
class EnergyAndAngle {
 public:
  explicit EnergyAndAngle(const TShotInputs& in) : halfMass_(0.5 * in.massKg) {
    const double d = in.diameterM * 100;
    areaCm2_ = M_PI * d * d / 4;
  }
  void Fill(TTrajectory& tr, int k, double vx, double vy, double vz) const {
    tr.energyDensityJcm2[k] = halfMass_ * (vx * vx + vy * vy) / areaCm2_;
    tr.pathAngleDeg[k] = vx == 0 ? 0 : std::atan(vy / std::sqrt(vx * vx + vz * vz)) / kDegToRad;
  }

 private:
  double halfMass_, areaCm2_ = 0;
};

// One run of one mode with one variant of the forces: each step computes only what the mode
// stores or tests. Returns the spin rate of the last evaluation (for the report).
template <TIntegrationMode kMode, bool kExtended, bool kSpin>
double Run(Computation& c) {
  using Mode = TIntegrationMode;
  constexpr bool kFull = kMode == Mode::Full;
  // A path run is a full run that stores only the positions.
  constexpr bool kFullOrPath = kFull || kMode == Mode::Path;
  const TShotInputs& in = c.in;
  TTrajectory& tr = c.trajectory;
  TModeResults& res = c.results;

  const double h = in.stepS;
  const double theta = in.launchAngleDeg * kDegToRad;
  const double v0 = in.muzzleVelocity;
  const bool stations = kFullOrPath && in.crossWindMode == 1;

  Forces<kExtended, kSpin> f(c, stations ? in.stationWind[0] : in.crossWind);
  SlopeHandover handover(f);
  SiteAir air(in);
  State s{v0 * std::cos(theta), v0 * std::sin(theta), 0, 0, 0, 0};
  tr.timeS[0] = 0;
  tr.xM[0] = 0;
  tr.vxMps[0] = s.vx;
  tr.vyMps[0] = s.vy;
  tr.vzMps[0] = 0;
  tr.yCm[0] = -in.sightHeightM;
  tr.zCm[0] = 0;
  tr.crossWindMps[0] = f.crossWind;
  const EnergyAndAngle derived(in);
  // The other modes store no velocities after the muzzle, and nothing reads the energy or the
  // angle of their runs.
  if constexpr (kFull || kMode == Mode::ZeroSearch || kMode == Mode::MaxOrdinate) {
    derived.Fill(tr, 0, s.vx, s.vy, s.vz);
  }

  const double sh = in.sightHeightM;
  const double limitXM = in.limitXM, limitYM = in.limitYM, zeroM = in.zeroDistanceM;
  const bool xUnlimited = limitXM >= kDisabledLimitM;
  double spinNow = kSpin ? SpinAt(c.rotation, 0) : 0;
  const double halfStepDecay = kSpin ? std::exp(-c.rotation.spinDecayPerS * h / 2) : 0;
  const double stepDecay = kSpin ? std::exp(-c.rotation.spinDecayPerS * h) : 0;
  double yBefore = tr.yCm[0];
  int n = 0;
  for (;;) {
    // The spin decays by the same factor every half step; multiplying by it keeps three
    // exponentials out of every step (the drift from SpinAt stays below 1e-11 over 30000 steps).
    const double p0 = spinNow, pHalf = p0 * halfStepDecay, pEnd = p0 * stepDecay;
    spinNow = pEnd;
    Step(f, air, s, h, p0, pHalf, pEnd);

    ++n;
    const double x = s.x;
    double y = s.y - sh;
    bool stop = false;
    if constexpr (kMode == Mode::ZeroSearch) {
      // The zero search works with the true heights, otherwise the solved angle would wander
      // between computations.
      if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
      tr.xM[n] = x;
      tr.yCm[n] = y;
      stop = x > zeroM;
    } else {
      // Heights within 0.05 mm of the sight line are shown as 0.
      if (std::fabs(y) <= 0.00005) y = 0;
    }
    if constexpr (kFullOrPath) {
      if (n >= kTrajectoryCapacity - 1) ShowMessageAbort(kFullStepLimit);
      if constexpr (kFull) {
        tr.timeS[n] = n * h;
        tr.vxMps[n] = s.vx;
        tr.vyMps[n] = s.vy;
        tr.vzMps[n] = s.vz;
      }
      tr.xM[n] = x;
      tr.yCm[n] = y;
      tr.zCm[n] = std::fabs(s.z) <= 0.0001 ? 0 : s.z;
      if (stations) f.crossWind = WithRunSlope(f, [&] { return StationCrossWind(in, x); });
      if constexpr (kFull) {
        tr.crossWindMps[n] = f.crossWind;
        tr.dragCoeff[n] = f.lastCd;
        // Filled here, where nothing waits for the arc tangent: it runs beside the next
        // step's stages instead of in a loop of its own after the run.
        derived.Fill(tr, n, s.vx, s.vy, s.vz);
      }
      if (x >= limitXM) {
        stop = true;
      } else if (s.vy <= 0 && y <= limitYM) {
        stop = std::fabs(y - limitYM) <= std::fabs(y - yBefore) || xUnlimited;
      }
    } else if constexpr (kMode == Mode::MaxOrdinate) {
      if (s.y - sh > res.maxOrdinateM) res.maxOrdinateM = s.y - sh;
      if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
      if (x > 300 && res.maxOrdinateM < 0) {
        res.maxOrdinateM = 0.1;
        stop = true;
      } else if (s.vy <= 0 && s.y - sh <= 0) {
        res.landingXM = x;
        stop = true;
      }
    } else if constexpr (kMode == Mode::VelocityAtDistance) {
      if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
      tr.vxMps[n] = s.vx;
      tr.vyMps[n] = s.vy;
      tr.xM[n] = x;
      if (x >= zeroM) {
        const double v1 = std::hypot(tr.vxMps[n - 1], tr.vyMps[n - 1]);
        const double v2 = std::hypot(s.vx, s.vy);
        res.speedAtDistance =
            WithRunSlope(f, [&] { return LinearInterp(zeroM, tr.xM[n - 1], x, v1, v2); });
        stop = true;
      }
    } else if constexpr (kMode == Mode::DropAtTwoDistances) {
      if (n > kTrajectoryCapacity - 1) ShowMessageAbort(kStepLimit);
      tr.xM[n] = x;
      tr.yCm[n] = y;
      if (x >= res.dropDistance1M) {
        res.dropAtDistance1M = WithRunSlope(
            f, [&] { return LinearInterp(res.dropDistance1M, tr.xM[n - 1], x, yBefore, y); });
        res.dropDistance1M = kDisabledLimitM;
      }
      if (x >= res.dropDistance2M) {
        res.dropAtDistance2M = WithRunSlope(
            f, [&] { return LinearInterp(res.dropDistance2M, tr.xM[n - 1], x, yBefore, y); });
        stop = true;
      }
    }
    yBefore = y;
    if (stop) break;
  }

  tr.stepCount = n;
  for (int k = 0; k <= n; ++k) tr.yCm[k] *= 100;
  if constexpr (kFullOrPath) {
    for (int k = 0; k <= n; ++k) tr.zCm[k] *= 100;
  }
  tr.dragCoeff[0] = tr.dragCoeff[1];
  return f.lastSpin;
}

// Calls body.template operator()<kExtended, kSpin>() for the forces the inputs switch on.
template <class Body>
auto WithForces(const Computation& c, Body body) {
  if (c.in.spinDrift && c.rotation.active) return body.template operator()<true, true>();
  if (c.in.coriolis) return body.template operator()<true, false>();
  return body.template operator()<false, false>();
}

template <TIntegrationMode kMode>
double RunMode(Computation& c) {
  return WithForces(c,
                    [&]<bool kExtended, bool kSpin>() { return Run<kMode, kExtended, kSpin>(c); });
}

}  // namespace

TAccelerationResult AccelerationAt(const Computation& c, const double state[6], double spin) {
  return WithForces(c, [&]<bool kExtended, bool kSpin>() {
    Forces<kExtended, kSpin> f(c, c.in.crossWind);
    SlopeHandover handover(f);
    SiteAir air(c.in);
    air.Center(state[4]);
    const Accel a = f.At(state[0], state[1], state[2], air.AtCenter(), spin);
    return TAccelerationResult{a.x, a.y, a.z, f.lastCd, f.lastSpin};
  });
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
  if (in.autoStep) {
    const int p = AutoStepPosition(in.launchAngleDeg);
    in.stepS = p * 0.0001;
    if (hooks.autoStepChosen) hooks.autoStepChosen(p);
  }
  using Mode = TIntegrationMode;
  switch (mode) {
    case Mode::Full: {
      const double lastSpin = RunMode<Mode::Full>(c);
      if (in.spinDrift && c.rotation.active && hooks.report) hooks.report(FinalSpinLine(lastSpin));
      break;
    }
    case Mode::Path:
      RunMode<Mode::Path>(c);
      break;
    case Mode::ZeroSearch:
      RunMode<Mode::ZeroSearch>(c);
      break;
    case Mode::MaxOrdinate:
      RunMode<Mode::MaxOrdinate>(c);
      break;
    case Mode::VelocityAtDistance:
      RunMode<Mode::VelocityAtDistance>(c);
      break;
    case Mode::DropAtTwoDistances:
      RunMode<Mode::DropAtTwoDistances>(c);
      break;
  }
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
    IntegrateTrajectory(c, TIntegrationMode::ZeroSearch, hooks);
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
