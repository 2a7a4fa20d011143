#pragma once
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "forms/Platform.h"

class FormView;

// The platform of the desktop program: real message boxes and file dialogs, windows shown
// by their views, pictures painted by Qt.
class QtPlatform : public forms::Platform {
 public:
  // An empty folder means the folder of the program file.
  explicit QtPlatform(std::string programFolder = {});

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& title, const std::string& text) override;
  std::optional<std::string> OpenFileDialog(const forms::FileDialogOptions& options) override;
  std::optional<std::string> SaveFileDialog(const forms::FileDialogOptions& options) override;
  void ShowWindow(forms::Window& window, bool modal) override;
  void CloseWindow(forms::Window& window) override;
  void RepaintNow(forms::Control& control) override;
  std::string ProgramFolder() override;
  bool SavePicture(const forms::Canvas& picture, const std::string& path) override;
  std::optional<std::string> RenderPdf(const forms::Document& document) override;
  bool HasDisplay() const override { return true; }

  // Views and widgets register themselves, so that calls naming a model reach the screen.
  void AddView(const forms::Window& window, FormView* view);
  void RemoveView(const forms::Window& window);
  FormView* ViewOf(const forms::Window& window) const;
  void AddWidget(const forms::Control& control, QWidget* widget);
  void RemoveWidget(const forms::Control& control, QWidget* widget);
  QWidget* WidgetOf(const forms::Control& control) const;

  // Runs a person's act in the window of from through the one dispatcher: the message boxes,
  // file dialogs and windows it opens belong to that window. Anything but an aborted action
  // is an error the program cannot go on from: it is handed to onFatal.
  void RunAct(const std::function<void()>& act, QWidget* from = nullptr);
  // The window whose act runs now; without one, the modal or the active window.
  QWidget* ActingWindow() const;
  // Closes the tool windows opened from owner.
  void CloseWindowsOwnedBy(const FormView* owner);
  // By default the error is kept for main() and every event loop is left.
  std::function<void(const std::string&)> onFatal;
  const std::optional<std::string>& FatalError() const { return fatal_; }

 private:
  std::optional<std::string> FileDialog(const forms::FileDialogOptions& options, bool save);

  std::string folder_;
  std::map<const forms::Window*, FormView*> views_;
  std::map<const forms::Control*, QWidget*> widgets_;
  std::optional<std::string> fatal_;
  std::vector<QPointer<QWidget>> acting_;
};

// The program's folder. An installed program (its lists in exeFolder/../share/trajekta) always
// uses the per-user data folder, created when missing, into which the shipped lists that it
// lacks are copied. A build or a portable copy uses the executable's folder while a file can be
// written there, and otherwise the per-user folder with the lists copied from beside the program.
std::string ResolveProgramFolder(const QString& exeFolder, const QString& userDataFolder);

// "Caption  (*.a)|*.a|Other|*.b;*.c" as Qt name filters: "Caption  (*.a)", "Other (*.b *.c)".
QStringList QtNameFilters(const std::string& filter);
