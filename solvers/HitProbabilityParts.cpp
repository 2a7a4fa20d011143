#include "solvers/HitProbabilityParts.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>

#include "core/Abort.h"
#include "engine/Integration.h"

namespace hitprob {

namespace {

// A shot that falls this far below the sight line misses every distance it has not reached;
// it also keeps a slow projectile from running into the step limit.
constexpr double kFloorM = -1000;
// Up to 64 times the chosen step for a run that would exceed the step limit.
constexpr int kMaxStepDoublings = 6;
// A believed distance is at least this share of the true one.
constexpr double kMinEstimateShare = 0.05;

void RunOnce(Computation& c, double lastM) {
  c.in.limitXEnabled = true;
  c.in.limitXM = lastM;
  c.in.limitYEnabled = true;
  c.in.limitYM = kFloorM;
  // Only the positions are read.
  IntegrateTrajectory(c, TIntegrationMode::Path);
}

}  // namespace

bool PointAt(const TTrajectory& tr, double x, Point& p) {
  const int n = tr.stepCount;
  if (n < 1 || x > tr.xM[n]) return false;
  const auto begin = tr.xM.begin();
  const int i = std::max<int>(std::lower_bound(begin + 1, begin + n + 1, x) - begin, 1);
  const double x1 = tr.xM[i - 1], x2 = tr.xM[i];
  const double t = x2 > x1 ? (x - x1) / (x2 - x1) : 1;
  p.yCm = tr.yCm[i - 1] + t * (tr.yCm[i] - tr.yCm[i - 1]);
  p.zCm = tr.zCm[i - 1] + t * (tr.zCm[i] - tr.zCm[i - 1]);
  return true;
}

void ApplyShotErrors(TShotInputs& in, const TShotInputs& nominal, double velocityDeltaMps,
                     double bcFactor, double windDeltaMps) {
  in = nominal;
  in.muzzleVelocity = std::max(in.muzzleVelocity + velocityDeltaMps, 1.0);
  const double bcScale = std::max(bcFactor, 0.05);
  in.ballisticCoefficient *= bcScale;
  for (auto& band : in.bcBands) band.coefficient *= bcScale;
  in.crossWind += windDeltaMps;
  for (auto& w : in.stationWind) w += windDeltaMps;
}

void RunTo(Computation& c, double lastM) {
  for (int doubling = 0;; ++doubling) {
    try {
      RunOnce(c, lastM);
      return;
    } catch (const ActionAborted&) {
      if (doubling == kMaxStepDoublings) throw;
      // The engine left the step it took in stepS, the automatic one too.
      c.in.autoStep = false;
      c.in.stepS *= 2;
    }
  }
}

Hold::Hold(const Computation& c, const THitSettings& s)
    : s_(s), nominal_(std::make_unique<Computation>(c)) {
  const double last = s.distancesM.back();
  // At the chosen step, as the calculation window runs it: a step limit here is the shooter's.
  RunOnce(*nominal_, last);
  const double farthest = Estimate(last, kRangeDeviates);
  if (farthest <= last) return;
  far_ = std::make_unique<Computation>(*nominal_);
  try {
    RunTo(*far_, farthest + 1);
  } catch (const ActionAborted&) {
    far_.reset();  // the estimates beyond the nominal trajectory take its last point
  }
}

double Hold::Estimate(double d, double u) const {
  u = std::clamp(u, -kRangeDeviates, kRangeDeviates);
  return std::max(d + (s_.rangeSigmaFraction * d + s_.rangeSigmaM) * u, kMinEstimateShare * d);
}

Point Hold::At(double d, double estimateM) const {
  const TTrajectory& nominal = Nominal();
  const bool beyond = far_ && estimateM > nominal.xM[nominal.stepCount];
  const TTrajectory& tr = beyond ? far_->trajectory : nominal;
  Point p;
  PointAt(tr, std::min(estimateM, tr.xM[tr.stepCount]), p);
  const double scale = d / estimateM;
  return {p.yCm * scale, p.zCm * scale};
}

bool OnTarget(const THitSettings& s, Point miss) {
  if (s.target == THitTarget::Circle) {
    const double r = s.targetWidthM * 50;
    return miss.yCm * miss.yCm + miss.zCm * miss.zCm <= r * r;
  }
  return std::fabs(miss.yCm) <= s.targetHeightM * 50 && std::fabs(miss.zCm) <= s.targetWidthM * 50;
}

bool SegmentOnTarget(const THitSettings& s, Point a, Point b, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dy = b.yCm - a.yCm, dz = b.zCm - a.zCm;
  if (s.target == THitTarget::Circle) {
    const double r = s.targetWidthM * 50;
    const double qa = dy * dy + dz * dz, qb = a.yCm * dy + a.zCm * dz;
    const double qc = a.yCm * a.yCm + a.zCm * a.zCm - r * r;
    if (qa == 0) return qc <= 0;
    const double disc = qb * qb - qa * qc;
    if (disc < 0) return false;
    const double root = std::sqrt(disc);
    t0 = std::max(0.0, (-qb - root) / qa);
    t1 = std::min(1.0, (-qb + root) / qa);
    return t0 < t1;
  }
  // The rectangle is where both slabs overlap.
  auto slab = [&](double from, double delta, double half) {
    if (delta == 0) return std::fabs(from) <= half;
    double lo = (-half - from) / delta, hi = (half - from) / delta;
    if (lo > hi) std::swap(lo, hi);
    t0 = std::max(t0, lo);
    t1 = std::min(t1, hi);
    return true;
  };
  return slab(a.yCm, dy, s.targetHeightM * 50) && slab(a.zCm, dz, s.targetWidthM * 50) && t0 < t1;
}

void ParallelFor(int count, std::vector<std::unique_ptr<Computation>>& scratch,
                 const THitProgress* progress,
                 const std::function<void(int index, Computation& scratch)>& work) {
  std::atomic<int> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr error;
  std::mutex errorLock;
  auto worker = [&](Computation& own) {
    try {
      for (int i; !failed && !Cancelled(progress) && (i = next++) < count;) work(i, own);
    } catch (...) {
      std::lock_guard lock(errorLock);
      if (!error) error = std::current_exception();
      failed = true;
    }
  };
  const int threads = std::min(static_cast<int>(scratch.size()), count);
  if (threads <= 1) {
    worker(*scratch.front());
  } else {
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) pool.emplace_back(worker, std::ref(*scratch[t]));
    for (auto& t : pool) t.join();
  }
  if (error) std::rethrow_exception(error);
}

}  // namespace hitprob
