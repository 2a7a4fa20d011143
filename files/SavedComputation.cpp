#include "files/SavedComputation.h"

#include <cmath>
#include <functional>

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

// The values of one row, in column order.
using RowValues = std::array<double, 11>;

// Lines 26 and 27: a blank line and the forces and winds the computation included.
std::string FlagLines(const SavedTableState& table) {
  std::string out = "\n";
  if (table.variableCrossWind) out += "\n Proměnný příčný vítr";
  if (table.coriolis) out += "\n Započtena Coriolisova síla";
  if (table.spinDrift) out += "\n Započtena derivace střely";
  return out;
}

double Speed(const TTrajectory& tr, int k) {
  return std::sqrt(tr.vxMps[k] * tr.vxMps[k] + tr.vyMps[k] * tr.vyMps[k]);
}

class TableWriter {
 public:
  TableWriter(const TTrajectory& tr, const TShotInputs& in, const SavedTableState& table,
              const InclineState& incline, const SaveOptions& options)
      : tr_(tr), in_(in), table_(table), options_(options), layout_(options.format) {
    inclined_ = incline.sightLineRiseM != 0;
    if (inclined_) {
      h_ = incline.sightLineRiseM;
      d_ = incline.inclineDistanceM;
      alphaDeg_ = std::atan(h_ / d_) * 57.2957795;
      c_ = table.slantEntry ? std::cos(alphaDeg_ * kRadPerDeg) : 1;
    }
  }

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
    Walk([&](const RowValues& v) { out += RowText(v); });
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

  std::string RowText(const RowValues& v) const {
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

  // Values of a row at X closed at point p.
  RowValues At(double X, int p) const {
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

  RowValues Muzzle() const {
    return Values(0, tr_.yCm[0], kTinyAngleDeg, in_.muzzleVelocity, kTinyAngleDeg, 0);
  }

  RowValues Values(double x, double y, double theta, double v, double phi, int p) const {
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

  // Row selection: a row every table step, the zero row (normal variant only) and the end row.
  void Walk(const std::function<void(const RowValues&)>& emit) const {
    const int N = tr_.stepCount;
    const double S = in_.tableStepM * c_;
    const double zero = in_.zeroDistanceM;
    const double endRef = inclined_ ? d_ : zero;
    emit(Muzzle());
    int n = 1;
    bool zeroDone = false;
    for (int p = 1; p <= N; ++p) {
      const double x = tr_.xM[p];
      if (x >= n * S || x == 0) {
        if (!inclined_ && n * S == zero) zeroDone = true;
        emit(At(n * S, p));
        ++n;
        if (p == N) return;
      }
      if (!inclined_ && x >= zero && (n - 1) * S != zero && !zeroDone) {
        emit(At(zero, p));
        zeroDone = true;
        if (p == N) return;
      }
    }
    const double xN = tr_.xM[N], last = (n - 1) * S;
    if (N >= 1 && xN != endRef && xN != last && xN != endRef + 1 && xN != last + 1) {
      emit(At(xN, N));
    }
  }

  const TTrajectory& tr_;
  const TShotInputs& in_;
  const SavedTableState& table_;
  const SaveOptions& options_;
  int layout_;
  bool inclined_ = false;
  double h_ = 0, d_ = 0, alphaDeg_ = 0, c_ = 1;
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
