#include "solvers/HitProbability.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "core/LinearInterp.h"
#include "engine/Integration.h"

namespace {

// A shot that falls this far below the sight line misses every distance it has not reached;
// it also keeps a slow projectile from running into the step limit.
constexpr double kFloorM = -1000;
// Shots are summed in fixed blocks, whatever thread ran them, so the totals do not depend on
// the number of threads.
constexpr int kBlockShots = 32;

std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// Normal numbers of one shot: SplitMix64 started from a hash of the seed and the shot index,
// turned normal by Box-Muller (the same on every platform, unlike std::normal_distribution).
class ShotRandom {
 public:
  ShotRandom(std::uint64_t seed, std::uint64_t shot)
      : state_(Mix(seed ^ Mix(shot + 0x9E3779B97F4A7C15ULL))) {}

  double Normal() {
    if (hasSpare_) {
      hasSpare_ = false;
      return spare_;
    }
    const double r = std::sqrt(-2 * std::log(Uniform()));
    const double angle = 2 * M_PI * Uniform();
    spare_ = r * std::sin(angle);
    hasSpare_ = true;
    return r * std::cos(angle);
  }

 private:
  // Strictly between 0 and 1.
  double Uniform() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return (static_cast<double>(Mix(state_) >> 11) + 0.5) * 0x1.0p-53;
  }

  std::uint64_t state_;
  double spare_ = 0;
  bool hasSpare_ = false;
};

struct Point {
  double yCm = 0, zCm = 0;
};

// Height and drift at a distance, linear between the two points around it; false when the
// run stopped short of it.
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

// The hold for an estimated distance: beyond the end of the trajectory the last point.
Point HoldAt(const TTrajectory& tr, double estimateM) {
  Point p;
  PointAt(tr, std::clamp(estimateM, 0.0, tr.xM[tr.stepCount]), p);
  return p;
}

void RunTo(Computation& c, double lastM) {
  c.in.limitXEnabled = true;
  c.in.limitXM = lastM;
  c.in.limitYEnabled = true;
  c.in.limitYM = kFloorM;
  IntegrateTrajectory(c, TIntegrationMode::Full);
}

struct Sums {
  int hits = 0, reached = 0;
  double y = 0, yy = 0, z = 0, zz = 0;
};

class Simulation {
 public:
  Simulation(const Computation& c, const THitSettings& s) : base_(c), s_(s) {
    auto nominal = std::make_unique<Computation>(c);
    // The estimate may exceed the last distance: the hold is needed a little beyond it.
    RunTo(*nominal, s.distancesM.back() * (1 + 6 * s.rangeSigmaFraction) + 1);
    nominal_ = nominal->trajectory;
  }

  // One shot: its own velocity, coefficient, wind and aim error, one trajectory for all
  // distances, and a range estimate at each distance.
  void Shoot(Computation& shot, int index, std::vector<Sums>& sums) const {
    ShotRandom random(s_.seed, static_cast<std::uint64_t>(index));
    TShotInputs& in = shot.in;
    in = base_.in;
    in.muzzleVelocity = std::max(in.muzzleVelocity + s_.velocitySigmaMps * random.Normal(), 1.0);
    const double bcScale = std::max(1 + s_.bcSigmaFraction * random.Normal(), 0.05);
    in.ballisticCoefficient *= bcScale;
    for (auto& band : in.bcBands) band.coefficient *= bcScale;
    const double windMps = s_.windSigmaMps * random.Normal();
    in.crossWind += windMps;
    for (auto& w : in.stationWind) w += windMps;
    const double aimY = s_.dispersionRad * random.Normal();
    const double aimZ = s_.dispersionRad * random.Normal();
    RunTo(shot, s_.distancesM.back());

    const double halfW = s_.targetWidthM * 50, halfH = s_.targetHeightM * 50;
    for (std::size_t k = 0; k < s_.distancesM.size(); ++k) {
      const double d = s_.distancesM[k];
      const double estimate = d * (1 + s_.rangeSigmaFraction * random.Normal());
      Point p;
      if (!PointAt(shot.trajectory, d, p)) continue;
      const Point hold = HoldAt(nominal_, estimate);
      const double y = p.yCm - hold.yCm + aimY * d * 100;
      const double z = p.zCm - hold.zCm + aimZ * d * 100;
      Sums& t = sums[k];
      ++t.reached;
      if (std::fabs(y) <= halfH && std::fabs(z) <= halfW) ++t.hits;
      t.y += y;
      t.yy += y * y;
      t.z += z;
      t.zz += z * z;
    }
  }

  bool NominalReaches(double d) const {
    Point p;
    return PointAt(nominal_, d, p);
  }

 private:
  const Computation& base_;
  const THitSettings& s_;
  TTrajectory nominal_;
};

void Wilson(int hits, int n, double& low, double& high) {
  const double z = 1.959964, p = static_cast<double>(hits) / n, z2n = z * z / n;
  const double centre = (p + z2n / 2) / (1 + z2n);
  const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
  low = std::max(0.0, centre - half);
  high = std::min(1.0, centre + half);
}

void MeanAndSd(double sum, double sumSq, int n, double& mean, double& sd) {
  mean = n > 0 ? sum / n : 0;
  sd = n > 1 ? std::sqrt(std::max(sumSq - n * mean * mean, 0.0) / (n - 1)) : 0;
}

}  // namespace

std::vector<THitRow> ComputeHitProbability(const Computation& c, const THitSettings& s) {
  const auto& distances = s.distancesM;
  if (distances.empty() || s.shots < 1) return {};
  // Runs on the calling thread leave the slope that its range tables may reuse as it was.
  struct SlopeKept {
    double slope = g_linearInterpSlope;
    ~SlopeKept() { g_linearInterpSlope = slope; }
  } slopeKept;
  const Simulation sim(c, s);

  const int blocks = (s.shots + kBlockShots - 1) / kBlockShots;
  std::vector<std::vector<Sums>> partial(blocks, std::vector<Sums>(distances.size()));
  std::atomic<int> next{0};
  std::atomic<bool> failed{false};
  std::exception_ptr error;
  std::mutex errorLock;
  auto work = [&] {
    try {
      auto shot = std::make_unique<Computation>(c);
      for (int b; !failed && (b = next++) < blocks;) {
        const int end = std::min(s.shots, (b + 1) * kBlockShots);
        for (int i = b * kBlockShots; i < end; ++i) sim.Shoot(*shot, i, partial[b]);
      }
    } catch (...) {
      std::lock_guard lock(errorLock);
      if (!error) error = std::current_exception();
      failed = true;
    }
  };
  int threads = s.threads > 0 ? s.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, blocks);
  if (threads == 1) {
    work();
  } else {
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) pool.emplace_back(work);
    for (auto& t : pool) t.join();
  }
  if (error) std::rethrow_exception(error);

  std::vector<THitRow> rows(distances.size());
  for (std::size_t k = 0; k < distances.size(); ++k) {
    Sums total;
    for (const auto& block : partial) {
      total.hits += block[k].hits;
      total.reached += block[k].reached;
      total.y += block[k].y;
      total.yy += block[k].yy;
      total.z += block[k].z;
      total.zz += block[k].zz;
    }
    THitRow& row = rows[k];
    row.distanceM = distances[k];
    row.reached = sim.NominalReaches(distances[k]);
    row.hits = total.hits;
    row.probability = static_cast<double>(total.hits) / s.shots;
    Wilson(total.hits, s.shots, row.low95, row.high95);
    MeanAndSd(total.y, total.yy, total.reached, row.meanYCm, row.sdYCm);
    MeanAndSd(total.z, total.zz, total.reached, row.meanZCm, row.sdZCm);
  }
  return rows;
}

double MaxDistanceWithProbability(const std::vector<THitRow>& rows, double probability) {
  double best = -1;
  for (const auto& row : rows) {
    if (!row.reached || row.probability < probability) break;
    best = row.distanceM;
  }
  return best;
}

std::vector<double> HitDistances(double fromM, double toM, double stepM) {
  std::vector<double> out;
  for (int k = 0;; ++k) {
    const double x = fromM + k * stepM;
    // A distance a hair short of Do is Do itself.
    if (x >= toM - 1e-9 * toM) break;
    out.push_back(x);
  }
  out.push_back(toM);
  return out;
}
