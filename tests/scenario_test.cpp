// Scripts run through trajekta-cli and compared with their expected output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "drg_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kScenarios = fs::path(TRAJEKTA_TEST_DATA).parent_path() / "scenarios";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The files the scripts load, written fresh into the folder a script runs in.
void WriteDrgFiles(const fs::path& dir) {
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
  const auto actual = Lines(output), expected = Lines(ReadAll(expectedPath));
  // Every differing line, not just the first.
  std::ostringstream diff;
  for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
    const std::string a = i < actual.size() ? actual[i] : "<none>";
    const std::string e = i < expected.size() ? expected[i] : "<none>";
    if (a != e) diff << "line " << i + 1 << "\n  expected: " << e << "\n  actual:   " << a << "\n";
  }
  EXPECT_TRUE(diff.str().empty()) << name << ":\n" << diff.str();
}

std::vector<std::string> Scenarios() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kScenarios)) {
    if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScenarioTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) {
                           std::string n = info.param;
                           for (auto& ch : n) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return n;
                         });

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
