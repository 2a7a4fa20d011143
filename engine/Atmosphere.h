#pragma once
#include <cmath>

#include "engine/ShotInputs.h"

inline constexpr double kTemperatureGradient = 0.0065;  // K/m
inline constexpr double kTropopauseM = 11000;
inline constexpr double kTropopauseDropK = 71.5;
inline constexpr double kDensityExponent = 5.25826;
inline constexpr double kAltitudeExponent = 5.258;
inline constexpr double kSeaLevelPressureHpa = 1013.25;
inline constexpr double kInverseGasConstant = 0.0034837136387388954;  // 1/287.05
inline constexpr double kGasConstant = 287.05;
inline constexpr double kGammaGasConstant = 401.87;
inline constexpr double kStandardTemperatureK = 288.15;

struct TAirState {
  double temperatureK;
  double density;     // kg/m3
  double speedScale;  // air speed times this is the equivalent speed of the drag tables
};

double IcaoTemperature(double siteTemperatureK, double heightM, bool noIcaoGradient);
double HumidityFactor(double siteTemperatureK, double humidityPct);
TAirState AirStateAt(const TShotInputs& in, double heightM);
double PressureFromAltitude(double siteTemperatureK, double altitudeM);  // hPa
double DensityAtSite(double pressurePa, double siteTemperatureK);

// The site-only terms, computed once per trajectory; At() equals AirStateAt().
// Within one integration step the height changes by metres at most, so Center() evaluates
// the air once and Near() continues it with a short binomial series: the same values to
// the last bit or two, without a power function for every evaluation. Near() runs in every
// evaluation of a step, so it is defined here, where the integration loop can inline it.
class SiteAir {
 public:
  explicit SiteAir(const TShotInputs& in);
  TAirState At(double heightM) const {
    if (noGradient_) return flat_;
    const double t =
        heightM > kTropopauseM ? t0_ - kTropopauseDropK : t0_ - kTemperatureGradient * heightM;
    return {t, std::pow(t / t0_, kDensityExponent) * densityFactor_ / t,
            std::sqrt(kStandardTemperatureK / t)};
  }
  void Center(double heightM) {
    centerY_ = heightM;
    center_ = At(heightM);
    // Without a gradient the series stays at its first term, so Near() gives the flat air.
    centerUPerM_ = noGradient_ ? 0 : kTemperatureGradient / center_.temperatureK;
    series_ = noGradient_ || !(heightM > kTropopauseM);
  }
  // Near() at the height of the last Center(), to the bit.
  const TAirState& AtCenter() const { return center_; }
  TAirState Near(double heightM) const {
    // The common case first: both heights below the tropopause, or no gradient at all.
    if (series_ && !(heightM > kTropopauseM)) {
      const double u = centerUPerM_ * (heightM - centerY_);
      // Six terms keep the error below 1e-17 while |u| stays under 1e-3 (some 40 m of height).
      if (!(std::fabs(u) > 1e-3)) {
        double d = densityTerms_[kTerms - 1], s = scaleTerms_[kTerms - 1];
        for (int k = kTerms - 2; k >= 0; --k) {
          d = d * u + densityTerms_[k];
          s = s * u + scaleTerms_[k];
        }
        return {center_.temperatureK * (1 - u), center_.density * d, center_.speedScale * s};
      }
    }
    return NearOtherwise(heightM);
  }

 private:
  [[gnu::noinline]] TAirState NearOtherwise(double heightM) const {
    if (noGradient_) return flat_;
    const bool above = heightM > kTropopauseM;
    if (above != (centerY_ > kTropopauseM)) return At(heightM);
    if (above) return center_;  // constant above the tropopause
    return At(heightM);         // too far from the centre for the series
  }

  static constexpr int kTerms = 6;
  double t0_;
  bool noGradient_;
  double densityFactor_;  // P0 / R * humidity factor
  TAirState flat_{};      // the state when the temperature does not change with height
  double densityTerms_[kTerms]{}, scaleTerms_[kTerms]{};
  double centerY_ = 0, centerUPerM_ = 0;
  bool series_ = false;  // Near() may continue the centre with the series
  TAirState center_{};
};

// Air at one altitude from the temperature and pressure measured at another (the ICAO
// calculator). Above the tropopause the temperature stays constant and the pressure falls
// exponentially, as in the standard atmosphere's isothermal layer.
struct TIcaoAir {
  double temperatureK;
  double pressureHpa;
  double density;  // kg/m3
  double speedOfSoundMps;
};
inline constexpr double kGravityOverGasConstant = 0.0341632;  // 9.80665 / 287.053, K/m
TIcaoAir IcaoAirAtAltitude(double temperatureC, double pressureHpa, double measuredAtM,
                           double wantedAtM);
