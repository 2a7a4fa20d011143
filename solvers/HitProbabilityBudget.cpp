// The probability with each error alone. The dispersion alone has a closed form; each other
// error is one normal number, so its probability is an integral over that number: the misses
// at fixed values of it (one trajectory each), linear between them, and the normal weight of
// the part of each piece that lies on the target. No sampling, so no sampling error.
#include <cmath>
#include <optional>

#include "solvers/HitProbabilityParts.h"

namespace hitprob {

namespace {

// The error from -6 to +6 standard deviations in steps of a quarter.
constexpr int kIntervals = 48;

double Deviate(int node) {
  return kRangeDeviates * (2.0 * node / kIntervals - 1);
}

double NormalCdf(double u) {
  return 0.5 * std::erfc(-u / std::sqrt(2.0));
}

// The misses at each node and distance; none where that trajectory falls short.
using NodeMisses = std::vector<std::vector<std::optional<Point>>>;

double Integrate(const THitSettings& s, const NodeMisses& misses, std::size_t k) {
  double p = 0;
  for (int j = 0; j < kIntervals; ++j) {
    const auto &a = misses[j][k], &b = misses[j + 1][k];
    double t0, t1;
    if (!a || !b || !SegmentOnTarget(s, *a, *b, t0, t1)) continue;
    const double u = Deviate(j), h = Deviate(j + 1) - u;
    p += NormalCdf(u + t1 * h) - NormalCdf(u + t0 * h);
  }
  return p;
}

// The aim error alone: a circular normal spread around the point of aim.
double DispersionAlone(const THitSettings& s, double d) {
  const double sigmaCm = s.dispersionRad * d * 100;
  if (sigmaCm == 0) return 1;
  if (s.target == THitTarget::Circle) {
    const double r = s.targetWidthM * 50;
    return 1 - std::exp(-r * r / (2 * sigmaCm * sigmaCm));
  }
  const double scale = 50 / (sigmaCm * std::sqrt(2.0));
  return std::erf(s.targetWidthM * scale) * std::erf(s.targetHeightM * scale);
}

}  // namespace

bool Varies(const THitSettings& s, THitError e) {
  switch (e) {
    case kHitVelocity:
      return s.velocitySigmaMps > 0;
    case kHitCoefficient:
      return s.bcSigmaFraction > 0;
    case kHitWind:
      return s.windSigmaMps > 0;
    case kHitRange:
      return s.rangeSigmaFraction > 0 || s.rangeSigmaM > 0;
    default:
      return s.dispersionRad > 0;
  }
}

int BudgetRuns(const THitSettings& s) {
  int runs = 0;
  for (THitError e : {kHitVelocity, kHitCoefficient, kHitWind}) {
    if (Varies(s, e)) runs += kIntervals + 1;
  }
  return runs;
}

void ComputeBudget(const Computation& c, const THitSettings& s, const Hold& hold,
                   std::vector<std::unique_ptr<Computation>>& scratch, THitProgress* progress,
                   std::vector<THitRow>& rows) {
  const auto& distances = s.distancesM;
  for (THitRow& row : rows) {
    row.alone[kHitDispersion] = row.reached ? DispersionAlone(s, row.distanceM) : 0;
  }
  for (THitError e : {kHitVelocity, kHitCoefficient, kHitWind, kHitRange}) {
    if (!Varies(s, e)) {
      for (THitRow& row : rows) row.alone[e] = row.reached ? 1 : 0;
      continue;
    }
    NodeMisses misses(kIntervals + 1, std::vector<std::optional<Point>>(distances.size()));
    if (e == kHitRange) {
      // The shot flies the nominal trajectory; only the hold moves.
      for (int j = 0; j <= kIntervals; ++j) {
        for (std::size_t k = 0; k < distances.size(); ++k) {
          const double d = distances[k];
          Point p;
          if (!hold.NominalAt(d, p)) continue;
          const Point aim = hold.At(d, hold.Estimate(d, Deviate(j)));
          misses[j][k] = Point{p.yCm - aim.yCm, p.zCm - aim.zCm};
        }
      }
    } else {
      ParallelFor(kIntervals + 1, scratch, progress, [&](int j, Computation& run) {
        const double u = Deviate(j);
        ApplyShotErrors(run.in, c.in, e == kHitVelocity ? s.velocitySigmaMps * u : 0,
                        e == kHitCoefficient ? 1 + s.bcSigmaFraction * u : 1,
                        e == kHitWind ? s.windSigmaMps * u : 0);
        RunTo(run, distances.back());
        for (std::size_t k = 0; k < distances.size(); ++k) {
          const double d = distances[k];
          Point p;
          if (!PointAt(run.trajectory, d, p)) continue;
          const Point aim = hold.At(d, d);
          misses[j][k] = Point{p.yCm - aim.yCm, p.zCm - aim.zCm};
        }
        Advance(progress, 1);
      });
      if (Cancelled(progress)) return;
    }
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k].alone[e] = Integrate(s, misses, k);
  }
}

}  // namespace hitprob
