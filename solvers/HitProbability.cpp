#include "solvers/HitProbability.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>

#include "core/LinearInterp.h"
#include "solvers/HitProbabilityParts.h"

using namespace hitprob;

namespace {

// Shots are summed in fixed blocks, whatever thread ran them, and the blocks in their order,
// so the totals do not depend on the number of threads.
constexpr int kBlockShots = 32;
// Blocks held at once: the memory of a run grows with the distances, not with the shots.
constexpr int kRoundBlocks = 64;

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

struct Sums {
  int hits = 0, reached = 0;
  double y = 0, yy = 0, z = 0, zz = 0;
  void Add(const Sums& o) {
    hits += o.hits;
    reached += o.reached;
    y += o.y;
    yy += o.yy;
    z += o.z;
    zz += o.zz;
  }
};

class Simulation {
 public:
  Simulation(const Computation& c, const THitSettings& s, const Hold& hold)
      : base_(c),
        s_(s),
        hold_(hold),
        ownTrajectory_(Varies(s, kHitVelocity) || Varies(s, kHitCoefficient) ||
                       Varies(s, kHitWind)) {}

  // One shot: its own velocity, coefficient, wind and aim error, one trajectory for all
  // distances, and a range estimate at each distance.
  void Shoot(Computation& shot, int index, std::vector<Sums>& sums) const {
    ShotRandom random(s_.seed, static_cast<std::uint64_t>(index));
    const double velocityDelta = s_.velocitySigmaMps * random.Normal();
    const double bcFactor = 1 + s_.bcSigmaFraction * random.Normal();
    const double windDelta = s_.windSigmaMps * random.Normal();
    const double aimY = s_.dispersionRad * random.Normal();
    const double aimZ = s_.dispersionRad * random.Normal();
    // Without those errors every shot flies the nominal trajectory.
    const TTrajectory* path = &hold_.Nominal();
    if (ownTrajectory_) {
      ApplyShotErrors(shot.in, base_.in, velocityDelta, bcFactor, windDelta);
      RunTo(shot, s_.distancesM.back());
      path = &shot.trajectory;
    }
    for (std::size_t k = 0; k < s_.distancesM.size(); ++k) {
      const double d = s_.distancesM[k];
      const double estimate = hold_.Estimate(d, random.Normal());
      Point p;
      if (!PointAt(*path, d, p)) continue;
      const Point hold = hold_.At(d, estimate);
      const Point miss{p.yCm - hold.yCm + aimY * d * 100, p.zCm - hold.zCm + aimZ * d * 100};
      Sums& t = sums[k];
      ++t.reached;
      if (OnTarget(s_, miss)) ++t.hits;
      t.y += miss.yCm;
      t.yy += miss.yCm * miss.yCm;
      t.z += miss.zCm;
      t.zz += miss.zCm * miss.zCm;
    }
  }

 private:
  const Computation& base_;
  const THitSettings& s_;
  const Hold& hold_;
  bool ownTrajectory_;
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

std::vector<THitRow> ComputeHitProbability(const Computation& c, const THitSettings& s,
                                           THitProgress* progress) {
  const auto& distances = s.distancesM;
  if (distances.empty() || s.shots < 1) return {};
  // Runs on the calling thread leave the slope that its range tables may reuse as it was.
  struct SlopeKept {
    double slope = g_linearInterpSlope;
    ~SlopeKept() { g_linearInterpSlope = slope; }
  } slopeKept;
  if (progress) progress->total = s.shots + BudgetRuns(s);
  const Hold hold(c, s);

  const int blocks = (s.shots + kBlockShots - 1) / kBlockShots;
  int threads = s.threads > 0 ? s.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, std::max(blocks, BudgetRuns(s)));
  std::vector<std::unique_ptr<Computation>> scratch;
  for (int t = 0; t < threads; ++t) scratch.push_back(std::make_unique<Computation>(c));

  std::vector<THitRow> rows(distances.size());
  for (std::size_t k = 0; k < distances.size(); ++k) {
    Point p;
    rows[k].distanceM = distances[k];
    rows[k].reached = hold.NominalAt(distances[k], p);
  }
  ComputeBudget(c, s, hold, scratch, progress, rows);

  const Simulation sim(c, s, hold);
  std::vector<Sums> totals(distances.size());
  std::vector<std::vector<Sums>> partial(std::min(blocks, kRoundBlocks));
  for (int first = 0; first < blocks && !Cancelled(progress); first += kRoundBlocks) {
    const int count = std::min(kRoundBlocks, blocks - first);
    for (auto& block : partial) block.assign(distances.size(), Sums{});
    ParallelFor(count, scratch, progress, [&](int b, Computation& shot) {
      const int begin = (first + b) * kBlockShots, end = std::min(s.shots, begin + kBlockShots);
      for (int i = begin; i < end && !Cancelled(progress); ++i) {
        sim.Shoot(shot, i, partial[b]);
        Advance(progress, 1);
      }
    });
    for (int b = 0; b < count; ++b) {
      for (std::size_t k = 0; k < distances.size(); ++k) totals[k].Add(partial[b][k]);
    }
  }
  if (Cancelled(progress)) return {};

  for (std::size_t k = 0; k < distances.size(); ++k) {
    const Sums& total = totals[k];
    THitRow& row = rows[k];
    row.shotsReached = total.reached;
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
    if (!row.reached || row.low95 < probability) break;
    best = row.distanceM;
  }
  return best;
}

std::vector<double> HitDistances(double fromM, double toM, double stepM, int maxCount) {
  std::vector<double> out;
  for (int k = 0;; ++k) {
    const double x = fromM + k * stepM;
    // A distance a hair short of Do is Do itself.
    if (x >= toM - 1e-9 * toM) break;
    if (static_cast<int>(out.size()) == maxCount) return {};
    out.push_back(x);
  }
  if (static_cast<int>(out.size()) == maxCount) return {};
  out.push_back(toM);
  return out;
}
