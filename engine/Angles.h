#pragma once
#include <cmath>

// The angle units of sights and reports, in radians.
inline constexpr double kDegToRad = M_PI / 180;
inline constexpr double kMoaRad = M_PI / 10800;  // one minute of angle
inline constexpr double kMradPerMoa = M_PI / 10.8;
