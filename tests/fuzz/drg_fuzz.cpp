// The DRG reader on arbitrary bytes: whatever it accepts must be a usable drag function.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/DragFunctions.h"
#include "engine/DrgFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const DrgContents d = ParseDrg(std::string_view(reinterpret_cast<const char*>(data), size));
  if (d.status != DrgStatus::Ok) return 0;
  if (d.speeds.empty() || d.speeds.size() != d.coefficients.size()) std::abort();
  if (d.speeds.back() != kDragGridMax) std::abort();
  for (size_t i = 1; i < d.speeds.size(); ++i)
    if (!(d.speeds[i] > d.speeds[i - 1])) std::abort();
  // What the calculation window does with a loaded function.
  static TDragGrid grid;
  ResampleToGrid(grid, d.speeds, d.coefficients, static_cast<int>(d.speeds.size()));
  grid.UpdateLines();
  return 0;
}
