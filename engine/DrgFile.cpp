#include "engine/DrgFile.h"

#include <array>

#include "core/ScanNumber.h"
#include "core/TextFile.h"
#include "engine/DragFunctions.h"

namespace {

bool ReadHeader(std::string_view b, size_t& pos, DrgContents& out) {
  // The first field ends with a comma within the first 20 characters.
  const size_t comma = b.find(',');
  if (comma == std::string_view::npos || comma >= 20) return false;
  pos = comma + 1;
  if (pos >= b.size()) return false;
  ++pos;  // the blank after the comma
  const size_t nameEnd = b.find(',', pos);
  if (nameEnd == std::string_view::npos || nameEnd - pos > kDrgMaxNameLength) return false;
  if (b.substr(pos, nameEnd - pos).find_first_of("\r\n") != std::string_view::npos) return false;
  out.name = Utf8FromFileText(b.substr(pos, nameEnd - pos));
  pos = nameEnd + 1;
  double mass = 0;
  if (ScanDouble(b, pos, mass)) out.massKg = mass;
  const size_t massComma = b.find(',', pos);
  if (massComma == std::string_view::npos) return false;
  pos = massComma + 1;
  double diameter = 0;
  if (ScanDouble(b, pos, diameter)) out.diameterM = diameter;
  // CR LF, bare LF or bare CR ends the header.
  size_t lineEnd = b.find_first_of("\r\n", pos);
  if (lineEnd == std::string_view::npos) lineEnd = b.size();
  const std::string_view rest = b.substr(pos, lineEnd - pos);
  out.scrambled = rest.size() >= 12 && rest.substr(rest.size() - 12, 4) == "Enco";
  pos = lineEnd;
  return true;
}

}  // namespace

DrgContents ParseDrg(std::string_view bytes) {
  DrgContents out;
  size_t pos = 0;
  if (!ReadHeader(bytes, pos, out)) {
    out.status = DrgStatus::BadFormat;
    return out;
  }
  out.headerRead = true;

  std::array<double, kDrgMaxPairs> c{}, m{};
  const double K = kDrgScrambleKey;
  int i = 0;
  for (;; ++i) {
    if (i == kDrgMaxPairs - 1) {
      out.status = DrgStatus::TooManyPairs;
      return out;
    }
    double r = 0, s = 0;
    if (ScanDouble(bytes, pos, r)) ScanDouble(bytes, pos, s);
    if (out.scrambled) {
      if (i == 0) {
        c[0] = r - 2 * K;
        m[0] = s - 3 * K;
      } else {
        c[i] = r - c[i - 1] - i * K;
        m[i] = s + m[i - 1] - 2 * i * K;
      }
    } else {
      c[i] = r;
      m[i] = s;
    }
    if (c[i] <= 0) break;
  }
  const int n = i + 1;  // pairs read, the terminating one included
  out.pairCount = n;
  if (out.scrambled) {
    c[i] = 0;
    m[i] = 0;
    for (int j = 1; j <= n - 2; j += 2) c[j] = (c[j] - c[0]) / 2;
    for (int j = 1; j <= n - 2; j += 3) m[j] = m[j] / 2;
  }
  if (n < 2) {
    // Not a single data pair: nothing to draw a function from.
    out.status = DrgStatus::BadFormat;
    return out;
  }
  // Convert Mach to speed up to the last data point, as long as Mach keeps rising.
  out.speeds.push_back(m[0] * kDrgSpeedOfSound);
  out.coefficients.push_back(c[0]);
  for (int k = 1; k <= n - 2 && m[k] > 0 && m[k] > m[k - 1] && out.speeds.back() < kDragGridMax;
       ++k) {
    out.speeds.push_back(m[k] * kDrgSpeedOfSound);
    out.coefficients.push_back(c[k]);
  }
  if (out.speeds.back() >= kDragGridMax) {
    out.speeds.back() = kDragGridMax;
  } else {
    out.speeds.push_back(kDragGridMax);
    out.coefficients.push_back(out.coefficients.back());
  }
  out.status = DrgStatus::Ok;
  return out;
}
