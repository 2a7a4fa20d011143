// Saving, loading and the start-up file as the calculation window does them.
#include <fstream>

#include "core/NativeFile.h"
#include "core/TextFile.h"
#include "drg_support.h"
#include "ui/Nastaveniuloz1.h"
#include "ui/Tabulka1.h"
#include "ui_test_support.h"

namespace {

using uitest::Msg;
using uitest::Shown;

// One run of the program in a folder that outlives it, so that the next run finds its files.
struct ProgramRun {
  explicit ProgramRun(const std::string& folder) : platform(folder) { app.Create(); }
  ~ProgramRun() { app.Destroy(); }
  Tvstup& w() { return app.vstup(); }
  Shown Act(const std::function<void()>& action) {
    platform.TakeShown();
    forms::RunUserAction(platform, action);
    return platform.TakeShown();
  }
  // "Ulož" with the options dialog confirmed and the file dialog answered.
  Shown Save(const std::string& path) {
    platform.QueueModalAnswer("Button1");
    platform.QueueFileAnswer(path);
    return Act([&] { w().Button5.Click(); });
  }
  uitest::SeparatorScope separator{','};
  forms::ScriptedPlatform platform;
  Application app{platform};
};

std::string Read(const std::string& path) {
  return ReadFileBytes(path).value_or("<missing>");
}

TEST(StartupFile, WrittenAfterAComputationAndReadAtTheNextStart) {
  uitest::TempFolder folder;
  const std::string init = folder.Path() + "/init";
  {
    ProgramRun first(folder.Path());
    first.w().Edit2.SetText("9,5");
  }
  // Quitting without a computation writes nothing.
  EXPECT_EQ(Read(init), "<missing>");
  {
    ProgramRun second(folder.Path());
    EXPECT_EQ(second.w().Edit2.Text(), "10,89");
    second.w().Edit2.SetText("9,5");
    second.w().Edit13.SetText("15");
    second.w().Edit8.SetText("1013,25");
    second.w().RadioGroup6.Pick(0);
    EXPECT_EQ(second.Act([&] { second.w().Button3.Click(); }), Shown{});
  }
  const std::string written = Read(init);
  EXPECT_EQ(written.substr(0, 2), "\r\n");
  EXPECT_NE(written.back(), '\n');
  {
    ProgramRun third(folder.Path());
    EXPECT_EQ(third.w().Edit2.Text(), "9,5");
    EXPECT_EQ(third.w().Edit29.Text(), "0");
    EXPECT_EQ(third.w().RadioGroup6.ItemIndex(), 0);
  }
  // The third run computed nothing: the file of the second stays byte for byte.
  EXPECT_EQ(Read(init), written);
}

// The start-up file names the DRG file by its full path: on Windows with a drive letter and
// backslashes, here in a Czech folder.
TEST(StartupFile, DrgReferenceRestoresTheFunctionAndTheDialogName) {
  for (const char* name : {"lapua.drg", "Střelba/střela 7,62.drg"}) {
    uitest::TempFolder folder;
    const auto file = (PathFromUtf8(folder.Path()) / PathFromUtf8(name)).make_preferred();
    std::filesystem::create_directories(file.parent_path());
    const std::string drg = Utf8FromPath(file);
    ASSERT_TRUE(IsAbsolutePath(drg)) << drg;
    std::ofstream(file, std::ios::binary) << drgtest::PlainDrg(
        {{0.26, 0.0}, {0.25, 0.5}, {0.45, 1.0}, {0.6, 1.5}, {0.5, 3.0}, {0.49, 5.0}});
    {
      ProgramRun first(folder.Path());
      first.platform.QueueFileAnswer(drg);
      EXPECT_EQ(first.Act([&] { first.w().Button4.Click(); }), Shown{});
      first.w().Edit1.SetText("1,05");
      EXPECT_EQ(first.Act([&] { first.w().Button3.Click(); }), Shown{});
    }
    ProgramRun second(folder.Path());
    EXPECT_EQ(second.w().ComboBox6.ItemIndex(), 0) << drg;
    EXPECT_EQ(second.w().RadioGroup5.ItemIndex(), 0);
    EXPECT_EQ(second.w().Edit1.Text(), "1,05");
    EXPECT_EQ(second.w().computation().drgPath, drg);
    second.platform.QueueFileAnswer(std::nullopt);
    second.Act([&] { second.w().Button4.Click(); });
    EXPECT_EQ(second.platform.Dialogs().back().defaultName, drg);
    // A reference to a DRG file that has gone: the reading goes on, and the message names the
    // file and what the computation goes on with.
    std::filesystem::remove(file);
    second.w().Edit2.SetText("1");
    const std::string missing = "DRG funkce odporu nenalezena: " + drg + ". Výpočet pokračuje ";
    const std::string base = Utf8FromPath(file.filename());
    EXPECT_EQ(
        second.Act([&] { second.w().LoadParameterFile(folder.Path() + "/init"); }),
        Shown{Msg(missing + "s funkcí odporu ze souboru " + base + " a koeficientem tvaru 1,05.")});
    EXPECT_EQ(second.w().Edit2.Text(), "10,89");
    // At the next start the built-in function stays, and the header's coefficient serves it.
    ProgramRun third(folder.Path());
    EXPECT_EQ(third.w().ComboBox6.ItemIndex(), 1);
    const double coefficient = 0.01089 * 0.001422341 / (0.00782 * 0.00782 * 1.05);
    EXPECT_EQ(third.w().Edit1.Text(), FormatNumber(uitest::Round(coefficient, 4)));
    EXPECT_EQ(third.platform.Shown(),
              Shown{Msg(missing + "s funkcí odporu G1 a balistickým koeficientem " +
                        third.w().Edit1.Text() + ".")});
  }
}

TEST(SaveAction, UnwritableFileIsReportedAndTheOldOneStays) {
  uitest::TempFolder folder;
  ProgramRun run(folder.Path());
  ASSERT_EQ(run.Act([&] { run.w().Button3.Click(); }), Shown{});
  const std::string path = folder.Path() + "/saved.txt";
  ASSERT_EQ(run.Save(path), Shown{});
  const std::string before = Read(path);
  // Replacing it fails when its folder path runs through a file; so does a rename over a
  // folder. Neither leaves anything half-written.
  EXPECT_EQ(run.Save(path + "/x.txt"),
            Shown{Msg("Soubor " + path + "/x.txt nelze zapsat (složka neexistuje).")});
  std::filesystem::create_directory(folder.Path() + "/dir.txt");
  EXPECT_EQ(run.Save(folder.Path() + "/dir.txt").size(), 1u);
  EXPECT_EQ(Read(path), before);
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(folder.Path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST(SaveAction, InclineStateGivesTheInclineVariantAndTheStepComesBack) {
  uitest::TempFolder folder;
  ProgramRun run(folder.Path());
  run.w().CheckBox4.Click();
  run.w().Edit15.SetText("400");
  run.w().CheckBox5.Click();
  ASSERT_EQ(run.Act([&] { run.w().Button3.Click(); }), Shown{});
  Computation& comp = run.w().computation();
  comp.sightLineRiseM = 150;
  comp.inclineDistanceM = 300 * std::cos(M_PI / 6);
  const std::string path = folder.Path() + "/incline.txt";
  ASSERT_EQ(run.Save(path), Shown{});
  const std::string text = Utf8FromCp1250(Read(path));
  EXPECT_NE(text.find("\r\n Střelba do / z kopce  \r\n \r\n Š.V.[m]"), std::string::npos);
  EXPECT_NE(text.find("\r\n  300 "), std::string::npos);
  EXPECT_EQ(comp.in.tableStepM, 25);
  // The same file loads the same fields as a normal one.
  run.w().Edit4.SetText("1");
  run.Act([&] { run.w().LoadParameterFile(path); });
  EXPECT_EQ(run.w().Edit4.Text(), "800");
  // A height of exactly 0 gives the normal variant.
  comp.sightLineRiseM = 0;
  ASSERT_EQ(run.Save(path), Shown{});
  EXPECT_EQ(Utf8FromCp1250(Read(path)).find("kopce"), std::string::npos);
}

TEST(LoadParameterFile, FormatMessageLeavesTheWindowAlone) {
  uitest::TempFolder folder;
  ProgramRun run(folder.Path());
  const std::string path = folder.Path() + "/notes.txt";
  std::ofstream(path, std::ios::binary) << std::string(260, 'a') + ": 5";
  run.w().Edit2.SetText("3");
  EXPECT_EQ(run.Act([&] { run.w().LoadParameterFile(path); }),
            Shown{Msg("Chybný formát dat. Nejedná se o výstupní soubor z Vnější trajekty 2.4.")});
  EXPECT_EQ(run.w().Edit2.Text(), "3");
}

// Every file "Ulož" writes loads back into the fields it was saved from, in a program started
// afresh: the four formats, the incline variant, and the variable coefficient.
struct RoundTrip {
  std::string name;
  int format;  // of the save-options dialog
  bool incline;
  int bands;  // 0: one coefficient
};

class SavedFile : public testing::TestWithParam<RoundTrip> {};

TEST_P(SavedFile, LoadsTheFieldsItWasSavedFrom) {
  const RoundTrip& k = GetParam();
  // clang-format off
  const std::vector<std::pair<std::string, std::string>> typed = {
      {"ComboBox6", "5"}, {"Edit2", "10,89"}, {"Edit3", "7,85"}, {"Edit4", "812,5"}, {"Edit5", "42,5"},
      {"Edit19", "150"}, {"ComboBox2", "7"}, {"Edit24", "7,5"}, {"RadioGroup6", "0"}, {"Edit13", "12,5"},
      {"Edit8", "990,5"}, {"Edit9", "55"}, {"Edit10", "2,5"}, {"Edit11", "-1,5"}, {"Edit55", "0,5"},
      {"Edit58", "9,807"}, {"Edit33", "Náboj 7,62×51: test"}, {"Edit1", "0,405"},
      {"RadioGroup5", k.bands ? "2" : "1"}, {"CheckBox6", k.bands > 2 ? "on" : "off"},
      {"CheckBox7", k.bands > 3 ? "on" : "off"}};
  // clang-format on
  // The header carries what was typed (bands instead of Edit1) and the solved angle, which the
  // incline variant saves tilted.
  std::vector<std::string> names = {"Edit30", "Edit31", "Edit32", "Edit34",   "Edit36",
                                    "Edit37", "Edit38", "Edit39", "CheckBox9"};
  if (!k.bands) names = {"Edit1"};
  for (const auto& [name, value] : typed) {
    if (name != "Edit1" && (k.bands || name.substr(0, 8) != "CheckBox")) names.push_back(name);
  }
  if (!k.incline) names.push_back("Edit6");
  auto fields = [&](Tvstup& w) {
    std::vector<std::string> shown;
    for (const auto& name : names) shown.push_back(uitest::Showing(*w.Find(name)));
    return shown;
  };
  uitest::TempFolder first, second;
  const std::string path = first.Path() + "/saved.txt";
  std::vector<std::string> saved;
  {
    ProgramRun run(first.Path());
    for (const auto& [control, value] : typed) uitest::Apply(run.w(), control, value);
    ASSERT_EQ(run.Act([&] { run.w().Button3.Click(); }), Shown{});
    if (k.incline) {
      ASSERT_EQ(run.Act([&] { run.w().Button11.Click(); }), Shown{});
    }
    run.app.nastaveniuloz().RadioGroup1.Pick(k.format);
    ASSERT_EQ(run.Save(path), Shown{});
    saved = fields(run.w());
  }
  ProgramRun fresh(second.Path());  // its start values have bands 3 and 4 switched on
  ASSERT_EQ(fresh.Act([&] { fresh.w().LoadParameterFile(path); }), Shown{});
  EXPECT_EQ(fields(fresh.w()), saved);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, SavedFile,
    testing::Values(RoundTrip{"Text", 0, false, 0}, RoundTrip{"CzechCsv", 1, false, 0},
                    RoundTrip{"EnglishCsv", 2, false, 0}, RoundTrip{"AllData", 3, false, 0},
                    RoundTrip{"TextIncline", 0, true, 0}, RoundTrip{"CzechCsvIncline", 1, true, 0},
                    RoundTrip{"EnglishCsvIncline", 2, true, 0},
                    RoundTrip{"CzechCsvTwoBands", 1, false, 2},
                    RoundTrip{"EnglishCsvTwoBands", 2, false, 2},
                    RoundTrip{"TextFourBands", 0, false, 4}),
    [](const auto& info) { return info.param.name; });

}  // namespace
