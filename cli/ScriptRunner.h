#pragma once
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "forms/Platform.h"
#include "ui/Application.h"

// Runs a script of user actions against the window models, without a display.
class ScriptRunner {
 public:
  using PictureWriter = std::function<bool(const forms::Canvas&, const std::string&)>;
  using PdfRenderer = std::function<std::optional<std::string>(const forms::Document&)>;
  // Without a picture writer or PDF renderer, pictures or range cards cannot be saved (the
  // runner needs no renderer).
  ScriptRunner(std::ostream& out, std::ostream& err, std::string programFolder,
               PictureWriter pictureWriter = {}, PdfRenderer pdfRenderer = {});
  ~ScriptRunner();

  // Exit status: 0 when the script ran to its end (message boxes included), 1 for a line
  // that cannot run; the line number goes to the error stream.
  int Run(std::istream& script);

  // Creates the windows now (otherwise the first command that needs them does).
  Application& App();

 private:
  int Execute(const std::string& line, int lineNo);
  forms::Control* FindControl(const std::string& path, int lineNo);
  int Fail(int lineNo, const std::string& text);
  void Print(forms::Control& control);
  void State(forms::Control& control);
  void PrintFile(const std::string& path);

  std::ostream& out_;
  std::ostream& err_;
  forms::ScriptedPlatform platform_;
  std::unique_ptr<Application> app_;
};
