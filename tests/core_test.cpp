#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#if __has_include(<iconv.h>) && !defined(_WIN32)
#include <iconv.h>
#define TRAJEKTA_HAVE_ICONV 1
#endif

#include "core/Abort.h"
#include "core/LinearInterp.h"
#include "core/NativeFile.h"
#include "core/NumberText.h"
#include "core/RoundTo.h"
#include "core/ScanNumber.h"
#include "core/TextFile.h"

namespace {

struct RoundCase {
  const char* name;
  double value;
  int decimals;
  double expected;
};

class RoundToTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTest, RoundsHalvesAwayFromZero) {
  const auto& c = GetParam();
  EXPECT_DOUBLE_EQ(RoundTo(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundToTest,
    ::testing::Values(RoundCase{"PressureHalf", 1013.25, 1, 1013.3},
                      RoundCase{"NegativeHalf", -2.5, 0, -3}, RoundCase{"BelowHalf", 2.449, 1, 2.4},
                      RoundCase{"AngleSixDecimals", 0.1 + 2.0 / 240, 6, 0.108333},
                      RoundCase{"WholeNumberStays", 150, 0, 150},
                      RoundCase{"TinyBecomesZero", 4e-13, 12, 0},
                      RoundCase{"NegativeTinyBecomesZero", -0.04, 1, 0},
                      RoundCase{"FourDecimals", 1.54905, 4, 1.5491}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundToTest, ResultNearZeroHasNoNegativeSign) {
  EXPECT_FALSE(std::signbit(RoundTo(-0.00001, 2)));
}

// The unit conversions round ties toward +infinity, unlike RoundTo.
TEST(RoundHalfUpTest, TiesGoUp) {
  EXPECT_DOUBLE_EQ(RoundHalfUp(-1.2345, 3), -1.234);
  EXPECT_DOUBLE_EQ(RoundHalfUp(-1.23456, 3), -1.235);
  EXPECT_DOUBLE_EQ(RoundHalfUp(2.5, 0), 3);
  EXPECT_DOUBLE_EQ(RoundHalfUp(0.125, 2), 0.13);  // on every system's pow
  EXPECT_DOUBLE_EQ(RoundHalfUp(-2.5, 0), -2);
  EXPECT_DOUBLE_EQ(RoundHalfUp(39.370078740157477, 3), 39.37);
}

TEST(LinearInterpTest, InterpolatesAndExtrapolates) {
  EXPECT_DOUBLE_EQ(LinearInterp(1.5, 1, 2, 10, 20), 15);
  EXPECT_DOUBLE_EQ(LinearInterp(3, 1, 2, 10, 20), 30);
}

TEST(LinearInterpTest, EqualAbscissasReuseThePreviousSlope) {
  LinearInterp(0, 0, 1, 0, 4);  // slope 4
  // Through (5, 7) with the remembered slope: 7 + 4 * (6 - 5).
  EXPECT_DOUBLE_EQ(LinearInterp(6, 5, 5, 100, 7), 11);
}

class NumberTextTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDecimalSeparator(','); }
};

TEST_F(NumberTextTest, ParsesWithTheFieldSeparatorOnly) {
  SetDecimalSeparator(',');
  EXPECT_DOUBLE_EQ(ParseNumber("10,89"), 10.89);
  EXPECT_DOUBLE_EQ(ParseNumber("  -4 "), -4);
  EXPECT_DOUBLE_EQ(ParseNumber("1,5E3"), 1500);
  double v = 0;
  EXPECT_FALSE(TryParseNumber("10.89", v));
  EXPECT_FALSE(TryParseNumber("", v));
  EXPECT_FALSE(TryParseNumber(",", v));
  EXPECT_FALSE(TryParseNumber("1e", v));
  EXPECT_FALSE(TryParseNumber("12 3", v));
  EXPECT_FALSE(TryParseNumber("1e999", v));
  SetDecimalSeparator('.');
  EXPECT_DOUBLE_EQ(ParseNumber("10.89"), 10.89);
  EXPECT_FALSE(TryParseNumber("10,89", v));
}

// The nearest double, as strtod gives it, without the C library's locale.
TEST(DecimalValueTest, RoundsToTheNearestDoubleAndSaturatesLikeStrtod) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"+2.5e-3", 0.0025},      {"4.9406564584124654e-324", 4.9406564584124654e-324},
      {"2e308", HUGE_VAL},      {"-0.00001e-999", -0.0},
      {"0.000001e+309", 1e303}, {"1e0000000000000000400", HUGE_VAL},
  };
  for (const auto& c : cases) {
    const double v = DecimalValue(c.text);
    EXPECT_EQ(v, c.value) << c.text;
    EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << c.text;
  }
}

TEST_F(NumberTextTest, TextThatIsNoNumberAbortsQuotingIt) {
  try {
    ParseNumber("abc");
    FAIL() << "no abort";
  } catch (const ActionAborted& a) {
    EXPECT_NE(a.Text().find("'abc'"), std::string::npos) << a.Text();
  }
}

TEST_F(NumberTextTest, FormatsTheShortestGeneralForm) {
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatNumber(1013.3), "1013,3");
  EXPECT_EQ(FormatNumber(150), "150");
  EXPECT_EQ(FormatNumber(0.1 + 0.2), "0,3");
  EXPECT_EQ(FormatNumber(8 * 0.1), "0,8");
  EXPECT_EQ(FormatNumber(-0.05), "-0,05");
  EXPECT_EQ(FormatNumber(0.00001), "0,00001");
  EXPECT_EQ(FormatNumber(0.0000015), "1,5E-6");
  EXPECT_EQ(FormatNumber(1e15), "1E15");
  EXPECT_EQ(FormatNumber(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatNumber(0), "0");
  SetDecimalSeparator('.');
  EXPECT_EQ(FormatNumber(977.9), "977.9");
}

TEST(SprintfTest, WritesADecimalPointWhateverTheSeparator) {
  SetDecimalSeparator(',');
  EXPECT_EQ(Sprintf("%9.3f", 0.462), "    0.462");
  EXPECT_EQ(Sprintf("%9.0i", 163), "      163");
}

// Reports and files read the same on every system: printf's C-locale text, exponents of two
// digits (a Windows C library writes three), whatever the flags.
TEST(SprintfTest, WritesWhatPrintfWritesInTheCLocale) {
  const struct {
    std::string got, want;
  } cases[] = {
      {Sprintf("%9.2e|%E", 0.00012345, 1e100), " 1.23e-04|1.000000E+100"},
      {Sprintf("%g %g %8g %G", 0.0001, 1e-5, 1200.0, 2.5e20), "0.0001 1e-05     1200 2.5E+20"},
      {Sprintf("%-7.1f|%+.1f|%07.2f|% .0f", 2.25, 3.0, -1.5, 7.5), "2.2    |+3.0|-001.50| 8"},
      {Sprintf("%.*f %5.0f %6.4f", 3, 1.0005, -0.4, 2.0 / 3), "1.000    -0 0.6667"},
      {Sprintf("%6.0i|%ld|%zu|%x|%c", 0, -7L, size_t{42}, 255u, 'A'), "      |-7|42|ff|A"},
      {Sprintf("%s %5s %% %d", "a", "bc", 5), "a    bc % 5"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(ScanDoubleTest, ReadsLikeFormattedInput) {
  const std::string text = "  0.2629 0.00\n1.5e-1x ,";
  size_t pos = 0;
  double v = 0;
  ASSERT_TRUE(ScanDouble(text, pos, v));
  EXPECT_DOUBLE_EQ(v, 0.2629);
  ASSERT_TRUE(ScanDouble(text, pos, v));
  EXPECT_DOUBLE_EQ(v, 0);
  ASSERT_TRUE(ScanDouble(text, pos, v));
  EXPECT_DOUBLE_EQ(v, 0.15);
  EXPECT_EQ(text[pos], 'x');
  EXPECT_FALSE(ScanDouble(text, pos, v));
  size_t p2 = 0;
  ASSERT_TRUE(ScanDouble("7e+", p2, v));  // an exponent without digits is not taken
  EXPECT_DOUBLE_EQ(v, 7);
  EXPECT_EQ(p2, 1u);
}

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("trajekta-core-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(TextFileTest, WritesWindows1250WithCrLfAndReadsItBack) {
  const std::string path = (dir_ / "a.txt").string();
  ASSERT_EQ(WriteTextFile(path, {"Příčný vítr", "Ž"}), "");
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes);
  // 'ř' is 0xF8 and 'Ž' 0x8E in Windows-1250.
  EXPECT_EQ(*bytes, std::string("P\xF8\xED\xE8n\xFD v\xEDtr\r\n\x8E\r\n"));
  EXPECT_EQ(*ReadTextFile(path), "Příčný vítr\nŽ\n");
  const auto lines = ReadTextLines(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"Příčný vítr", "Ž"}));
}

TEST_F(TextFileTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Cp1250FromUtf8("a€b✓c"),
            "a\x80"
            "b?c");
}

#ifdef TRAJEKTA_HAVE_ICONV
// One character through iconv, or '?' where iconv has none.
std::string Iconv(const char* to, const char* from, std::string in) {
  iconv_t cd = iconv_open(to, from);
  char out[8];
  char* src = in.data();
  char* dst = out;
  size_t srcLeft = in.size(), dstLeft = sizeof out;
  const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, dst) : "?";
}
#endif

// The table cannot drift from the code page: iconv agrees on all 256 bytes and on every
// character of the Basic Multilingual Plane, and every defined byte comes back as itself.
TEST(CodePageTest, TableAgreesWithIconvAndEveryDefinedByteComesBack) {
  std::string all, defined;
  for (int b = 1; b < 256; ++b) {
    all += static_cast<char>(b);
    defined += std::string("\x81\x83\x88\x90\x98").find(static_cast<char>(b)) == std::string::npos
                   ? static_cast<char>(b)
                   : '?';
  }
  EXPECT_EQ(Cp1250FromUtf8(Utf8FromCp1250(all)), defined);
#ifdef TRAJEKTA_HAVE_ICONV
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8FromCp1250(byte), Iconv("UTF-8", "CP1250", byte)) << b;
  }
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const std::string utf8 =
        Iconv("UTF-8", "UTF-32LE", std::string(reinterpret_cast<char*>(&c), 4));
    EXPECT_EQ(Cp1250FromUtf8(utf8), Iconv("CP1250", "UTF-8", utf8)) << static_cast<unsigned>(c);
  }
#endif
  // Bytes that are no UTF-8 become one '?' each sequence, and what follows them stays.
  EXPECT_EQ(Cp1250FromUtf8("a\xC5"
                           "b\xE2\x82"
                           "c\x80\xC0\xAF"
                           "d"),
            "a?b?c???d");
}

TEST(TextFromFileBytesTest, AnyLineEndUndefinedBytesAndUtf8) {
  const struct {
    std::string bytes, text;
  } cases[] = {
      {"a\r\nb\r\n", "a\nb\n"},
      {"a\nb", "a\nb"},
      {"a\rb\r\r\n", "a\nb\n\n"},
      {"x\x81y\x83\x88\x90\x98", "x?y????"},  // undefined in Windows-1250
      {"P\xF8\xED", "Pří"},
      {"P\xC5\x99\xC3\xAD\r\n", "Pří\n"},  // UTF-8
      {"\xEF\xBB\xBFP\xC5\x99", "Př"},     // UTF-8 with a byte order mark
      {"\xEF\xBB\xBF"
       "ab",
       "ab"},
      {"\xC5", "Ĺ"},                 // a cut UTF-8 sequence is Windows-1250
      {"\xED\xA0\x80", "í\u00A0€"},  // so is an encoded surrogate
  };
  for (const auto& c : cases) EXPECT_EQ(TextFromFileBytes(c.bytes), c.text) << c.bytes;
  EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a"), (std::vector<std::string>{"a"}));
}

// Windows refuses to rename over an existing file and takes narrow names in its own code page;
// a save over a file with a Czech name in a Czech folder works all the same.
TEST_F(TextFileTest, ReplacesAnExistingFileUnderItsCzechName) {
  const std::filesystem::path folder = dir_ / PathFromUtf8("Střelba");
  std::filesystem::create_directory(folder);
  const std::string path = Utf8FromPath(folder / PathFromUtf8("střely.txt"));
  for (const std::string text : {"první", "druhá přes první"}) {
    ASSERT_EQ(WriteTextFile(path, {text}), "") << text;
    EXPECT_EQ(ReadTextLines(path), std::vector<std::string>{text});
  }
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(Utf8FromPath(entry.path().filename()));
  EXPECT_EQ(names, std::vector<std::string>{"střely.txt"});
}

TEST_F(TextFileTest, FailedWriteKeepsTheOldFileAndSaysSo) {
  const std::string path = (dir_ / "keep.txt").string();
  ASSERT_EQ(WriteTextFile(path, {"old"}), "");
#ifndef _WIN32  // folders have no such permissions there
  std::filesystem::permissions(
      dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const std::string message = WriteTextFile(path, {"new"});
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
  if (geteuid() != 0) {  // root writes anyway
    EXPECT_NE(message.find("nelze zapsat"), std::string::npos);
    EXPECT_EQ(*ReadTextFile(path), "old\n");
  }
#endif
  EXPECT_NE(WriteTextFile((dir_ / "missing" / "x.txt").string(), {"x"}), "");
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
        << "temporary file left";
  }
}

#ifndef _WIN32
// A saved file is readable by all (rw-r--r--), also after it replaced an old one, and a save
// keeps no descriptor open, so a long session may save as often as it likes.
TEST_F(TextFileTest, SavedFileIsReadableByAllAndNoDescriptorStaysOpen) {
  auto openDescriptors = [] {
    return std::distance(std::filesystem::directory_iterator("/dev/fd"),
                         std::filesystem::directory_iterator());
  };
  const std::string path = (dir_ / "mode.txt").string();
  const auto before = openDescriptors();
  for (const char* text : {"new", "overwritten", "again"}) {
    ASSERT_EQ(WriteTextFile(path, {text}), "");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u) << text;
  }
  EXPECT_EQ(openDescriptors(), before);
}
#endif

// Parameter files written on Windows name their DRG file with a drive letter.
TEST(FileNameTest, AbsolutePathsOfEitherSystem) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\Střelba\\x.drg", true},
      {"d:/x.drg", true},
      {"/home/x.drg", true},
      {"Střelba\\x.drg", false},
      {"x.drg", false},
      {"G7", false},
      {"", false},
  };
  for (const auto& [path, absolute] : cases) EXPECT_EQ(IsAbsolutePath(path), absolute) << path;
}

TEST(FileNameTest, SplitsFolderAndName) {
  EXPECT_EQ(FileNameOf("/a/b/G1.drg"), "G1.drg");
  EXPECT_EQ(FileNameOf("C:\\x\\y.drg"), "y.drg");
  EXPECT_EQ(FolderOf("/a/b/G1.drg"), "/a/b");
}

}  // namespace
