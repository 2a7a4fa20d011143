#include "solvers/FiringSolution.h"

#include <algorithm>
#include <cmath>

#include "core/Abort.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/Angles.h"
#include "engine/Atmosphere.h"
#include "engine/Integration.h"
#include "solvers/Incline.h"

namespace {

constexpr double kMphPerMps = 1 / 0.44704;
constexpr double kStandardDensity = 1.225;  // the air of the rotation report's stability factor
constexpr double kTransonicMach = 1.2;
constexpr double kMaxDangerExtensionM = 1000;
constexpr const char* kStepLimit = "Dosaženo maximálního počtu kroků";

// The trajectory where it reaches the target's horizontal distance.
struct TAtTarget {
  double upRad = 0, rightRad = 0;  // seen from the sight, from the line of sight
  double yCm = 0, timeS = 0, vx = 0, vy = 0, vz = 0, crossWind = 0;
};

TAtTarget MeasureAtTarget(const TTrajectory& tr, double levelM, double siteRad, double slantM) {
  // Interpolated here rather than by LinearInterp, whose remembered slope the range table uses.
  const int n = tr.stepCount;
  const double f = (levelM - tr.xM[n - 1]) / (tr.xM[n] - tr.xM[n - 1]);
  auto at = [&](const std::vector<double>& a) { return a[n - 1] + f * (a[n] - a[n - 1]); };
  TAtTarget m;
  m.yCm = at(tr.yCm);
  m.upRad = std::atan(0.01 * m.yCm / levelM) - siteRad;
  m.rightRad = std::atan(0.01 * at(tr.zCm) / slantM);
  m.timeS = at(tr.timeS);
  m.vx = at(tr.vxMps);
  m.vy = at(tr.vyMps);
  m.vz = at(tr.vzMps);
  m.crossWind = at(tr.crossWindMps);
  return m;
}

double Mach(const TShotInputs& in, double vx, double vy, double vz, double crossWind, double yCm) {
  const double ux = vx - in.rangeWind, uy = vy - in.verticalWind, uz = vz - crossWind;
  const double t = IcaoTemperature(in.temperatureK, yCm / 100 + in.sightHeightM, in.noIcaoGradient);
  return std::sqrt(ux * ux + uy * uy + uz * uz) / std::sqrt(kGammaGasConstant * t);
}

// The cumulative impact as parts are added; every part is the difference it makes, so the parts
// add up to the total in centimetres and in angle alike.
class Accumulator {
 public:
  Accumulator(double slantM, std::vector<TSolutionPart>& parts)
      : cm_(100 * slantM), parts_(parts) {}
  const TSolutionPart& Now() const { return now_; }
  // The impact with the part added, as angles or in centimetres; the part is what it moved.
  void ToAngles(TPart part, double upRad, double rightRad) {
    Add(part, {part, cm_ * std::tan(upRad), cm_ * std::tan(rightRad), upRad, rightRad});
  }
  void ToCm(TPart part, double upCm, double rightCm) {
    Add(part, {part, upCm, rightCm, std::atan(upCm / cm_), std::atan(rightCm / cm_)});
  }

 private:
  void Add(TPart part, const TSolutionPart& next) {
    parts_.push_back({part, next.upCm - now_.upCm, next.rightCm - now_.rightCm,
                      next.upRad - now_.upRad, next.rightRad - now_.rightRad});
    now_ = next;
  }
  double cm_;  // centimetres at the target per unit of tangent
  std::vector<TSolutionPart>& parts_;
  TSolutionPart now_;
};

// Litz's regression of the vertical jump per mph of crosswind, MOA.
double JumpMoaPerMph(double sg, double lengthCal) {
  return 0.01 * sg - 0.0024 * lengthCal + 0.032;
}

bool HasWind(const TShotInputs& in) {
  return in.crossWindMode == 1 || in.crossWind != 0 || in.rangeWind != 0 || in.verticalWind != 0;
}

// The danger space in horizontal metres: where the trajectory, turned about the sight so that it
// passes through the target (to small angles), stays within half the target's height of the line
// of sight, measured vertically.
struct TDanger {
  double nearM = 0, farM = 0;
  bool farOpen = true;  // still within the band at the last point computed
};

TDanger DangerSpace(const TTrajectory& tr, int targetIndex, double levelM, double riseM,
                    double targetYCm, double halfM) {
  const double missAtTarget = targetYCm / 100 - riseM;
  auto aimed = [&](int k) {
    return tr.yCm[k] / 100 - tr.xM[k] * riseM / levelM - tr.xM[k] / levelM * missAtTarget;
  };
  // Where the band's edge lies between point a (outside it) and its neighbour b.
  auto edge = [&](int a, int b) {
    const double fa = aimed(a), fb = aimed(b);
    const double bound = fa > 0 ? halfM : -halfM;
    return tr.xM[a] + (bound - fa) / (fb - fa) * (tr.xM[b] - tr.xM[a]);
  };
  TDanger d;
  for (int k = targetIndex - 1; k >= 0; --k) {
    if (std::fabs(aimed(k)) > halfM) {
      d.nearM = edge(k, k + 1);
      break;
    }
  }
  d.farM = tr.xM[tr.stepCount];
  for (int k = targetIndex; k <= tr.stepCount; ++k) {
    if (std::fabs(aimed(k)) > halfM) {
      d.farM = edge(k, k - 1);
      d.farOpen = false;
      break;
    }
  }
  d.nearM = std::min(d.nearM, levelM);
  d.farM = std::max(d.farM, levelM);
  return d;
}

// "+1.2", "-1.2", or "0.0" for what rounds to nothing: no sign suggests a direction it has not.
std::string Signed(double value, int decimals) {
  if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) return Sprintf("%.*f", decimals, 0.0);
  return Sprintf("%+.*f", decimals, value);
}

std::string Padded(const std::string& text, size_t width) {
  const size_t n = Utf8Length(text);
  return n >= width ? text : text + std::string(width - n, ' ');
}

std::string Clicks(long n) {
  const long a = std::labs(n);
  const char* word = a == 1 ? "klik" : (a >= 2 && a <= 4) ? "kliky" : "kliků";
  return Sprintf("%ld %s", a, word);
}

const char* PartName(TPart p) {
  switch (p) {
    case TPart::Drop:
      return "pokles";
    case TPart::Slope:
      return "sklon";
    case TPart::Wind:
      return "vítr";
    case TPart::SpinDrift:
      return "derivace";
    case TPart::Coriolis:
      return "Coriolis";
    case TPart::Jump:
      return "aerodynamický skok";
    case TPart::Cant:
      return "náklon zbraně";
    case TPart::Lead:
      return "předstih";
  }
  return "";
}

constexpr size_t kNameWidth = 28;
constexpr const char* kColumns = "%9s %8s %11s %10s %10s";
constexpr int kRuleWidth = kNameWidth + 52;

// One row of an axis: the impact in cm, then the correction in whole clicks with what they leave,
// in MOA and in mrad.
std::string PartRow(const std::string& name, double cm, double rad, const TShotInputs& in,
                    double slantM) {
  const double clickRad = in.clickDeg * kDegToRad;
  const double correction = -rad;
  const long whole = std::lround(correction / clickRad);
  const double left = cm + whole * 100 * slantM * std::tan(clickRad);
  const std::string clicks = whole == 0 ? "0" : Sprintf("%+ld", whole);
  return "  " + Padded(name, kNameWidth) +
         Sprintf(kColumns, Signed(cm, 1).c_str(), clicks.c_str(), Signed(left, 1).c_str(),
                 Signed(correction / kMoaRad, 2).c_str(), Signed(correction * 1000, 3).c_str());
}

void AddAxis(std::vector<std::string>& lines, bool up, const TFiringSolution& s,
             const TFiringTarget& t, const TShotInputs& in) {
  lines.push_back("  " + Padded(up ? "Výška" : "Strana", kNameWidth) +
                  Sprintf(kColumns, "cm", "kliky", "zbytek cm", "MOA", "mrad"));
  lines.push_back("  " + std::string(kRuleWidth, '-'));
  for (const TSolutionPart& p : s.parts) {
    if (up ? p.part == TPart::Lead
           : (p.part == TPart::Drop || p.part == TPart::Slope || p.part == TPart::Jump))
      continue;
    std::string name = PartName(p.part);
    if (p.part == TPart::Drop) name += Sprintf(" (vodorovně %.0f m)", s.levelDistanceM);
    lines.push_back(
        PartRow(name, up ? p.upCm : p.rightCm, up ? p.upRad : p.rightRad, in, t.distanceM));
  }
  if (up && s.jumpSg == 0)
    lines.push_back("  " + Padded(PartName(TPart::Jump), kNameWidth) + "nepočítán (níže)");
  lines.push_back("  " + std::string(kRuleWidth, '-'));
  lines.push_back(PartRow("celkem", up ? s.total.upCm : s.total.rightCm,
                          up ? s.total.upRad : s.total.rightRad, in, t.distanceM));
  lines.push_back("  ");
}

}  // namespace

double AerodynamicJumpMoa(double sg, double lengthCal, double crossWindMps, bool twistLeft) {
  // A right twist jumps up in a wind from the right (Litz).
  const double fromRightMph = -crossWindMps * kMphPerMps;
  return (twistLeft ? -1 : 1) * JumpMoaPerMph(sg, lengthCal) * fromRightMph;
}

void CheckFiringTarget(const TFiringTarget& t) {
  if (t.distanceM <= 0) ShowMessageAbort("Vzdálenost cíle menší nebo rovna nule.");
  if (!(std::fabs(t.slopeDeg) < 90))
    ShowMessageAbort("Sklon záměrné mimo rozsah -90 až 90 stupňů.");
  if (!(std::fabs(t.cantDeg) < 90)) ShowMessageAbort("Náklon zbraně mimo rozsah -90 až 90 stupňů.");
  if (t.speedMps < 0) ShowMessageAbort("Rychlost cíle menší než nula.");
  if (t.crossingDeg < 0 || t.crossingDeg > 180)
    ShowMessageAbort("Úhel pohybu cíle mimo rozsah 0 až 180 stupňů.");
  if (t.heightCm <= 0) ShowMessageAbort("Výška cíle menší nebo rovna nule.");
}

TFiringSolution SolveFiring(Computation& c, const TFiringTarget& t) {
  CheckFiringTarget(t);
  const TShotInputs full = c.in;
  const double theta0 = full.launchAngleDeg;
  const double slantM = t.distanceM, phi = t.slopeDeg * kDegToRad;
  const InclineTarget level{slantM * std::cos(phi), 0};
  const InclineTarget sloped{level.distanceM, slantM * std::sin(phi)};
  TFiringSolution s;
  s.levelDistanceM = level.distanceM;

  // Every run takes the step that the compute action's run takes for the level zero, so that
  // the parts differ by their effect and not by the step.
  TShotInputs in = full;
  if (in.autoStep) in.stepS = AutoStepPosition(theta0) * 0.0001;
  in.autoStep = false;
  in.crossWind = in.rangeWind = in.verticalWind = 0;
  in.crossWindMode = 0;
  in.spinDrift = in.coriolis = false;
  in.earthOmega = 0;

  Accumulator sum(slantM, s.parts);
  TAtTarget m;
  auto run = [&](TPart part, const InclineTarget& target) {
    c.in = in;
    try {
      SolveIncline(c, target);
    } catch (const ActionAborted& e) {
      if (e.Text().rfind(kStepLimit, 0) != 0) throw;
      ShowMessageAbort(
          Sprintf("Trajektorie nedosáhne cíle ve vzdálenosti %g m (dosaženo "
                  "maximálního počtu kroků).",
                  slantM));
    }
    m = MeasureAtTarget(c.trajectory, level.distanceM, std::atan2(target.riseM, target.distanceM),
                        slantM);
    sum.ToAngles(part, m.upRad, m.rightRad);
  };
  // A part whose effect is absent adds nothing: its run would repeat the previous one.
  auto same = [&](TPart part) { sum.ToAngles(part, sum.Now().upRad, sum.Now().rightRad); };

  run(TPart::Drop, level);
  if (phi != 0) {
    run(TPart::Slope, sloped);
  } else {
    same(TPart::Slope);
  }
  if (HasWind(full)) {
    in.crossWind = full.crossWind;
    in.rangeWind = full.rangeWind;
    in.verticalWind = full.verticalWind;
    in.crossWindMode = full.crossWindMode;
    run(TPart::Wind, sloped);
  } else {
    same(TPart::Wind);
  }
  if (full.spinDrift) {
    in.spinDrift = true;
    run(TPart::SpinDrift, sloped);
  }
  if (full.coriolis) {
    in.coriolis = true;
    in.earthOmega = full.earthOmega;
    run(TPart::Coriolis, sloped);
  }
  const int targetIndex = c.trajectory.stepCount;

  // The jump needs the stability factor of the rotation model, taken to the site's air.
  const double density = AirStateAt(full, 0).density;
  if (full.spinDrift && c.rotation.active && std::isfinite(c.rotation.stabilityFactor) &&
      density > 0.1) {
    s.jumpSg = c.rotation.stabilityFactor * kStandardDensity / density;
    s.jumpMoaPerMph = JumpMoaPerMph(s.jumpSg, full.lengthCal);
    const double muzzleWind = full.crossWindMode == 1 ? full.stationWind[0] : full.crossWind;
    const double jumpRad =
        AerodynamicJumpMoa(s.jumpSg, full.lengthCal, muzzleWind, full.twistLeft) * kMoaRad;
    sum.ToAngles(TPart::Jump, sum.Now().upRad + jumpRad, sum.Now().rightRad);
  }

  // The bore's rise above the line of sight at the target turns with the rifle about that line;
  // gravity does not.
  const double cant = t.cantDeg * kDegToRad;
  const double dialRad = -sum.Now().upRad;
  s.boreRiseM = slantM * std::tan(theta0 * kDegToRad + dialRad) - full.sightHeightM;
  s.heldRiseM = slantM * std::tan(theta0 * kDegToRad) - full.sightHeightM;
  sum.ToCm(TPart::Cant, sum.Now().upCm - 100 * s.boreRiseM * (1 - std::cos(cant)),
           sum.Now().rightCm + 100 * s.boreRiseM * std::sin(cant));

  const double leadCm = 100 * t.speedMps * m.timeS * std::sin(t.crossingDeg * kDegToRad);
  sum.ToCm(TPart::Lead, sum.Now().upCm, sum.Now().rightCm + (t.fromLeft ? -leadCm : leadCm));
  s.total = sum.Now();

  s.timeS = m.timeS;
  s.speedMps = std::hypot(m.vx, m.vy);
  s.energyJ = 0.5 * full.massKg * s.speedMps * s.speedMps;
  s.mach = Mach(full, m.vx, m.vy, m.vz, m.crossWind, m.yCm);

  // The last run once more beyond the target for the far end of the danger space; up to the
  // target it is the same run. The trajectory leaves the band at least as fast as it leaves it at
  // the target, so twice the straight-line estimate reaches beyond it, within the steps left.
  const TTrajectory& tr = c.trajectory;
  const double descent = std::fabs(m.vy / m.vx - m.yCm / 100 / level.distanceM);
  const double needM = descent > 0 ? 2 * t.heightCm / 200 / descent + 10 : level.distanceM;
  const double roomM =
      0.25 * (kTrajectoryCapacity - 2 - targetIndex) * c.in.stepS * tr.vxMps[targetIndex];
  const double extensionM = std::min({needM, level.distanceM, kMaxDangerExtensionM, roomM});
  if (extensionM >= 1) {
    c.in.limitXM = level.distanceM + extensionM;
    IntegrateTrajectory(c, TIntegrationMode::Full);
  }
  const double slantPerLevel = 1 / std::cos(phi);
  for (int k = 0; k < targetIndex; ++k) {
    if (Mach(full, tr.vxMps[k], tr.vyMps[k], tr.vzMps[k], tr.crossWindMps[k], tr.yCm[k]) <
        kTransonicMach) {
      s.transonicFromM = tr.xM[k] * slantPerLevel;
      break;
    }
  }
  if (s.transonicFromM < 0 && s.mach < kTransonicMach) s.transonicFromM = slantM;
  const TDanger danger =
      DangerSpace(tr, targetIndex, level.distanceM, sloped.riseM, m.yCm, t.heightCm / 200);
  s.dangerNearM = danger.nearM * slantPerLevel;
  s.dangerFarM = danger.farM * slantPerLevel;
  s.dangerFarOpen = danger.farOpen;
  c.in = full;
  return s;
}

std::vector<std::string> FiringSolutionReport(const TFiringSolution& s, const TFiringTarget& t,
                                              const TShotInputs& in) {
  const double clickRad = in.clickDeg * kDegToRad;
  std::vector<std::string> lines{"  "};
  lines.push_back(Sprintf("  Palebné řešení pro cíl ve vzdálenosti %g m po záměrné", t.distanceM));
  const char* slope = t.slopeDeg > 0 ? " do kopce" : t.slopeDeg < 0 ? " z kopce" : "";
  const std::string motion = t.speedMps == 0
                                 ? "cíl stojí"
                                 : Sprintf("cíl %g m/s %s pod úhlem %g° k záměrné", t.speedMps,
                                           t.fromLeft ? "zleva" : "zprava", t.crossingDeg);
  lines.push_back(Sprintf("  Sklon záměrné %s°%s, náklon zbraně %s°, %s",
                          Signed(t.slopeDeg, 1).c_str(), slope, Signed(t.cantDeg, 1).c_str(),
                          motion.c_str()));
  lines.push_back(Sprintf(
      "  Klik %.3f MOA = %.4f mrad = %.2f cm na cíli; stoupání %s", clickRad / kMoaRad,
      clickRad * 1000, 100 * t.distanceM * std::tan(clickRad), in.twistLeft ? "vlevo" : "vpravo"));
  for (const char* line :
       {"  Znaménka: + nahoru a + doprava z pohledu střelce. Sloupec cm: kam střela dopadne vůči",
        "  záměrnému bodu, v rovině cíle kolmé k záměrné. Kliky, MOA a mrad: oprava, kterou",
        "  nastavit (+ nahoru, + doprava); zbytek cm: dopad po nastavení celých kliků.",
        "  Vzdálenost se měří po záměrné; sklon + do kopce; náklon + po směru hodinových ručiček,",
        "  jak ho vidí střelec; příčný vítr + vane zleva doprava, podélný + po směru střelby.",
        "  Pořadí částí: vodorovná střelba na vodorovnou vzdálenost cíle, sklon, vítr, derivace,",
        "  Coriolis – každá je rozdíl, o který účinek změní trajektorii s účinky před ním; pak",
        "  modely: aerodynamický skok, náklon, předstih. Části dávají přesně součet (tisk",
        "  zaokrouhluje).", "  "})
    lines.push_back(line);
  AddAxis(lines, true, s, t, in);
  AddAxis(lines, false, s, t, in);

  const long up = std::lround(-s.total.upRad / clickRad);
  const long right = std::lround(-s.total.rightRad / clickRad);
  lines.push_back("  Nastavte: " + std::string(up < 0 ? "dolů " : "nahoru ") + Clicks(up) + ", " +
                  (right < 0 ? "doleva " : "doprava ") + Clicks(right) + ".");
  lines.push_back(
      Sprintf("  Doba letu %.3f s, rychlost %.0f m/s, energie %.0f J, Mach %.2f na cíli", s.timeS,
              s.speedMps, s.energyJ, s.mach));
  if (s.transonicFromM == 0) {
    lines.push_back("  Pozor: střela je transonická (pod Mach 1.2) už od ústí.");
  } else if (s.transonicFromM > 0) {
    lines.push_back(
        Sprintf("  Pozor: střela je před cílem transonická (pod Mach 1.2), od %.0f m po záměrné.",
                s.transonicFromM));
  }
  const std::string far = s.dangerFarOpen ? Sprintf("dál než %.0f m (konec výpočtu)", s.dangerFarM)
                                          : Sprintf("%.0f m", s.dangerFarM);
  lines.push_back(Sprintf("  Nebezpečný prostor pro cíl %g cm (míření na střed): %.0f m až %s",
                          t.heightCm, s.dangerNearM, far.c_str()));
  if (s.jumpSg > 0) {
    lines.push_back(
        Sprintf("  Aerodynamický skok (Litz): Sg %.2f ve vzduchu místa, délka %.2f "
                "ráže, %.4f MOA na 1 mph",
                s.jumpSg, in.lengthCal, s.jumpMoaPerMph));
    lines.push_back("  příčného větru; při stoupání vpravo vítr zprava zvedá, zleva snižuje.");
  } else {
    lines.push_back(in.spinDrift
                        ? "  Aerodynamický skok nepočítán: stabilitu střely nelze určit."
                        : "  Aerodynamický skok nepočítán: zapněte \"Derivace střely\" (stoupání a "
                          "tvar střely).");
  }
  const double cant = t.cantDeg * kDegToRad;
  lines.push_back(Sprintf("  Náklon: vývrt míří na cíli %.2f m nad záměrnou a s náklonem se otáčí.",
                          s.boreRiseM));
  lines.push_back(
      Sprintf("  Náměr jen držený nad cílem (ne nastavený, ne na rysce) otáčí jen %.2f m: "
              "stranou %s cm, svisle %s cm.",
              s.heldRiseM, Signed(100 * s.heldRiseM * std::sin(cant), 1).c_str(),
              Signed(-100 * s.heldRiseM * (1 - std::cos(cant)), 1).c_str()));
  lines.push_back("  Náměr držený na rysce nakloněného kříže se otáčí s ním, jako nastavený.");
  lines.push_back("  ");
  return lines;
}
