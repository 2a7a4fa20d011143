#include "forms/Platform.h"

#include "core/Abort.h"
#include "forms/Canvas.h"
#include "forms/Controls.h"
#include "forms/Window.h"

namespace forms {

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt) {
  if (defaultExt.empty()) return path;
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.find('.') != std::string::npos) return path;
  return path + "." + defaultExt;
}

std::vector<std::string> ScriptedPlatform::TakeShown() {
  auto out = std::move(shown_);
  shown_.clear();
  return out;
}

void ScriptedPlatform::Record(const std::string& line) {
  shown_.push_back(line);
  if (onShown) onShown(line);
}

void ScriptedPlatform::ShowMessage(const std::string& text) {
  Record("message: " + text);
}

void ScriptedPlatform::ShowError(const std::string& title, const std::string& text) {
  Record("error: " + title + ": " + text);
}

std::optional<std::string> ScriptedPlatform::NextFile(const FileDialogOptions& options, bool save) {
  dialogs_.push_back(options);
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  if (answer && save) return WithDefaultExtension(*answer, options.defaultExt);
  return answer;
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(const FileDialogOptions& options) {
  return NextFile(options, false);
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(const FileDialogOptions& options) {
  return NextFile(options, true);
}

void ScriptedPlatform::ShowWindow(Window& window, bool modal) {
  window.SetShown(true);
  window.FormActivate();
  // A modal window with a queued answer is pressed or closed at once; without one it stays
  // open and the script goes on driving it.
  if (!modal || modalAnswers_.empty()) return;
  const std::string answer = modalAnswers_.front();
  modalAnswers_.pop_front();
  if (!answer.empty()) {
    if (auto* button = dynamic_cast<Button*>(window.Find(answer))) {
      RunUserAction(*this, [&] { button->Click(); });
    }
  }
  window.SetShown(false);
}

void ScriptedPlatform::CloseWindow(Window& window) {
  window.SetShown(false);
}

void ScriptedPlatform::RepaintNow(Control&) {
  ++repaints_;
}

bool ScriptedPlatform::SavePicture(const Canvas& picture, const std::string& path) {
  return pictureWriter && pictureWriter(picture, path);
}

std::optional<std::string> ScriptedPlatform::RenderPdf(const Document& document) {
  if (!pdfRenderer) return std::nullopt;
  return pdfRenderer(document);
}

void RunUserAction(Platform& platform, const std::function<void()>& action) {
  try {
    action();
  } catch (const ActionAborted& aborted) {
    platform.ShowMessage(aborted.Text());
  }
}

BusyScope::BusyScope(Platform& platform, Control& label) : label_(label) {
  label_.SetVisible(true);
  platform.RepaintNow(label_);
}

BusyScope::~BusyScope() {
  label_.SetVisible(false);
}

}  // namespace forms
