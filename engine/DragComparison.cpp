#include "engine/DragComparison.h"

#include "core/LinearInterp.h"
#include "core/NumberText.h"
#include "engine/RangeTable.h"

double TableDragCoefficient(const TDragTable& t, double speed) {
  int g = 0;
  while (g + 2 < t.n && t.speeds[g + 1] < speed) ++g;
  if (speed == t.speeds[g]) return t.coefficients[g];
  if (speed == t.speeds[g + 1]) return t.coefficients[g + 1];
  return LinearInterp(speed, t.speeds[g], t.speeds[g + 1], t.coefficients[g],
                      t.coefficients[g + 1]);
}

TCoefficientPair ProjectileDragCurve(const TShotInputs& in, bool variableBands,
                                     const TDragGrid& grid,
                                     std::span<double, kDragGridMax + 1> cd) {
  TCoefficientPair pair{in.ballisticCoefficient, in.formFactor};
  for (int v = 0; v <= kDragGridMax; ++v) {
    if (variableBands) {
      pair.ballisticCoefficient = BandCoefficient(in, v);
      pair.formFactor =
          FormFactorFromCoefficient(in.massKg, in.diameterM, pair.ballisticCoefficient);
    }
    cd[v] = pair.formFactor * grid.cd[v];
  }
  return pair;
}

TCoefficientConversion ConvertCoefficient(const TDragTableStore& store, double projectileCd,
                                          double speed, double massKg, double diameterM) {
  TCoefficientConversion c;
  for (int id = kDragG1; id < kDragFunctionCount; ++id) {
    const double i = projectileCd / TableDragCoefficient(store.Table(id), speed);
    c.formFactor[id - 1] = i;
    c.ballisticCoefficient[id - 1] = CoefficientFromFormFactor(massKg, diameterM, i);
  }
  return c;
}

std::vector<std::string> CoefficientConversionLines(const TCoefficientConversion& c) {
  std::vector<std::string> lines{"  "};
  // The blanks after each name keep the numbers in one column.
  for (int id = kDragG1; id < kDragFunctionCount; ++id) {
    const std::string name = std::string("(") + DragFunctionName(id) + "):";
    lines.push_back("  Koeficient tvaru " + name + std::string(13 - name.size(), ' ') +
                    Sprintf("%9.4f  ", c.formFactor[id - 1]));
  }
  for (int id = kDragG1; id < kDragFunctionCount; ++id) {
    const std::string name = std::string("(") + DragFunctionName(id) + ")";
    const std::string unit = id == kDrag1943 ? "   [lb/in2]:     " : "[lb/in2]:    ";
    lines.push_back("  Balistický koeficient " + name +
                    std::string(id == kDrag1943 ? 0 : 10 - name.size(), ' ') + unit +
                    Sprintf("%9.4f  ", c.ballisticCoefficient[id - 1]));
  }
  lines.push_back("  ");
  return lines;
}
