// Every array a run stores, to the last bit, for configurations that together reach every
// force term and every integration mode. The files under data/trajectories were written by
// the engine before its step was made faster; a faster step must give the same bits.
// TRAJEKTA_UPDATE_TRAJECTORIES=1 rewrites them (only for a change of results that is meant).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/LinearInterp.h"
#include "drg_support.h"
#include "engine/DrgFile.h"
#include "engine_support.h"

namespace {

// The files were written with glibc's libm. Another C library (MinGW's on Windows) rounds
// atan, pow and exp differently in the last bit, and a bit more after a difference quotient;
// there a line may differ by that much in its numbers and nothing else.
#ifdef _WIN32
constexpr bool kSameLibm = false;
#else
constexpr bool kSameLibm = true;
#endif

// largest: the largest relative difference seen so far.
bool WithinLibmRounding(const std::string& want, const std::string& got, double& largest) {
  std::istringstream a(want), b(got);
  std::string x, y;
  while (a >> x) {
    if (!(b >> y)) return false;
    if (x == y) continue;
    char* endX = nullptr;
    char* endY = nullptr;
    const double u = std::strtod(x.c_str(), &endX);
    const double v = std::strtod(y.c_str(), &endY);
    if (*endX != '\0' || *endY != '\0') return false;
    const double relative = std::fabs(u - v) / std::fmax(1.0, std::fabs(u));
    if (relative > 1e-9) return false;
    largest = std::fmax(largest, relative);
  }
  return !(b >> y);
}

std::string Exact(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

// One run: what it reports through the hooks, its mode results, the slope it leaves for
// LinearInterp, and each stored array from the muzzle to the last step.
class Recorder {
 public:
  explicit Recorder(Computation& c) : c_(c) {
    hooks_.autoStepChosen = [this](int p) { out_ << "auto step " << p << "\n"; };
    hooks_.report = [this](const std::string& line) { out_ << "report " << line << "\n"; };
  }

  void Solve() {
    SolveLaunchAngle(c_, hooks_);
    out_ << "solved angle " << Exact(c_.in.launchAngleDeg) << "\n";
    Arrays("zero search");
  }

  void Run(TIntegrationMode mode, const char* title) {
    // A path run of the same inputs, for the comparison below.
    std::unique_ptr<Computation> path;
    double pathSlope = 0;
    if (mode == TIntegrationMode::Full) {
      path = std::make_unique<Computation>(c_);
      const double slope = g_linearInterpSlope;
      IntegrateTrajectory(*path, TIntegrationMode::Path);
      pathSlope = g_linearInterpSlope;
      g_linearInterpSlope = slope;
    }
    IntegrateTrajectory(c_, mode, hooks_);
    Arrays(title);
    if (path) SamePositions(*path, pathSlope);
  }

  std::string Text() const { return out_.str(); }

 private:
  void Arrays(const char* title) {
    const TTrajectory& tr = c_.trajectory;
    const TModeResults& r = c_.results;
    out_ << "# " << title << ": " << tr.stepCount << " steps of " << Exact(c_.in.stepS)
         << " s, slope " << Exact(g_linearInterpSlope) << "\n";
    out_ << "results";
    for (double v : {r.maxOrdinateM, r.landingXM, r.speedAtDistance, r.dropDistance1M,
                     r.dropDistance2M, r.dropAtDistance1M, r.dropAtDistance2M}) {
      out_ << " " << Exact(v);
    }
    out_ << "\n# k t x y z vx vy vz wind cd energy angle\n";
    for (int k = 0; k <= tr.stepCount; ++k) {
      out_ << k;
      for (const auto* a :
           {&tr.timeS, &tr.xM, &tr.yCm, &tr.zCm, &tr.vxMps, &tr.vyMps, &tr.vzMps, &tr.crossWindMps,
            &tr.dragCoeff, &tr.energyDensityJcm2, &tr.pathAngleDeg}) {
        out_ << " " << Exact((*a)[k]);
      }
      out_ << "\n";
    }
  }

  // A path run leaves the full run's step count, positions and slope, to the bit.
  void SamePositions(const Computation& path, double pathSlope) const {
    const TTrajectory &a = c_.trajectory, &b = path.trajectory;
    ASSERT_EQ(a.stepCount, b.stepCount);
    EXPECT_EQ(Exact(g_linearInterpSlope), Exact(pathSlope)) << "slope";
    for (int k = 0; k <= a.stepCount; ++k) {
      ASSERT_EQ(Exact(a.xM[k]) + " " + Exact(a.yCm[k]) + " " + Exact(a.zCm[k]),
                Exact(b.xM[k]) + " " + Exact(b.yCm[k]) + " " + Exact(b.zCm[k]))
          << "path run, step " << k;
    }
  }

  Computation& c_;
  IntegrationHooks hooks_;
  std::ostringstream out_;
};

// A drag function as a DRG file gives it: a few points, resampled onto the grid.
void LoadDrgFunction(Computation& c) {
  const std::vector<drgtest::Pair> pairs = {{0.26, 0.0}, {0.21, 0.6}, {0.24, 0.85}, {0.43, 1.0},
                                            {0.41, 1.3}, {0.33, 2.2}, {0.27, 3.5}};
  const DrgContents drg = ParseDrg(drgtest::PlainDrg(pairs));
  ASSERT_EQ(drg.status, DrgStatus::Ok);
  ResampleToGrid(c.dragGrid, drg.speeds, drg.coefficients, static_cast<int>(drg.speeds.size()));
}

void Bands(TShotInputs& in) {
  in.coefficientMode = 2;
  in.ballisticCoefficient = 0.505;
  in.bcBands = {{{0.505, 0, true},
                 {0.496, 760, true},
                 {0.485, 680, true},
                 {0.47, 600, true},
                 {0.44, 450, false}}};
}

struct RecordCase {
  const char* name;
  std::function<void(Computation&, Recorder&)> run;
};

const RecordCase kCases[] = {
    {"start_values",
     [](Computation&, Recorder& r) {
       r.Solve();
       r.Run(TIntegrationMode::Full, "full");
     }},
    {"all_forces_1000m",
     [](Computation& c, Recorder& r) {
       c.in.crossWind = 4;
       enginetest::EnableCoriolis(c.in, 50, 90);
       enginetest::EnableSpinDrift(c, false);
       c.in.zeroDistanceM = 1000;
       r.Solve();
       c.in.limitXM = 1000;
       c.in.limitYM = 1000000;
       r.Run(TIntegrationMode::Full, "full");
     }},
    // Stations of wind, bands of coefficient, a left twist in the south, wind from every side,
    // warm damp thin air, G7, and a zero point above the sight line.
    {"stations_bands_left_twist",
     [](Computation& c, Recorder& r) {
       TShotInputs& in = c.in;
       SelectBuiltInDragFunction(c.dragGrid, c.dragTables, kDragG7);
       Bands(in);
       in.crossWindMode = 1;
       in.stationCount = 4;
       in.stationDistanceM = {0, 150, 150, 400, 500};
       in.stationWind = {2, -3, 5, -1, 0};
       in.rangeWind = -3;
       in.verticalWind = 1;
       in.temperatureK = 303.15;
       in.pressurePa = 93000;
       in.humidityPct = 60;
       enginetest::EnableCoriolis(in, -35, 200);
       enginetest::EnableSpinDrift(c, true);
       in.solveMode = 2;
       in.zeroDistanceM = 300;
       in.zeroHeightM = 0.5;
       r.Solve();
       in.limitXM = 600;
       in.limitYM = 1000000;
       r.Run(TIntegrationMode::Full, "full");
     }},
    // A loaded drag function, air without the temperature gradient, a fixed step, a given
    // angle and a descent below the sight line into the subsonic range.
    {"drg_function_flat_air",
     [](Computation& c, Recorder& r) {
       LoadDrgFunction(c);
       c.in.noIcaoGradient = true;
       c.in.autoStep = false;
       c.in.stepS = 0.003;
       c.in.solveMode = 0;
       c.in.launchAngleDeg = 1.2;
       c.in.muzzleVelocity = 420;
       c.in.crossWind = -6;
       c.in.limitYM = -3;
       r.Run(TIntegrationMode::Full, "full");
     }},
    // A slow shot steeply downhill, whose speed rises through the grid, and a shot from
    // above the grid's last speed down through it: the drag lookup away from its usual path.
    {"rising_speed_grid_top",
     [](Computation& c, Recorder& r) {
       c.in.autoStep = false;
       c.in.stepS = 0.002;
       c.in.solveMode = 0;
       c.in.launchAngleDeg = -60;
       c.in.muzzleVelocity = 60;
       c.in.limitYM = -300;
       r.Run(TIntegrationMode::Full, "downhill");
       c.in.launchAngleDeg = 0.2;
       c.in.muzzleVelocity = 1750;
       c.in.limitYM = -3;
       r.Run(TIntegrationMode::Full, "above the grid");
     }},
    // Each solver mode after the input step, as its search runs it.
    {"solver_modes",
     [](Computation& c, Recorder& r) {
       Bands(c.in);
       c.in.launchAngleDeg = 0.3;
       c.results.maxOrdinateM = -200;
       r.Run(TIntegrationMode::MaxOrdinate, "max ordinate");
       c.in.launchAngleDeg = 0.4;
       c.in.zeroDistanceM = 450;
       c.trajectory.Clear();
       r.Run(TIntegrationMode::VelocityAtDistance, "velocity at distance");
       c.results.dropDistance1M = 120;
       c.results.dropDistance2M = 330;
       c.trajectory.Clear();
       r.Run(TIntegrationMode::DropAtTwoDistances, "drop at two distances");
       c.in.zeroDistanceM = 250;
       c.trajectory.Clear();
       r.Run(TIntegrationMode::ZeroSearch, "zero search");
     }},
};

class TrajectoryRecordsTest : public enginetest::FloatingPointTraps,
                              public ::testing::WithParamInterface<RecordCase> {};

TEST_P(TrajectoryRecordsTest, SameAsBefore) {
  const RecordCase& rc = GetParam();
  auto c = enginetest::StartComputation();
  g_linearInterpSlope = 0;
  c->trajectory.Clear();  // as the window's input step leaves it
  Recorder recorder(*c);
  rc.run(*c, recorder);
  const std::string actual = recorder.Text();

  const std::string path = std::string(TRAJEKTA_TEST_DATA) + "/trajectories/" + rc.name + ".txt";
  if (std::getenv("TRAJEKTA_UPDATE_TRAJECTORIES")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file) << path;
  std::stringstream expected;
  expected << file.rdbuf();

  // Name every line that differs (at most 20), so that a wrong term shows where it starts.
  std::istringstream want(expected.str()), got(actual);
  std::string a, b;
  int line = 0, differing = 0, libmBits = 0;
  double largest = 0;
  while (std::getline(want, a) && std::getline(got, b)) {
    ++line;
    if (a == b) continue;
    if (!kSameLibm && WithinLibmRounding(a, b, largest)) {
      ++libmBits;
      continue;
    }
    if (++differing <= 20) ADD_FAILURE() << path << ":" << line << "\n  " << a << "\n  " << b;
  }
  if (libmBits > 0) {
    std::printf("[ last bits ] %s: %d lines, relative %.1e at most\n", rc.name, libmBits, largest);
  }
  EXPECT_EQ(differing, 0);
  // In lines: a number within the last bits may print with another count of digits.
  const auto lines = [](const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
  };
  EXPECT_EQ(lines(expected.str()), lines(actual)) << "the records differ in length";
}

INSTANTIATE_TEST_SUITE_P(Records, TrajectoryRecordsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
