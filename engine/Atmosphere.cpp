#include "engine/Atmosphere.h"

#include <cmath>

double IcaoTemperature(double siteTemperatureK, double heightM, bool noIcaoGradient) {
  if (noIcaoGradient) return siteTemperatureK;
  if (heightM > kTropopauseM) return siteTemperatureK - kTropopauseDropK;
  return siteTemperatureK - kTemperatureGradient * heightM;
}

double HumidityFactor(double siteTemperatureK, double humidityPct) {
  return 1.0 - 8.99e-14 * humidityPct * std::exp(0.06995 * siteTemperatureK);
}

TAirState AirStateAt(const TShotInputs& in, double heightM) {
  const double t0 = in.temperatureK;
  const double t = IcaoTemperature(t0, heightM, in.noIcaoGradient);
  const double density = std::pow(t / t0, kDensityExponent) * in.pressurePa * kInverseGasConstant /
                         t * HumidityFactor(t0, in.humidityPct);
  return {t, density, std::sqrt(kStandardTemperatureK / t)};
}

double PressureFromAltitude(double siteTemperatureK, double altitudeM) {
  return kSeaLevelPressureHpa *
         std::pow(siteTemperatureK / (siteTemperatureK + kTemperatureGradient * altitudeM),
                  kAltitudeExponent);
}

double DensityAtSite(double pressurePa, double siteTemperatureK) {
  return pressurePa * kInverseGasConstant / siteTemperatureK;
}

SiteAir::SiteAir(const TShotInputs& in)
    : t0_(in.temperatureK),
      noGradient_(in.noIcaoGradient),
      densityFactor_(in.pressurePa * kInverseGasConstant *
                     HumidityFactor(in.temperatureK, in.humidityPct)),
      flat_(AirStateAt(in, 0.0)) {
  // (1 - u)^q = sum of binom(q, k) (-u)^k; density goes with q = exponent - 1 (the 1/T),
  // the speed scale with q = -1/2.
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

TIcaoAir IcaoAirAtAltitude(double temperatureC, double pressureHpa, double measuredAtM,
                           double wantedAtM) {
  const double t0 = temperatureC + 273.15;
  const double seaT = t0 + kTemperatureGradient * measuredAtM;
  const double seaP = pressureHpa / std::pow(t0 / seaT, kAltitudeExponent);
  auto pressureAt = [&](double heightM) {
    return seaP * std::pow(IcaoTemperature(seaT, heightM, false) / seaT, kDensityExponent);
  };
  const double t1 = IcaoTemperature(seaT, wantedAtM, false);
  double p1 = pressureAt(wantedAtM);
  if (wantedAtM > kTropopauseM) {
    const double t11 = IcaoTemperature(seaT, kTropopauseM, false);
    p1 = pressureAt(kTropopauseM) *
         std::exp(-kGravityOverGasConstant * (wantedAtM - kTropopauseM) / t11);
  }
  return {t1, p1, 100 * p1 / (kGasConstant * t1), std::sqrt(kGammaGasConstant * t1)};
}
