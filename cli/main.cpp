// trajekta-cli: the window models driven from scripts, without a display.
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli/ScriptRunner.h"
#include "core/NativeFile.h"
#include "core/NumberText.h"
#include "forms/Platform.h"
#include "qt/CanvasRenderer.h"
#include "qt/PdfRenderer.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace {

const char* const kUsage =
    "usage: trajekta-cli run SCRIPT|- [--program-folder DIR]\n"
    "       trajekta-cli table [PARAMETER-FILE|-] [--program-folder DIR]\n"
    "       trajekta-cli --help | --version\n"
    "\n"
    "Exit status: 0 done (message boxes are output), 1 a script line or file that cannot\n"
    "be used (its line number on standard error), 2 wrong command-line arguments.\n"
    "\n"
    "Script commands, one a line (# starts a comment):\n"
    "  decimal , | .                   decimal separator of the fields\n"
    "  set    Window.Control text      type into an edit field\n"
    "  check  Window.Control on|off    click a check box or radio button if that changes it\n"
    "  pick   Window.Control N         choose item N of a radio group or combo box\n"
    "  click  Window.Control [up|down] click a button (up/down for an up-down counter)\n"
    "  scroll Window.Control N         move a scroll bar to position N\n"
    "  show   Window                   open a window\n"
    "  restart                         quit (start-up file written) and start again\n"
    "  mouse  Window.Control down|move|up|dblclick X Y\n"
    "  answer PATH | cancel            what the next file dialog returns\n"
    "  modal  Window.Control | close   what the next modal window does\n"
    "  print  Window.Control           text, caption or memo lines\n"
    "  state  Window.Control           enabled=0|1 visible=0|1 [checked=0|1] [index=N]\n"
    "  image  Window.Control PATH      the control's picture as .bmp or .png\n"
    "  file   PATH                     a file's lines (Windows-1250 shown as UTF-8)\n"
    "A table takes 'set Window.Grid COL ROW text' and 'mouse Window.Grid down X Y'.\n";

// A folder that lives as long as the run, so that no script touches a real start-up file.
class TempFolder {
 public:
  TempFolder() {
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty() && !ec; ++attempt) {
      const auto folder = base / ("trajekta-" + std::to_string(random()));
      if (!std::filesystem::create_directory(folder, ec)) continue;
      // Private, as Qt wants its runtime folder.
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
      path_ = Utf8FromPath(folder);
    }
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(PathFromUtf8(path_), ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

int Usage(const std::string& problem) {
  std::cerr << "trajekta-cli: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string folder;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--program-folder") {
      if (i + 1 >= args.size()) return Usage("--program-folder needs a folder");
      folder = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
      break;
    }
  }
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (!args.empty() && args[0] == "--version") {
    std::cout << "trajekta-cli " TRAJEKTA_VERSION "\n";
    return 0;
  }
  if (args.empty()) return Usage("a command is needed");
  const bool run = args[0] == "run" && args.size() == 2;
  const bool table = args[0] == "table" && args.size() <= 2;
  if (!run && !table) return Usage("unknown command or wrong arguments: " + args[0]);

  SetDecimalSeparator(SystemDecimalSeparator());
  TempFolder temp;
  // Qt wants a private runtime folder; the temporary one serves.
  if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && !temp.path().empty())
    qputenv("XDG_RUNTIME_DIR", temp.path().c_str());
  if (folder.empty()) folder = temp.path();
    // Pictures need fonts, and fonts need a GUI application; no display is used. Windows
    // always has a desktop, and its deployment brings the windows platform plugin only.
#ifndef _WIN32
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QGuiApplication gui(qtArgc, qtArgv);

  if (run) {
    ScriptRunner runner(std::cout, std::cerr, folder, SavePicture, RenderPdf);
    if (args[1] == "-") return runner.Run(std::cin);
    std::ifstream script(PathFromUtf8(args[1]));
    if (!script) {
      std::cerr << "trajekta-cli: cannot read " << args[1] << "\n";
      return 1;
    }
    return runner.Run(script);
  }
  if (args[0] == "table" && args.size() <= 2) {
    if (args.size() == 2 && args[1] == "-") {
      // Standard input becomes a file like any other parameter file.
      args[1] = temp.path() + "/stdin.txt";
      std::ofstream(PathFromUtf8(args[1]), std::ios::binary) << std::cin.rdbuf();
    }
    if (args.size() == 2 && !std::ifstream(PathFromUtf8(args[1]))) {
      std::cerr << "trajekta-cli: cannot read " << args[1] << "\n";
      return 1;
    }
    ScriptRunner runner(std::cout, std::cerr, folder, SavePicture, RenderPdf);
    Tvstup& w = runner.App().vstup();
    const size_t before = w.Memo1.Lines().size();
    bool ok = true;
    forms::RunUserAction(runner.App().platform(), [&] {
      ok = false;
      if (args.size() == 2) w.LoadParameterFile(args[1]);
      w.Button3Click();
      ok = true;
    });
    const auto& lines = w.Memo1.Lines();
    for (size_t i = before; i < lines.size(); ++i) std::cout << lines[i] << "\n";
    return ok ? 0 : 1;
  }
  return Usage("unknown command");
}
