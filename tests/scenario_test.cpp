// Scripts run through trajekta-cli and compared with their expected output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "scenario_support.h"

namespace fs = std::filesystem;

namespace {

using namespace scenario;

// Standard output and error of a shell command, and its exit status.
std::string Shell(const std::string& command, int& status) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) {
    status = -1;
    return output;
  }
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
  status = WEXITSTATUS(pclose(pipe));
  return output;
}

// A scenario run in a fresh folder that holds the files the scripts load.
std::string RunScenario(const std::string& name, const fs::path& dir, int& status) {
  fs::create_directories(dir);
  WriteDrgFiles(dir);
  const fs::path script = kScenarios / (name + ".script");
  return Shell("cd '" + dir.string() + "' && LC_ALL=C '" + std::string(TRAJEKTA_CLI) + "' run '" +
                   script.string() + "' --program-folder '" + dir.string() + "'",
               status);
}

class ScenarioTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ScenarioTest, PrintsWhatIsExpected) {
  const std::string name = GetParam();
  const fs::path dir =
      fs::temp_directory_path() / ("trajekta-scenario-" + name + "-" + std::to_string(getpid()));
  int status = 0;
  const std::string output = RunScenario(name, dir, status);
  fs::remove_all(dir);
  const fs::path expectedPath = kScenarios / (name + ".expected");
  if (std::getenv("TRAJEKTA_UPDATE_SCENARIOS")) {
    std::ofstream(expectedPath, std::ios::binary) << output;
    GTEST_SKIP() << "expected output written";
  }
  EXPECT_EQ(status, 0) << output;
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

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::istringstream in(line);
  std::string t;
  while (in >> t) tokens.push_back(t);
  return tokens;
}

// The words of the line that starts with a table row's distance and has that many words.
std::vector<std::string> RowAt(const std::string& text, const std::string& distance, size_t cells) {
  for (const auto& line : Lines(text)) {
    const auto t = Tokens(line);
    if (t.size() == cells && t[0] == distance) return t;
  }
  return {};
}

// The three cards of the scenario read back by pdftotext: the saved file's header, and in
// each table the numbers that the computation's report prints at the same distance.
TEST(RangeCardPdfTest, CardsHoldTheHeaderAndTheReportsNumbers) {
  const fs::path dir = fs::temp_directory_path() / ("trajekta-cards-" + std::to_string(getpid()));
  int status = 0;
  const std::string output = RunScenario("range_card", dir, status);
  ASSERT_EQ(status, 0) << output;
  const std::string report = Shell(
      "LC_ALL=C '" + std::string(TRAJEKTA_CLI) + "' table --program-folder '" + dir.string() + "'",
      status);
  std::vector<std::vector<std::string>> rows;
  bool inTable = false;
  for (auto line : Lines(report)) {
    if (inTable && Tokens(line).size() == 8) {
      std::replace(line.begin(), line.end(), '.', ',');
      rows.push_back(Tokens(line));
    }
    inTable = inTable || line.starts_with("-----");
  }
  ASSERT_EQ(rows.size(), 5u) << report;
  std::map<std::string, std::string> text;
  const std::pair<const char*, std::string> pages[] = {{"karta-a4.pdf", "595 x 842 pts (A4)"},
                                                       {"karta-a6.pdf", "297 x 420 pts"},
                                                       {"karta-85x54.pdf", "241 x 153 pts"}};
  for (const auto& [name, size] : pages) {
    text[name] = Shell("pdftotext -layout '" + (dir / name).string() + "' -", status);
    ASSERT_EQ(status, 0) << "pdftotext (Debian package poppler-utils): " << text[name];
    const std::string info = Shell("pdfinfo '" + (dir / name).string() + "'", status);
    EXPECT_NE(info.find("Page size:       " + size), std::string::npos) << info;
  }
  fs::remove_all(dir);

  const std::string& a4 = text["karta-a4.pdf"];
  for (const char* header : {"Náboj:", "308 Sierra MatchKing 168gr.",
                             "Počáteční rychlost [m/s]:", "Klik puškohledu:", "Krok výpočtu [ms]:"})
    EXPECT_NE(a4.find(header), std::string::npos) << header;
  for (const auto& row : rows) {
    const auto lines = Lines(a4);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](auto& l) { return Tokens(l) == row; }))
        << "A4 row " << row[0];
  }
  // Both small sizes: clicks, mrad, wind hold, time, energy.
  const struct {
    const char* file;
    std::vector<std::pair<size_t, size_t>> sameAs;  // card column, report column
    std::string farthest;
  } cards[] = {{"karta-a6.pdf", {{1, 2}, {4, 5}, {5, 4}}, "600"},
               {"karta-85x54.pdf", {{1, 2}, {4, 5}, {5, 4}}, "500"}};
  for (const auto& card : cards) {
    const std::string& t = text[card.file];
    EXPECT_NE(t.find("v0 800 m/s · nástřel 100 m"), std::string::npos) << card.file;
    EXPECT_FALSE(RowAt(t, card.farthest, 6).empty()) << card.file;
    for (const auto& row : rows) {
      const auto printed = RowAt(t, row[0], 6);
      if (row[0] != "100" && printed.empty()) continue;  // the card starts at 100 m
      ASSERT_FALSE(printed.empty()) << card.file << " row " << row[0];
      for (auto [mine, theirs] : card.sameAs)
        EXPECT_EQ(printed[mine], row[theirs]) << card.file << " row " << row[0];
    }
  }
}
