#include "core/RoundTo.h"

#include <cmath>

namespace {
// 10^n as the nearest double on every system. The C libraries' pow need not give it (on
// Windows pow(10, -2) misses by the last bit), and that bit decides a tie.
double Pow10(int n) {
  static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (n >= 0 && n <= 22) return kExact[n];
  if (n < 0 && n >= -22) return 1.0 / kExact[-n];
  return std::pow(10.0, n);
}
}  // namespace

double RoundTo(double value, int n) {
  const double b = Pow10(n);
  const double h = 0.5 / b;
  const double x = std::fabs(value);
  const double up = std::ceil(x * b) / b;
  double r = (x + h >= up) ? up : up - 2.0 * h;
  if (std::fabs(r) <= 1e-12) return 0.0;
  return value < 0 ? -r : r;
}

double RoundHalfUp(double value, int n) {
  const double step = Pow10(-n);
  const double up = std::ceil(value * Pow10(n)) * step;
  return value + 0.5 * step >= up ? up : up - step;
}
