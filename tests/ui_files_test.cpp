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
    // A reference to a DRG file that has gone: a message, and the reading goes on.
    std::filesystem::remove(file);
    second.w().Edit2.SetText("1");
    EXPECT_EQ(second.Act([&] { second.w().LoadParameterFile(folder.Path() + "/init"); }),
              Shown{Msg("DRG funkce odporu nenalezena.")});
    EXPECT_EQ(second.w().Edit2.Text(), "10,89");
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

}  // namespace
