#pragma once
// DRG files for tests: plain, and scrambled with the inverse of the reader's decoding.
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "engine/DrgFile.h"

namespace drgtest {

struct Pair {
  double cd, mach;
};

inline std::string Number(double v) {
  return Sprintf("%.17g", v);
}

inline std::string Header(const std::string& rest) {
  return "CFM, " + Cp1250FromUtf8("Střela 168gr") + ", 0.01089, 0.00782" + rest + "\r\n";
}

inline std::string PlainDrg(const std::vector<Pair>& pairs, bool terminator = true) {
  std::string text = Header(", 80 bodu");
  for (const auto& p : pairs) text += Number(p.cd) + " " + Number(p.mach) + "\r\n";
  if (terminator) text += "0 0\r\n";
  return text;
}

// The inverse of the reader's decoding of the scrambled variant.
inline std::string ScrambledDrg(const std::vector<Pair>& pairs) {
  const double K = kDrgScrambleKey;
  const int m = static_cast<int>(pairs.size());
  const int n = m + 1;  // with the terminating pair
  std::vector<double> c(n), s(n);
  for (int j = 0; j < m; ++j) {
    c[j] = pairs[j].cd;
    s[j] = pairs[j].mach;
  }
  for (int j = 1; j <= n - 2; j += 2) c[j] = 2 * c[j] + c[0];
  for (int j = 1; j <= n - 2; j += 3) s[j] = 2 * s[j];
  std::string text = Header(", Encoded file");
  for (int i = 0; i < m; ++i) {
    const double r = i == 0 ? c[0] + 2 * K : c[i] + c[i - 1] + i * K;
    const double t = i == 0 ? s[0] + 3 * K : s[i] - s[i - 1] + 2 * i * K;
    text += Number(r) + " " + Number(t) + "\r\n";
  }
  text += Number(c[m - 1] + m * K - 0.5) + " " + Number(1.0) + "\r\n";  // decodes to Cd -0.5
  return text;
}

}  // namespace drgtest
