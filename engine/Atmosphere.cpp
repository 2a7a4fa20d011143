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

TAirState SiteAir::At(double heightM) const {
  if (noGradient_) return flat_;
  const double t =
      heightM > kTropopauseM ? t0_ - kTropopauseDropK : t0_ - kTemperatureGradient * heightM;
  return {t, std::pow(t / t0_, kDensityExponent) * densityFactor_ / t,
          std::sqrt(kStandardTemperatureK / t)};
}

void SiteAir::Center(double heightM) {
  centerY_ = heightM;
  center_ = At(heightM);
  centerUPerM_ = kTemperatureGradient / center_.temperatureK;
}

TAirState SiteAir::Near(double heightM) const {
  if (noGradient_) return flat_;
  const bool above = heightM > kTropopauseM;
  if (above != (centerY_ > kTropopauseM)) return At(heightM);
  if (above) return center_;  // constant above the tropopause
  const double u = centerUPerM_ * (heightM - centerY_);
  // Six terms keep the error below 1e-17 while |u| stays under 1e-3 (some 40 m of height).
  if (std::fabs(u) > 1e-3) return At(heightM);
  double d = densityTerms_[kTerms - 1], s = scaleTerms_[kTerms - 1];
  for (int k = kTerms - 2; k >= 0; --k) {
    d = d * u + densityTerms_[k];
    s = s * u + scaleTerms_[k];
  }
  return {center_.temperatureK * (1 - u), center_.density * d, center_.speedScale * s};
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
