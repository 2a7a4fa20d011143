// Cases where a single wrong operator in the engine changes a number: each force term at one
// state against its formula, and the stops and rows that fall exactly on their limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

#include "engine/RangeTable.h"
#include "engine_support.h"

namespace {

using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec Minus(const TAccelerationResult& a, const TAccelerationResult& b) {
  return {a.ax - b.ax, a.ay - b.ay, a.az - b.az};
}

void ExpectSame(const Vec& actual, const Vec& expected, double relative, const char* term) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(actual[i], expected[i], relative * std::fabs(expected[i])) << term << ", component "
                                                                           << "xyz"[i];
  }
}

class ExactCasesTest : public enginetest::FloatingPointTraps {};

// Descending, drifting sideways, in a wind from three sides: no term vanishes.
TEST_F(ExactCasesTest, EachTermOfTheAccelerationFollowsItsFormula) {
  auto c = enginetest::StartComputation();
  TShotInputs& in = c->in;
  in.rangeWind = 2;
  in.verticalWind = 1;
  in.crossWind = -2;
  const double s[6] = {780, -20, 3, 500, 50, 0.1};
  const Vec v{s[0], s[1], s[2]};
  const Vec u{s[0] - 2, s[1] - 1, s[2] + 2};
  const double V = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
  const TAirState air = AirStateAt(in, s[4]);
  const double vs = air.speedScale * V;
  const double k = -kDragConstant / in.ballisticCoefficient * DragCoefficientAt(c->dragGrid, vs) *
                   air.density * V;

  const TAccelerationResult plain = AccelerationAt(*c, s, 0);
  ExpectSame({plain.ax, plain.ay, plain.az}, {k * u[0], k * u[1] - in.gravity, k * u[2]}, 1e-12,
             "drag and gravity");

  // -2 Omega x v, with the Earth's rotation (cos phi cos A, sin phi, -cos phi sin A) here.
  enginetest::EnableCoriolis(in, 50, 30);
  const double w = in.earthOmega, phi = in.latitudeRad, A = in.azimuthRad;
  const Vec omega{w * std::cos(phi) * std::cos(A), w * std::sin(phi),
                  -w * std::cos(phi) * std::sin(A)};
  const Vec cor = Cross(v, omega);
  ExpectSame(Minus(AccelerationAt(*c, s, 0), plain), {2 * cor[0], 2 * cor[1], 2 * cor[2]}, 1e-9,
             "Coriolis");
  in.coriolis = false;
  in.earthOmega = 0;  // as the input step leaves it without Coriolis

  // Lift L q (D x u), D the drag on the ground velocity plus a fixed 9.811 m/s2.
  for (const bool left : {false, true}) {
    enginetest::EnableSpinDrift(*c, left);
    const TRotation& r = c->rotation;
    const int j = std::min(DragGridIndex(vs), kDragGridMax);
    const double p = 0.9 * r.muzzleSpin, d = in.diameterM, rho = air.density;
    const double cl = (left ? -1 : 1) * r.liftSlope[j], cm = r.momentSlope[j];
    const double q = 2 * r.axialInertia * p / (rho * M_PI / 4 * d * d * d * std::pow(V, 4) * cm);
    const double L = rho * M_PI * d * d * cl / (8 * in.massKg) * V * V;
    const Vec e = Cross({k * v[0], k * v[1] - 9.811, k * v[2]}, u);
    ExpectSame(Minus(AccelerationAt(*c, s, p), plain), {L * q * e[0], L * q * e[1], L * q * e[2]},
               1e-9, left ? "spin drift, left twist" : "spin drift, right twist");
  }
}

// The first run finds a descending step; raising the sight line to it puts that step exactly
// on the Y limit (within the 0.05 mm shown as 0), and the second run must stop there.
TEST_F(ExactCasesTest, DescendingStepExactlyOnTheYLimitEndsTheRun) {
  auto c = enginetest::StartComputation();
  TShotInputs& in = c->in;
  in.launchAngleDeg = 0.3;
  in.autoStep = false;
  in.limitYM = 0;
  IntegrateTrajectory(*c, TIntegrationMode::Full);
  const int n = c->trajectory.stepCount - 5;
  ASSERT_LT(c->trajectory.vyMps[n], 0);
  in.sightHeightM += c->trajectory.yCm[n] / 100;
  IntegrateTrajectory(*c, TIntegrationMode::Full);
  EXPECT_EQ(c->trajectory.stepCount, n);
  EXPECT_EQ(c->trajectory.yCm[n], 0);
}

// 10 m a step; the zero distance of 110 m is the point of step 11 itself.
TEST(ExactRowsTest, PointOnTheZeroDistanceGivesTheWholeZeroRowOfThatPoint) {
  TTrajectory tr;
  TShotInputs in = enginetest::StartInputs();
  in.zeroDistanceM = 110;
  tr.stepCount = 20;
  for (int k = 0; k <= 20; ++k) {
    tr.xM[k] = 10.0 * k;
    tr.yCm[k] = -3.0 * k;
    tr.zCm[k] = 2.0 * k;
    tr.vxMps[k] = 800 - 2 * k;
    tr.timeS[k] = 0.01 * k;
  }
  const auto rows = RangeTableRows(tr, in);
  const auto zeroRow = std::find_if(rows.begin(), rows.end(),
                                    [](const std::string& r) { return r.starts_with(" 110"); });
  ASSERT_NE(zeroRow, rows.end());
  std::istringstream fields(*zeroRow);
  std::array<double, 8> f{};
  for (double& field : f) fields >> field;
  const double deg = 180 / M_PI, v = 778;
  const std::array<double, 8> expected{
      110, -33, (std::atan(0.33 / 110) * deg) / in.clickDeg, v, 0.5 * in.massKg * v * v,
      110, 22,  -(std::atan(0.22 / 110) * deg) / in.clickDeg};
  const std::array<double, 8> printed{0.5, 0.05, 0.05, 0.5, 0.5, 0.5, 0.05, 0.05};
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(f[i], expected[i], printed[i]) << "column " << i;
}

}  // namespace
