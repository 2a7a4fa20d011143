#include "core/RoundTo.h"

#include <cmath>

double RoundTo(double value, int n) {
  const double b = std::pow(10.0, n);
  const double h = 0.5 / b;
  const double x = std::fabs(value);
  const double up = std::ceil(x * b) / b;
  double r = (x + h >= up) ? up : up - 2.0 * h;
  if (std::fabs(r) <= 1e-12) return 0.0;
  return value < 0 ? -r : r;
}

double RoundHalfUp(double value, int n) {
  const double step = std::pow(10.0, -n);
  const double up = std::ceil(value * std::pow(10.0, n)) * step;
  return value + 0.5 * step >= up ? up : up - step;
}
