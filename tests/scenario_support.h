// The scenario scripts, their expected output and the files they load, shared by the tests
// that run them through trajekta-cli and inside the test program.
#pragma once
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "drg_support.h"

namespace scenario {

namespace fs = std::filesystem;

inline const fs::path kScenarios = fs::path(TRAJEKTA_TEST_DATA).parent_path() / "scenarios";

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

inline std::string ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The files the scripts load, written fresh into the folder a script runs in.
inline void WriteDrgFiles(const fs::path& dir) {
  const std::vector<drgtest::Pair> g1Like = {
      {0.2629, 0.0}, {0.2558, 0.05}, {0.2344, 0.2}, {0.2032, 0.5}, {0.2165, 0.7}, {0.4805, 1.0},
      {0.6625, 1.4}, {0.5934, 2.0},  {0.5133, 3.0}, {0.5006, 4.0}, {0.4988, 5.0}};
  std::ofstream(dir / "sample.drg", std::ios::binary) << drgtest::PlainDrg(g1Like);
  std::ofstream(dir / "sample-enc.drg", std::ios::binary) << drgtest::ScrambledDrg(g1Like);
  std::ofstream(dir / "damaged.drg", std::ios::binary) << "0.2629 0.0 0.2558 0.05 0.2344 0.2\r\n";
  std::vector<drgtest::Pair> many;
  for (int i = 0; i < 320; ++i) many.push_back({0.3, i * 0.01});
  std::ofstream(dir / "many.drg", std::ios::binary) << drgtest::PlainDrg(many);
  // The shipped lists, as a build has them in its program folder.
  const fs::path shipped = kScenarios.parent_path().parent_path() / "data";
  for (const char* list : {"strely.txt", "naboje.txt"}) fs::copy_file(shipped / list, dir / list);
}

inline std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kScenarios)) {
    if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline std::string TestName(std::string name) {
  for (auto& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

// Lines of expected and actual output that differ: every one, not just the first. With
// lastDigit, lines whose numbers differ by at most one unit in their last printed digit (the
// padding may shift by a column) go there, one line each, instead of into mismatches.
struct Comparison {
  std::string mismatches;
  std::vector<std::string> lastDigit;
};

// The same text (spaces aside) with numbers of the same decimals that differ by at most one
// unit in their last digit.
inline bool WithinLastDigit(const std::string& expected, const std::string& actual) {
  static const std::regex number("-?[0-9]+([.,][0-9]+)?"), space(" +");
  auto skeleton = [&](const std::string& l) {
    return std::regex_replace(std::regex_replace(l, number, "#"), space, "");
  };
  if (skeleton(expected) != skeleton(actual)) return false;
  std::sregex_iterator e(expected.begin(), expected.end(), number),
      a(actual.begin(), actual.end(), number), end;
  auto decimals = [](const std::string& n) {
    const size_t point = n.find_first_of(".,");
    return point == std::string::npos ? 0 : n.size() - point;
  };
  for (; e != end; ++e, ++a) {
    const std::string x = e->str(), y = a->str();
    if (decimals(x) != decimals(y) || x.size() > 18) return false;
    if (std::llabs(std::stoll(std::regex_replace(x, std::regex("[.,]"), "")) -
                   std::stoll(std::regex_replace(y, std::regex("[.,]"), ""))) > 1)
      return false;
  }
  return true;
}

inline Comparison Compare(const std::string& expectedText, const std::string& actualText,
                          bool lastDigit) {
  const auto actual = Lines(actualText), expected = Lines(expectedText);
  Comparison c;
  for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
    const std::string a = i < actual.size() ? actual[i] : "<none>";
    const std::string e = i < expected.size() ? expected[i] : "<none>";
    if (a == e) continue;
    const std::string at = "line " + std::to_string(i + 1);
    if (lastDigit && WithinLastDigit(e, a))
      c.lastDigit.push_back(at + ": expected '" + e + "', actual '" + a + "'");
    else
      c.mismatches += at + "\n  expected: " + e + "\n  actual:   " + a + "\n";
  }
  return c;
}

}  // namespace scenario
