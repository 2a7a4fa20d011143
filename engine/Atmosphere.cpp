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
                     HumidityFactor(in.temperatureK, in.humidityPct)) {
  const TAirState flat = AirStateAt(in, 0.0);
  flatState_[0] = flat.temperatureK;
  flatState_[1] = flat.density;
  flatState_[2] = flat.speedScale;
}

TAirState SiteAir::At(double heightM) const {
  if (noGradient_) return {flatState_[0], flatState_[1], flatState_[2]};
  const double t =
      heightM > kTropopauseM ? t0_ - kTropopauseDropK : t0_ - kTemperatureGradient * heightM;
  return {t, std::pow(t / t0_, kDensityExponent) * densityFactor_ / t,
          std::sqrt(kStandardTemperatureK / t)};
}
