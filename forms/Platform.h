#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

class Canvas;
class Control;
struct Document;
class Window;

struct FileDialogOptions {
  std::string title;
  std::string filter;       // "Text  (*.txt)|*.txt", pairs of caption and pattern
  std::string defaultName;  // file name proposed in the dialog
  std::string defaultExt;   // added to a typed name without extension; empty adds nothing
  std::string initialDir;
  bool overwritePrompt = false;
};

// Everything outside the process.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void ShowError(const std::string& title, const std::string& text) = 0;
  virtual std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) = 0;
  // Modal windows return when they are closed.
  virtual void ShowWindow(Window& window, bool modal) = 0;
  virtual void CloseWindow(Window& window) = 0;
  // Paint the control at once, inside a running action (the busy label).
  virtual void RepaintNow(Control& control) = 0;
  virtual std::string ProgramFolder() = 0;
  // Writes a picture as Windows BMP (or PNG for a .png name); false when it fails.
  virtual bool SavePicture(const Canvas& picture, const std::string& path) = 0;
  // The bytes of a PDF file of the document; nothing when it cannot be made.
  virtual std::optional<std::string> RenderPdf(const Document& document) = 0;
  // Whether messages reach a person (a desktop with a display).
  virtual bool HasDisplay() const { return false; }
};

// Shows a busy label, painted at once, until the scope ends (also when the action aborts).
class BusyScope {
 public:
  BusyScope(Platform& platform, Control& label);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Control& label_;
};

// Adds the default extension to a file name that has none.
std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt);

// Answers from queues and records what the program showed; for tests and scripts.
class ScriptedPlatform : public Platform {
 public:
  explicit ScriptedPlatform(std::string programFolder = ".") : folder_(std::move(programFolder)) {}

  // What the next file dialog returns; nothing means cancel.
  void QueueFileAnswer(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
  // What the next modal window does: press the named button, or close (empty).
  void QueueModalAnswer(std::string buttonName) { modalAnswers_.push_back(std::move(buttonName)); }

  // Every box shown: "message: TEXT" or "error: TITLE: TEXT".
  const std::vector<std::string>& Shown() const { return shown_; }
  std::vector<std::string> TakeShown();
  const std::vector<FileDialogOptions>& Dialogs() const { return dialogs_; }
  int Repaints() const { return repaints_; }
  // Called for each box as it is shown.
  std::function<void(const std::string&)> onShown;

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& title, const std::string& text) override;
  std::optional<std::string> OpenFileDialog(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFileDialog(const FileDialogOptions& options) override;
  void ShowWindow(Window& window, bool modal) override;
  void CloseWindow(Window& window) override;
  void RepaintNow(Control& control) override;
  std::string ProgramFolder() override { return folder_; }
  bool SavePicture(const Canvas& picture, const std::string& path) override;
  // Turns a picture into a file; without one every save fails.
  std::function<bool(const Canvas&, const std::string&)> pictureWriter;
  std::optional<std::string> RenderPdf(const Document& document) override;
  // Turns a document into PDF bytes; without one nothing can be printed.
  std::function<std::optional<std::string>(const Document&)> pdfRenderer;
  void SetProgramFolder(std::string folder) { folder_ = std::move(folder); }

 private:
  void Record(const std::string& line);
  std::optional<std::string> NextFile(const FileDialogOptions& options, bool save);
  std::string folder_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::deque<std::string> modalAnswers_;
  std::vector<std::string> shown_;
  std::vector<FileDialogOptions> dialogs_;
  int repaints_ = 0;
};

// The single place where a user action runs: an aborted action shows its text.
void RunUserAction(Platform& platform, const std::function<void()>& action);

}  // namespace forms
