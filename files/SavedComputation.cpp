#include "files/SavedComputation.h"

#include <cmath>

#include "core/LinearInterp.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

namespace {

constexpr double kDegPerRad = 57.29577;
constexpr double kRadPerDeg = 0.0174532925239284;
constexpr double kTinyAngleDeg = -1e-6;

struct Column {
  const char* textHeader;
  const char* textFormat;
  const char* czechHeader;
  int decimals;
  const char* englishHeader;
  const char* englishFormat;
};

// The first column, then one per switch of the options dialog.
constexpr Column kColumns[] = {
    {"  X [m]", " %4.0f", " X [m] ;", 0, " X [m] ,", " %4.0f ,"},
    {"     Y [cm]", "   %9.1f", " Y [cm] ;", 1, " Y [cm] ,", " %9.1f ,"},
    {"     Y [MOA]", "     %7.1f", " Y [MOA] ;", 1, " Y [MOA] ,", " %7.1f ,"},
    {"     Y [Klik]", "     %7.1f", " Y [Klik] ;", 1, " Y [Klik] ,", " %7.1f ,"},
    {"    V [m/s]", "   %9.1f", " V [m/s] ;", 1, " V [m/s] ,", " %9.1f ,"},
    {"      E [J]", "   %9.1f", " E [J] ;", 1, " E [J] ,", " %9.1f ,"},
    {"      T [ms]", "   %7.0f", " T [ms] ;", 0, " T [ms] ,", " %7.0f ,"},
    {"   Vítr [cm]", "    %7.1f", " Vítr [cm] ;", 1, " Vítr [cm] ,", " %7.1f ,"},
    {"   Vítr [klik]", "      %7.1f", " Vítr [klik] ;", 1, " Vítr [klik] ,", " %7.1f ,"},
    {"   Sklon [Deg]", "        %7.2f", " Sklon [Deg] ;", 2, " Sklon [Deg] ,", " %7.2f ,"},
    {"   Energ. zat. [J/cm2]", "          %7.1f", " Energ. zat. [J/cm2] ;", 1,
     " Energ. zat. [J/cm2] ,", " %7.1f ,"},
};
constexpr int kUnderline[] = {11, 11, 11, 11, 11, 11, 11, 11, 16, 20};

double SiteAngleDeg(const InclineState& incline) {
  return std::atan(incline.sightLineRiseM / incline.inclineDistanceM) * 57.2957795;
}

// Lines 26 and 27: a blank line and the forces and winds the computation included.
std::string FlagLines(const SavedTableState& table) {
  std::string out = "\n";
  for (const auto& flag : SavedTableFlags(table)) out += "\n " + flag;
  return out;
}

double Speed(const TTrajectory& tr, int k) {
  return std::sqrt(tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k]);
}

// Row selection and row values of the saved table.
class RowWalk {
 public:
  RowWalk(const TTrajectory& tr, const TShotInputs& in, const InclineState& incline,
          bool slantEntry)
      : tr_(tr), in_(in) {
    inclined_ = incline.sightLineRiseM != 0;
    if (inclined_) {
      h_ = incline.sightLineRiseM;
      d_ = incline.inclineDistanceM;
      alphaDeg_ = SiteAngleDeg(incline);
      c_ = TableDistanceFactor(incline, slantEntry);
    }
  }

  // A row every table step, the zero row (normal variant only) and the end row; with a range,
  // the grid starts at its first distance and rows beyond its last are left out.
  std::vector<RangeRowValues> Rows(const TableRange& range) const {
    std::vector<RangeRowValues> rows;
    const double from = range.fromM * c_;
    auto emit = [&](const RangeRowValues& v) {
      if (v[kColDistance] <= range.toM + 1e-9) rows.push_back(v);
    };
    // The end row belongs to a range whose last distance it prints as.
    auto emitEnd = [&](const RangeRowValues& v) {
      if (v[kColDistance] < range.toM + 0.5) rows.push_back(v);
    };
    const int N = tr_.stepCount;
    const double S = (range.stepM > 0 ? range.stepM : in_.tableStepM) * c_;
    const double zero = in_.zeroDistanceM;
    const double endRef = inclined_ ? d_ : zero;
    // The muzzle row stands for the first grid distance 0.
    int n = 0;
    if (from <= 0) {
      emit(Muzzle());
      n = 1;
    }
    auto grid = [&](int k) { return from + k * S; };
    bool zeroDone = zero < from;
    for (int p = 1; p <= N; ++p) {
      const double x = tr_.xM[p];
      if (x >= grid(n) || x == 0) {
        if (!inclined_ && grid(n) == zero) zeroDone = true;
        emit(At(grid(n), p));
        ++n;
        if (p == N) return rows;
      }
      if (!inclined_ && x >= zero && (n == 0 || grid(n - 1) != zero) && !zeroDone) {
        emit(At(zero, p));
        zeroDone = true;
        if (p == N) return rows;
      }
    }
    const double xN = tr_.xM[N], last = grid(n - 1);
    if (N >= 1 && (from <= 0 || xN >= from) && xN != endRef && xN != last && xN != endRef + 1 &&
        xN != last + 1) {
      emitEnd(At(xN, N));
    }
    return rows;
  }

 private:
  // Values of a row at X closed at point p.
  RangeRowValues At(double X, int p) const {
    const double yh = LinearInterp(X, tr_.xM[p - 1], tr_.xM[p], tr_.yCm[p - 1], tr_.yCm[p]);
    const double v = LinearInterp(X, tr_.xM[p - 1], tr_.xM[p], Speed(tr_, p - 1), Speed(tr_, p));
    double y = yh, theta = 0, phi = 0;
    if (inclined_) {
      theta = std::atan(0.01 * yh / X) * kDegPerRad - alphaDeg_;
      y = yh - 100 * X * h_ / d_;
      phi = std::atan(0.01 * tr_.zCm[p] / (X / std::cos(alphaDeg_ * kRadPerDeg))) * kDegPerRad;
    } else {
      theta = std::atan(0.01 * yh / X) * kDegPerRad;
      phi = std::atan(0.01 * tr_.zCm[p] / X) * kDegPerRad;
    }
    if (y > -0.05 && y < 0.05) {
      y = 0;
      theta = kTinyAngleDeg;
    }
    if (tr_.zCm[p] == 0) phi = kTinyAngleDeg;
    return Values(X / c_, y, theta, v, phi, p);
  }

  RangeRowValues Muzzle() const {
    return Values(0, tr_.yCm[0], kTinyAngleDeg, in_.muzzleVelocity, kTinyAngleDeg, 0);
  }

  RangeRowValues Values(double x, double y, double theta, double v, double phi, int p) const {
    return {x,
            y,
            -60 * theta,
            -theta / in_.clickDeg,
            v,
            0.5 * in_.massKg * v * v,
            tr_.timeS[p] * 1000,
            tr_.zCm[p],
            -phi / in_.clickDeg,
            tr_.pathAngleDeg[p],
            tr_.energyDensityJcm2[p]};
  }

  const TTrajectory& tr_;
  const TShotInputs& in_;
  bool inclined_ = false;
  double h_ = 0, d_ = 0, alphaDeg_ = 0, c_ = 1;
};

class TableWriter {
 public:
  TableWriter(const TTrajectory& tr, const TShotInputs& in, const SavedTableState& table,
              const InclineState& incline, const SaveOptions& options)
      : tr_(tr),
        in_(in),
        table_(table),
        incline_(incline),
        options_(options),
        layout_(options.format),
        inclined_(incline.sightLineRiseM != 0) {}

  std::string Write() {
    std::string out = FlagLines(table_);
    out += inclined_ ? "\n Střelba do / z kopce  \n \n" : "\n\n";
    out += HeaderLine();
    if (layout_ == 0) {
      out += "\n --------------";
      for (int i = 0; i < 10; ++i) {
        if (options_.columns[i]) out += std::string(kUnderline[i], '-');
      }
    }
    for (const auto& v : RangeTableValues(tr_, in_, incline_, table_.slantEntry)) out += RowText(v);
    return out;
  }

 private:
  std::string HeaderLine() const {
    std::string line;
    for (int i = 0; i < 11; ++i) {
      if (i > 0 && !options_.columns[i - 1]) continue;
      const Column& c = kColumns[i];
      std::string h = layout_ == 0 ? c.textHeader : layout_ == 1 ? c.czechHeader : c.englishHeader;
      if (inclined_ && i == 0) {
        const std::string tail = layout_ == 0 ? "" : layout_ == 1 ? " ;" : " ,";
        h = (table_.slantEntry ? " Š.V.[m]" : "  X [m]") + tail;
      }
      if (inclined_ && i == 8 && layout_ == 2) h = " Vítr [klik]  ,";
      line += h;
    }
    return line;
  }

  std::string RowText(const RangeRowValues& v) const {
    std::string row = "\n";
    for (int i = 0; i < 11; ++i) {
      if (i > 0 && !options_.columns[i - 1]) continue;
      const Column& c = kColumns[i];
      if (layout_ == 0) row += Sprintf(c.textFormat, v[i]);
      if (layout_ == 1) row += " " + CzechNumber(v[i], c.decimals) + " ;";
      if (layout_ == 2) row += Sprintf(c.englishFormat, v[i]);
    }
    return row;
  }

  const TTrajectory& tr_;
  const TShotInputs& in_;
  const SavedTableState& table_;
  const InclineState& incline_;
  const SaveOptions& options_;
  int layout_;
  bool inclined_;
};

std::string AllData(const TTrajectory& tr) {
  std::string out = "\n\n    T[s];     X[m];    Y[m];      Z[m];  Vx[m/s];   Vy[m/s];  Vz[m/s]\n";
  for (int p = 0; p <= tr.stepCount; ++p) {
    out += Sprintf("%9.5f;%9.5f;%9.5f;%9.5f;%9.5f;%9.5f;%9.5f\n", tr.timeS[p], tr.xM[p],
                   tr.yCm[p] * 0.01, tr.zCm[p] * 0.01, tr.vxMps[p], tr.vyMps[p], tr.vzMps[p]);
  }
  return out;
}

}  // namespace

std::vector<RangeRowValues> RangeTableValues(const TTrajectory& tr, const TShotInputs& in,
                                             const InclineState& incline, bool slantEntry,
                                             const TableRange& range) {
  return RowWalk(tr, in, incline, slantEntry).Rows(range);
}

double TableDistanceFactor(const InclineState& incline, bool slantEntry) {
  if (incline.sightLineRiseM == 0 || !slantEntry) return 1;
  return std::cos(SiteAngleDeg(incline) * kRadPerDeg);
}

std::vector<std::string> SavedTableFlags(const SavedTableState& table) {
  std::vector<std::string> flags;
  if (table.variableCrossWind) flags.push_back("Proměnný příčný vítr");
  if (table.coriolis) flags.push_back("Započtena Coriolisova síla");
  if (table.spinDrift) flags.push_back("Započtena derivace střely");
  return flags;
}

std::string WriteSavedComputation(const TTrajectory& tr, const TShotInputs& in,
                                  const HeaderWindowState& header, const SavedTableState& table,
                                  const InclineState& incline, const SaveOptions& options) {
  const HeaderLayout layout = options.format == 1   ? HeaderLayout::CzechCsv
                              : options.format == 2 ? HeaderLayout::EnglishCsv
                                                    : HeaderLayout::Text;
  std::string out = WriteParameterHeader(in, header, layout);
  if (options.format == 3) {
    return out + FlagLines(table) + AllData(tr);
  }
  return out + TableWriter(tr, in, table, incline, options).Write();
}

std::string SaveTextFile(const std::string& path, const std::string& text) {
  std::string crlf;
  crlf.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return WriteFileBytes(path, Cp1250FromUtf8(crlf));
}
