// The scenario scripts run by the script runner inside this program, against the output that
// trajekta-cli gives on Linux. Built for Windows, this compares the two systems: their C
// libraries may round pow, exp or atan differently in the last bit, which can move a printed
// number by one unit in its last digit; such lines are listed, anything more fails.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "cli/ScriptRunner.h"
#include "core/NativeFile.h"
#include "core/NumberText.h"
#include "core/TextFile.h"
#include "scenario_support.h"

namespace {

using namespace scenario;

class ScenarioReplayTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioReplayTest, MatchesLinuxOutput) {
  const std::string name = GetParam();
  const fs::path dir = fs::temp_directory_path() /
                       ("trajekta-replay-" + name + "-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  WriteDrgFiles(dir);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  // trajekta-cli runs them with LC_ALL=C.
  SetDecimalSeparator('.');
  std::ostringstream output;
  int status = 0;
  {
    // Pixels are Qt's; a saved picture here is a file that names its size.
    auto writer = [](const forms::Canvas& picture, const std::string& path) {
      const std::string size =
          std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
      return WriteFileBytes(path, size).empty();
    };
    // And a range card's PDF is a file that names its pages.
    auto pdf = [](const forms::Document& document) -> std::optional<std::string> {
      return "%PDF-" + std::to_string(document.pages.size());
    };
    ScriptRunner runner(output, output, Utf8FromPath(dir), writer, pdf);
    std::ifstream script(kScenarios / (name + ".script"));
    status = runner.Run(script);
  }
  SetDecimalSeparator(',');
  fs::current_path(previous);
  fs::remove_all(dir);
  EXPECT_EQ(status, 0) << output.str();
  const Comparison c = Compare(ReadAll(kScenarios / (name + ".expected")), output.str(), true);
  EXPECT_TRUE(c.mismatches.empty()) << name << ":\n" << c.mismatches;
  for (const auto& line : c.lastDigit)
    std::cout << "[ last digit ] " << name << " " << line << "\n";
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioReplayTest, ::testing::ValuesIn(Names()),
                         [](const auto& info) { return TestName(info.param); });

// The comparison itself: one unit in the last printed digit passes, more or other text fails.
TEST(ScenarioCompareTest, AllowsOnlyTheLastPrintedDigit) {
  const struct {
    std::string expected, actual;
    bool lastDigit, mismatch;
  } cases[] = {
      {"  100   12.35  -0.0", "  100   12.36   0.0", true, false},
      {"     9.9 m  9", "    10.0 m 10", true, false},
      {"  100   12.35", "  100   12.37", false, true},
      {"  100   12.35", "  100   12.4", false, true},
      {"message: a 1", "message: b 1", false, true},
  };
  for (const auto& t : cases) {
    const Comparison c = Compare(t.expected, t.actual, true);
    EXPECT_EQ(!c.lastDigit.empty(), t.lastDigit) << t.expected << " | " << t.actual;
    EXPECT_EQ(!c.mismatches.empty(), t.mismatch) << t.expected << " | " << t.actual;
  }
}

}  // namespace
