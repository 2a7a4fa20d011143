#include "engine/Rotation.h"

#include <cmath>

#include "core/NumberText.h"

namespace {

constexpr double kPi = 3.14159;
constexpr double kQuarterPi = 0.7853975;

struct Slopes {
  double lift, moment;
};

// Normal-force and overturning-moment slopes at Mach M, lengths in calibres.
class SlopeModel {
 public:
  SlopeModel(const TShotInputs& in, double cgFromTipCal)
      : L0(in.lengthCal), L2(in.noseLengthCal), L3(in.tailLengthCal), q(in.baseDiameterCal) {
    const double D3 = in.meplatDiameterCal;
    Le = (L2 + L2 / (1 - D3)) / 2;
    La = L0 - L2;
    G = cgFromTipCal + Le - L2;
  }

  // The body lift factor Y below the speed of sound; for a short afterbody it is frozen
  // above Mach 0.95 at the value of the last grid speed below.
  double SubsonicY(double M) {
    const double y = 0.22 * M * M / std::sqrt(1 - M * M);
    if (La < 1.5) {
      if (M <= 0.95)
        frozenY_ = y;
      else
        return frozenY_;
    }
    return y;
  }

  Slopes At(double M) {
    const double beta = std::sqrt(std::fabs(M * M - 1));
    const double O = std::sqrt(std::fabs(M * M - 0.9025));

    double P;
    if (M > 1.19) {
      P = 0.921 * beta / Le + 1.974;
    } else {
      const double U = M * M / Le;
      P = 0.856 * U - 0.044 * La + 1.963;
      if (U > 0.25) P = La * (0.43 * U - 0.1515) + 2.202 - 0.1 * U;
      if (U > 0.35) P = (0.104 - 0.3 * U) * La + 0.573 * U + 1.9665;
      if (U > 0.4) P = (0.12 * U - 0.064) * La - 0.227 * U + 2.2865;
    }

    const double K = 0.05666043401892458, e = 3.2439;
    const double q2 = 1 - q * q;
    double Q;
    if (M <= 0.951) {
      if (O != 0 && L3 / O <= 3)
        Q = (2 - K * std::pow(3 - L3 / O, e)) * q2;
      else
        Q = (2 - K * std::pow(0.1, e)) * q2;
      if (L3 >= 0.48) {
        Q = (71.14601 * L3 + (15.083 * L3 * L3 + 3.115 - 21.106 * L3) * O - 47.3 * L3 * L3 -
             18.303) *
            std::pow(q, 0.75) * (1 - std::pow(q, 0.75));
      }
    } else {
      if (L3 / O <= 3)
        Q = (2 - K * std::pow(3 - L3 / O, e)) * q2;
      else
        Q = (2 - K * std::pow(3.2, e)) * q2;
    }
    auto cone = [&] {
      const double s = 0.25 / beta + 0.34;
      if (L3 >= s) {
        const double t = 1 - s * (1 - q) / L3;
        Q = (1 - t * t) * Q / q2;
      }
    };
    if (M > 0.951 && M <= 1.01) {
      Q = (0.5 * M + 0.41) * Q;
    } else if (M > 1.01 && M <= 1.4) {
      Q = (0.5 * M + 0.41) * Q;
      cone();
    } else if (M > 1.4 && M <= 2) {
      Q = (1.3662 - 0.1833 * M) * Q;
      cone();
    } else if (M > 2) {
      cone();
    }
    const double A = P - Q;

    double Rn;
    if (M < 1.01) {
      Rn = (1.12 - 0.233 * beta) * Le + 1.1 * beta + 0.14;
      if (beta > 0.3) Rn = Le * (1.304 - 0.846 * beta) + 2.286 * beta - 0.216;
      if (beta > 0.65) Rn = (1.304 - 0.846 * beta) * Le + 0.5 * beta + 0.945;
    } else {
      Rn = (0.82 - 0.15 * beta) * Le + 1.7 * beta + 0.3;
      if (beta < 1) Rn = Le * (2.045 - 1.375 * beta) + 4.575 * beta - 2.575;
      if (beta < 0.6) Rn = (0.166 * beta + 1.12) * Le + 0.05 * beta + 0.14;
    }

    double S = M == 1 ? 0.5 * L3 : L3 * (0.66 - 0.041 * L3 / beta);
    S = S + Le + La - L3;

    const double xp = (Rn - S * Q) / A;
    const double W = M < 0.951 ? 0.163 * M + 0.73 : (M == 1 ? 0.84 : 0.82);
    const double moment = A * (G - xp) * W;

    double X = M <= 1 ? 0.038 * M + 0.96 : (M > 1.11 ? 1.09 - 0.057 * M : 1.0);
    if (La < 1.5) X = X - 0.12 * (1.5 - La) * (1.5 - La);
    const double Y = M < 1 ? SubsonicY(M) : 0.431 / M - 0.1;
    const double lift = A * ((L3 / q) * (L3 / q) * Y + X);
    return {lift, moment};
  }

 private:
  double L0, L2, L3, q;
  double Le, La, G;
  double frozenY_ = 0;
};

}  // namespace

void ComputeRotation(const TShotInputs& in, TRotation& out) {
  const double m = in.massKg, d = in.diameterM;
  const double R = d / 2, l = in.lengthCal * d, Ln = in.noseLengthCal * d;
  const double Lt = in.tailLengthCal * d, Lc = l - Ln - Lt;
  const double rm = in.meplatDiameterCal * R, rb = in.baseDiameterCal * R;

  const double Vn = kPi * Ln * (R * R + R * rm + rm * rm) / 3;
  const double Vt = kPi * Lt * (R * R + R * rb + rb * rb) / 3;
  const double Vc = kPi * R * R * Lc;
  const double rho = m / (Vn + Vt + Vc);
  const double mn = rho * Vn, mt = rho * Vt, mc = rho * Vc;

  auto frustumAxial = [&](double L, double r) {
    return kPi * rho * L *
           (std::pow(R, 4) + std::pow(R, 3) * r + R * R * r * r + R * std::pow(r, 3) +
            std::pow(r, 4)) /
           10;
  };
  const double In = frustumAxial(Ln, rm), It = frustumAxial(Lt, rb);
  const double Ic = kPi * rho * Lc * std::pow(R, 4) / 2;
  const double Ix = In + It + Ic;

  const double xn =
      Ln == 0 ? 0 : Ln * (3 * R * R + 2 * R * rm + rm * rm) / (4 * (R * R + R * rm + rm * rm));
  const double xt =
      Lt == 0 ? 0 : Lt * (3 * rb * rb + 2 * R * rb + R * R) / (4 * (R * R + R * rb + rb * rb));
  const double xg = (mc * (Ln + Lc / 2) + mn * xn + mt * (l - Lt + xt)) / m;

  const double Jn = (R * rm / 2 + rm * rm / 6 + R * R) * 0.2 * kPi * rho * std::pow(Ln, 3) + In / 2;
  const double Jt = (R * rb / 2 + R * R / 6 + rb * rb) * 0.2 * kPi * rho * std::pow(Lt, 3) + It / 2;
  const double noseTerm = Ln == 0 ? 0 : Jn - mn * xn * xn + mn * (xg - xn) * (xg - xn);
  const double tailTerm =
      Lt == 0 ? 0 : Jt - mt * xt * xt + mt * (l - Lt + xt - xg) * (l - Lt + xt - xg);
  const double cylTerm =
      mc * (Lc * Lc + 3 * R * R) / 12 + mc * (Ln + Lc / 2 - xg) * (Ln + Lc / 2 - xg);
  const double Iy = noseTerm + tailTerm + cylTerm;

  out.active = true;
  out.projectileDensity = rho;
  out.axialInertia = Ix;
  out.transverseInertia = Iy;
  out.cgFromTipCal = xg / d;
  out.lengthM = l;
  out.muzzleSpin = kTwoPi * in.muzzleVelocity / in.twistM;
  out.spinDecayPerS = 0.45 * d * d * d * l / Ix;
  out.rotationalEnergyJ = 0.5 * Ix * out.muzzleSpin * out.muzzleSpin;

  SlopeModel model(in, out.cgFromTipCal);
  for (int j = 0; j <= kDragGridMax; ++j) {
    const Slopes s = model.At(0.0029385 * j);
    out.liftSlope[j] = s.lift;
    out.momentSlope[j] = s.moment;
  }
  // Across the speed of sound the moment estimate is unreliable: bridge it with a line.
  const double m310 = out.momentSlope[310], m410 = out.momentSlope[410];
  const double slope = (m410 - m310) / 100;
  for (int j = 310; j <= 410; ++j) out.momentSlope[j] = m310 + slope * (j - 310);
  for (int j = 0; j <= kDragGridMax; ++j) {
    out.liftPerMoment[j] = out.momentSlope[j] == 0 ? 0 : out.liftSlope[j] / out.momentSlope[j];
  }

  const double v0 = in.muzzleVelocity;
  int j0 = static_cast<int>(v0);
  if (j0 > kDragGridMax) j0 = kDragGridMax;
  const double cm = out.momentSlope[j0];
  if (cm > 0) {
    const double d3 = d * d * d;
    out.stabilityFactor =
        Ix * Ix * out.muzzleSpin * out.muzzleSpin / (2.45 * kQuarterPi * d3 * Iy * v0 * v0 * cm);
    const double ps = std::sqrt(3.675 * kQuarterPi * d3 * Iy * v0 * v0 * cm) / Ix;
    out.maxTwistCm = 628.318 * v0 / ps;
  } else {
    out.stabilityFactor = NAN;
    out.maxTwistCm = NAN;
  }
}

std::vector<std::string> RotationReport(const TRotation& r) {
  std::vector<std::string> lines;
  lines.push_back(
      Sprintf("  Průměrná hustota střely:                      %9.1f  kg/m3", r.projectileDensity));
  lines.push_back(
      Sprintf("  Podélný moment setrvačnosti:              %9.2e  kg.m2", r.axialInertia));
  lines.push_back(
      Sprintf("  Příčný moment setrvačnosti:                %9.2e  kg.m2", r.transverseInertia));
  lines.push_back(Sprintf("  Vzdálenost těžiště od špice:             %9.2f  kal", r.cgFromTipCal));
  if (std::isfinite(r.stabilityFactor)) {
    lines.push_back(Sprintf("  Statický stabilizační faktor Sg pro v0:%7.2f  ", r.stabilityFactor));
    lines.push_back(Sprintf("  Maximální stoupání (pro Sg = 1.5):    %9.2f  cm", r.maxTwistCm));
    lines.push_back(Sprintf("  Maximální stoupání (pro Sg = 1.5):    %9.2f  in",
                            r.maxTwistCm * 0.39370078740157477));
  } else {
    // Without a positive overturning moment the stability has no real value.
    lines.push_back(
        "  Statický stabilizační faktor Sg pro v0: nelze určit, klopivý moment střely není kladný");
    lines.push_back("  Maximální stoupání (pro Sg = 1.5):     nelze určit");
  }
  lines.push_back(Sprintf("  Počáteční rotační energie střely:     %9.1f  J", r.rotationalEnergyJ));
  lines.push_back(
      Sprintf("  Počáteční rotace střely:                   %9.0f  ot/s", r.muzzleSpin / kTwoPi));
  return lines;
}

std::string FinalSpinLine(double spinRadPerS) {
  return Sprintf("  Koncová rotace střely:                     %9.0f  ot/s", spinRadPerS / kTwoPi);
}

double MaxTwistInches(TwistRule rule, double diameterMm, double lengthMm, double velocityMps) {
  const double d = diameterMm * 0.03937007874015748;
  const double L = lengthMm * 0.03937007874015748;
  const double v = velocityMps * 3.28;
  switch (rule) {
    case TwistRule::Greenhill: {
      // The constant grows at 1500 and 2800 ft/s (457 and 853 m/s).
      double c = 120;
      if (velocityMps > 457) c = 150;
      if (velocityMps > 853) c = 180;
      return c * d * d / L;
    }
    case TwistRule::Sierra:
      return 0.06 * v * d * d / L;
    case TwistRule::CharlieDell:
      return 3.5 * std::sqrt(v) * d * d / L;
  }
  return 0;
}

std::vector<std::string> TwistReport(double twistInches) {
  return {"  ", Sprintf("  Maximální délka stoupání:    %6.1f  in.", twistInches),
          Sprintf("  Maximální délka stoupání:    %6.1f  cm", twistInches * 2.54)};
}
