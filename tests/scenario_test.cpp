// Scripts run through trajekta-cli and compared with their expected output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenario_support.h"

namespace fs = std::filesystem;

namespace {

using namespace scenario;

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsWhatIsExpected) {
  const std::string name = GetParam();
  const fs::path dir =
      fs::temp_directory_path() / ("trajekta-scenario-" + name + "-" + std::to_string(getpid()));
  fs::create_directories(dir);
  WriteDrgFiles(dir);
  const fs::path script = kScenarios / (name + ".script");
  const std::string command = "cd '" + dir.string() + "' && LC_ALL=C '" +
                              std::string(TRAJEKTA_CLI) + "' run '" + script.string() +
                              "' --program-folder '" + dir.string() + "' 2>&1";
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
  const int status = pclose(pipe);
  fs::remove_all(dir);
  const fs::path expectedPath = kScenarios / (name + ".expected");
  if (std::getenv("TRAJEKTA_UPDATE_SCENARIOS")) {
    std::ofstream(expectedPath, std::ios::binary) << output;
    GTEST_SKIP() << "expected output written";
  }
  EXPECT_EQ(WEXITSTATUS(status), 0) << output;
  const Comparison c = Compare(ReadAll(expectedPath), output, false);
  EXPECT_TRUE(c.mismatches.empty()) << name << ":\n" << c.mismatches;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioTest, ::testing::ValuesIn(Names()),
                         [](const auto& info) { return TestName(info.param); });

// Exit statuses and streams of the command line: 0 done, 1 a line that cannot run, 2 usage.
TEST(CliConventionsTest, ExitStatusAndStreams) {
  const struct {
    std::string args, input;
    int status;
    std::string out, err;  // text that the stream must contain ("" when it must be empty)
  } cases[] = {
      {"--help", "", 0, "usage: trajekta-cli", ""},
      {"--version", "", 0, "trajekta-cli 2.", ""},
      {"", "", 2, "", "usage:"},
      {"frobnicate", "", 2, "", "usage:"},
      {"run", "", 2, "", "usage:"},
      {"run -", "click Tvstup.Button3\nclick Tvstup.Nothing\nclick Tvstup.Button3\n", 1, "",
       "line 2: unknown control"},
      {"run -", "set Tvstup.Edit2 abc\nclick Tvstup.Button3\n", 0, "message: ", ""},
      {"run /nonexistent.script", "", 1, "", "cannot read"},
  };
  for (const auto& c : cases) {
    const fs::path in = fs::temp_directory_path() / ("trajekta-cli-in-" + std::to_string(getpid()));
    std::ofstream(in) << c.input;
    const fs::path err = in.string() + ".err";
    const std::string command = "LC_ALL=C '" + std::string(TRAJEKTA_CLI) + "' " + c.args + " < '" +
                                in.string() + "' 2> '" + err.string() + "'";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    const int status = WEXITSTATUS(pclose(pipe));
    const std::string errText = ReadAll(err);
    fs::remove(in);
    fs::remove(err);
    EXPECT_EQ(status, c.status) << c.args;
    for (const auto& [text, want] : {std::pair{out, c.out}, std::pair{errText, c.err}}) {
      if (want.empty())
        EXPECT_EQ(text, "") << c.args;
      else
        EXPECT_NE(text.find(want), std::string::npos) << c.args << ": " << text;
    }
  }
}

}  // namespace
