#include "solvers/CoefficientSearch.h"

#include <cmath>
#include <optional>
#include <string>

#include "core/Abort.h"

namespace {

constexpr int kLastIteration = 20;
constexpr double kMinCoefficient = 0.001;
constexpr double kMaxCoefficient = 20;

void CheckCoefficient(double bc) {
  if (bc <= kMinCoefficient) ShowMessageAbort("Balistický koeficient menší než 0.001");
  if (bc > kMaxCoefficient) ShowMessageAbort("Balistický koeficient větší než 20");
}

// Relative miss of a computed height, or the miss in metres where the computed height is
// exactly 0 and a relative one is undefined.
double Miss(double measuredM, double computedM) {
  return computedM == 0 ? measuredM - computedM : (measuredM - computedM) / computedM;
}

// Sensitivity of a height to a relative change of a value, on the same scale as its miss.
double Sensitivity(double probeM, double computedM, double change, double value) {
  const double perValue = (probeM - computedM) / change * value;
  return computedM == 0 ? perValue : perValue / computedM;
}

struct Heights {
  double h1, h2;
};

}  // namespace

double MeasurementLaunchAngleDeg(double distanceM) {
  if (distanceM > 600) return 0.6;
  if (distanceM > 300) return 0.4;
  return 0.1;
}

CoefficientSearchResult CoefficientFromVelocity(Computation& c, double speedMps,
                                                const IntegrationHooks& hooks) {
  TShotInputs& in = c.in;
  CoefficientSearchResult result;
  in.launchAngleDeg = MeasurementLaunchAngleDeg(in.zeroDistanceM);
  // The speed grows with the coefficient: the largest one tried that was too slow (or whose
  // run never reached the distance) and the smallest one that was too fast hold the answer.
  double slow = 0, fast = 0;
  std::string stepLimit;
  auto speedAt = [&](double bc) -> std::optional<double> {
    in.ballisticCoefficient = bc;
    ++result.runs;
    try {
      IntegrateTrajectory(c, TIntegrationMode::VelocityAtDistance, hooks);
    } catch (const ActionAborted& aborted) {
      stepLimit = aborted.Text();
      slow = std::fmax(slow, bc);
      return std::nullopt;
    }
    const double v = c.results.speedAtDistance;
    if (v > speedMps) {
      fast = fast == 0 ? bc : std::fmin(fast, bc);
    } else {
      slow = std::fmax(slow, bc);
    }
    return v;
  };
  auto matches = [&](std::optional<double> v) {
    return v && *v / speedMps > 0.999 && *v / speedMps < 1.001;
  };
  auto found = [&](double bc) {
    in.ballisticCoefficient = bc;
    CheckCoefficient(bc);
    result.ballisticCoefficient = bc;
    result.launchAngleDeg = in.launchAngleDeg;
    return result;
  };

  // The secant search, which converges from most start values.
  for (int k = 0; k <= kLastIteration; ++k) {
    result.iterations = k + 1;
    const double b1 = in.ballisticCoefficient;
    const auto v1 = speedAt(b1);
    if (!v1) break;
    if (matches(v1)) return found(b1);
    double r = *v1 / speedMps;
    if (r > 10) r = 10;
    if (r > 0.95 && r < 1.05) r = r >= 1 ? 1.05 : 0.95;
    const double b2 = b1 / r;
    const auto v2 = speedAt(b2);
    if (!v2) break;
    double s = (*v1 - *v2) / (b1 - b2);
    const double q = *v1 - s * b1;
    if (s == 0) s = 0.1;
    double bc = (speedMps - q) / s;
    if (!std::isfinite(bc)) break;
    if (bc <= kMinCoefficient) bc = kMinCoefficient;
    if (bc >= kMaxCoefficient) bc = 10;
    in.ballisticCoefficient = bc;
    if (slow > 0 && fast > 0 && !(bc > slow && bc < fast)) break;
  }

  // Where a run fell short or a step left the bracket: halve the bracket (on a logarithmic
  // scale) after closing it with the allowed ends, until the speed matches.
  constexpr const char* kNoCoefficient =
      "Žádný balistický koeficient od 0.001 do 20 nedává požadovanou rychlost.";
  if (fast == 0) {
    const auto v = speedAt(kMaxCoefficient);
    if (!v) ShowMessageAbort(stepLimit);  // no coefficient reaches the distance at all
    if (matches(v)) return found(kMaxCoefficient);
    if (*v < speedMps) ShowMessageAbort(kNoCoefficient);
  }
  if (slow == 0) {
    const double knownFast = fast;
    const auto v = speedAt(kMinCoefficient);
    if (v && *v > speedMps && !matches(v)) ShowMessageAbort(kNoCoefficient);
    slow = kMinCoefficient;  // not allowed itself: the answer lies above it
    fast = knownFast;
  }
  while (fast / slow > 1 + 1e-12) {
    const double bc = std::sqrt(slow * fast);
    if (matches(speedAt(bc))) return found(bc);
  }
  ShowMessageAbort(kNoCoefficient);  // the speed jumps over the wanted one
}

CoefficientSearchResult CoefficientFromDrop(Computation& c, double distance1M, double height1M,
                                            double distance2M, double height2M,
                                            const IntegrationHooks& hooks) {
  TShotInputs& in = c.in;
  CoefficientSearchResult result;
  // The run marks the first distance as taken; every run starts from both distances.
  auto heights = [&]() {
    c.results.dropDistance1M = distance1M;
    c.results.dropDistance2M = distance2M;
    IntegrateTrajectory(c, TIntegrationMode::DropAtTwoDistances, hooks);
    c.results.dropDistance1M = distance1M;
    ++result.runs;
    return Heights{c.results.dropAtDistance1M, c.results.dropAtDistance2M};
  };
  in.launchAngleDeg = MeasurementLaunchAngleDeg(distance2M);
  for (int k = 0; k <= kLastIteration; ++k) {
    result.iterations = k + 1;
    const Heights P = heights();
    const double e1 = Miss(height1M, P.h1), e2 = Miss(height2M, P.h2);
    if (std::fabs(e1) < 0.002 && std::fabs(e2) < 0.002) break;

    // A zero angle, or a height that does not move, leaves the Newton step undefined: the
    // search then keeps the estimate of this iteration rather than carry a NaN into a run.
    const double theta0 = in.launchAngleDeg;
    if (theta0 == 0) break;
    in.launchAngleDeg = theta0 * 1.1;
    const Heights pa = heights();
    const double a1 = Sensitivity(pa.h1, P.h1, in.launchAngleDeg - theta0, theta0);
    const double a2 = Sensitivity(pa.h2, P.h2, in.launchAngleDeg - theta0, theta0);
    in.launchAngleDeg = theta0;

    const double b0 = in.ballisticCoefficient;
    in.ballisticCoefficient = b0 * 1.1;
    const Heights pc = heights();
    const double c1 = Sensitivity(pc.h1, P.h1, in.ballisticCoefficient - b0, b0);
    const double c2 = Sensitivity(pc.h2, P.h2, in.ballisticCoefficient - b0, b0);
    in.ballisticCoefficient = b0;

    if (a2 == 0) break;
    const double m = a1 / a2;
    const double denominator = c1 - m * c2;
    if (denominator == 0) break;
    const double dB = (e1 - m * e2) / denominator;
    const double dA = (e2 - c2 * dB) / a2;
    if (!std::isfinite(dA) || !std::isfinite(dB)) break;
    in.launchAngleDeg = theta0 * (1 + dA);
    double bc = b0 * (1 + dB);
    bc = std::fmin(std::fmax(bc, 0.5 * b0), 1.5 * b0);
    in.ballisticCoefficient = bc;
    CheckCoefficient(bc);
    if (in.launchAngleDeg > 5) ShowMessageAbort("Překročen maximální úhel výstřelu 5 stupňů");
    if (in.launchAngleDeg < 0) ShowMessageAbort("Úhel výstřelu menší než 0 stupňů");
  }
  result.ballisticCoefficient = in.ballisticCoefficient;
  result.launchAngleDeg = in.launchAngleDeg;
  return result;
}
