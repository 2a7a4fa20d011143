#include "qt/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWindow>
#include <exception>

#include "qt/CanvasRenderer.h"
#include "qt/FormView.h"
#include "qt/PdfRenderer.h"

namespace {

const char* const kProgramTitle = "Vnější trajekta";

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (auto& p : patterns) p = p.trimmed();
    // A caption that already names exactly these patterns is kept as the person reads it.
    static const QRegularExpression trailing(R"(\(([^()]*)\)\s*$)");
    const auto match = trailing.match(caption);
    if (match.hasMatch()) {
      QStringList named =
          match.captured(1).split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts);
      if (named == patterns) {
        filters << caption.trimmed();
        continue;
      }
      caption = caption.left(match.capturedStart()).trimmed();
    }
    filters << caption.trimmed() + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

QtPlatform::QtPlatform(std::string programFolder) : folder_(std::move(programFolder)) {
  onFatal = [this](const std::string& text) {
    fatal_ = text;
    QCoreApplication::exit(1);
  };
}

QWidget* QtPlatform::ActingWindow() const {
  for (auto it = acting_.rbegin(); it != acting_.rend(); ++it) {
    if (*it && (*it)->isVisible()) return *it;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void QtPlatform::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kProgramTitle, Q(text), QMessageBox::Ok, ActingWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtPlatform::ShowError(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Critical, Q(title), Q(text), QMessageBox::Ok, ActingWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> QtPlatform::FileDialog(const forms::FileDialogOptions& options,
                                                  bool save) {
  // An empty title gets the one a Czech system gives its dialogs.
  const QString title = !options.title.empty() ? Q(options.title)
                        : save                 ? "Uložit jako"
                                               : "Otevřít";
  QFileDialog dialog(ActingWindow(), title);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(options.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!options.initialDir.empty()) dialog.setDirectory(Q(options.initialDir));
  if (!options.defaultName.empty()) dialog.selectFile(Q(options.defaultName));
  dialog.setDefaultSuffix(Q(options.defaultExt));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first().toStdString();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const forms::FileDialogOptions& options) {
  return FileDialog(options, false);
}

std::optional<std::string> QtPlatform::SaveFileDialog(const forms::FileDialogOptions& options) {
  return FileDialog(options, true);
}

void QtPlatform::ShowWindow(forms::Window& window, bool modal) {
  FormView* view = ViewOf(window);
  if (!view) return;
  if (view->isVisible()) {
    // A window opened again is only brought to the front.
    view->ActivationHandled();
    view->raise();
    view->activateWindow();
    RunAct([&] { window.FormActivate(); }, view);
    return;
  }
  auto* owner = qobject_cast<FormView*>(ActingWindow());
  if (owner == view) owner = nullptr;
  // A modal dialog blocks the whole program and stays over its owner. A main window shown
  // modally blocks only the window it was opened from, so that the tool windows opened from
  // it take input. Tool windows are nobody's transients: a click raises any of them.
  view->SetShownModally(modal);
  view->setWindowModality(!modal                 ? Qt::NonModal
                          : view->IsMainWindow() ? Qt::WindowModal
                                                 : Qt::ApplicationModal);
  view->SetOwner(modal ? nullptr : owner);
  view->winId();
  view->windowHandle()->setTransientParent(modal && owner ? owner->windowHandle() : nullptr);
  view->PrepareShow(owner, modal);
  view->show();
  view->raise();
  view->activateWindow();
  RunAct([&] { window.FormActivate(); }, view);
  if (!modal) return;
  QPointer<FormView> guard(view);
  QPointer<QWidget> previous = owner;
  QEventLoop loop;
  QObject::connect(view, &FormView::Closed, &loop, &QEventLoop::quit);
  if (view->isVisible()) loop.exec(QEventLoop::DialogExec);
  if (guard) guard->setWindowModality(Qt::NonModal);
  // The window it was opened from is active again.
  if (previous && previous->isVisible()) previous->activateWindow();
}

void QtPlatform::CloseWindowsOwnedBy(const FormView* owner) {
  std::vector<QPointer<FormView>> owned;
  for (const auto& [window, view] : views_) {
    if (view->Owner() == owner && view->isVisible()) owned.emplace_back(view);
  }
  for (const auto& view : owned) {
    if (view) view->close();
  }
}

void QtPlatform::CloseWindow(forms::Window& window) {
  if (FormView* view = ViewOf(window)) view->close();
}

void QtPlatform::RepaintNow(forms::Control& control) {
  QWidget* widget = WidgetOf(control);
  if (widget && widget->isVisible()) widget->repaint();
}

std::string QtPlatform::ProgramFolder() {
  if (folder_.empty()) {
    folder_ =
        ResolveProgramFolder(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  }
  return folder_;
}

std::string ResolveProgramFolder(const QString& exeFolder, const QString& userDataFolder) {
  const QString shipped = QDir::cleanPath(exeFolder + "/../share/trajekta");
  // An installed program never writes into its installation, whoever runs it: root can
  // write into /usr/bin too.
  const bool installed = QFileInfo(shipped).isDir();
  if (!installed) {
    // Writing a file is the only sure test: permissions say little to a privileged user.
    QTemporaryFile probe(exeFolder + "/.trajekta-XXXXXX");
    if (probe.open()) return exeFolder.toStdString();
  }
  const QString user = !userDataFolder.isEmpty() ? userDataFolder : QDir::tempPath() + "/trajekta";
  QDir().mkpath(user);
  const QString lists = installed ? shipped : exeFolder;
  for (const char* list : {"strely.txt", "naboje.txt"}) {
    const QString target = user + "/" + list;
    // The copy belongs to the user, who may change it; the installed one may be read-only.
    if (!QFile::exists(target) && QFile::copy(lists + "/" + list, target))
      QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
  }
  return user.toStdString();
}

bool QtPlatform::SavePicture(const forms::Canvas& picture, const std::string& path) {
  return ::SavePicture(picture, path);
}

std::optional<std::string> QtPlatform::RenderPdf(const forms::Document& document) {
  return ::RenderPdf(document);
}

void QtPlatform::AddView(const forms::Window& window, FormView* view) {
  views_[&window] = view;
}

void QtPlatform::RemoveView(const forms::Window& window) {
  views_.erase(&window);
}

FormView* QtPlatform::ViewOf(const forms::Window& window) const {
  auto it = views_.find(&window);
  return it == views_.end() ? nullptr : it->second;
}

void QtPlatform::AddWidget(const forms::Control& control, QWidget* widget) {
  widgets_[&control] = widget;
}

void QtPlatform::RemoveWidget(const forms::Control& control, QWidget* widget) {
  auto it = widgets_.find(&control);
  if (it != widgets_.end() && it->second == widget) widgets_.erase(it);
}

QWidget* QtPlatform::WidgetOf(const forms::Control& control) const {
  auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

void QtPlatform::RunAct(const std::function<void()>& act, QWidget* from) {
  acting_.emplace_back(from ? from->window() : nullptr);
  struct Pop {
    std::vector<QPointer<QWidget>>& stack;
    ~Pop() { stack.pop_back(); }
  } pop{acting_};
  try {
    forms::RunUserAction(*this, act);
  } catch (const std::exception& e) {
    // Qt cannot carry an exception through its event loop.
    if (onFatal) onFatal(e.what());
  } catch (...) {
    if (onFatal) onFatal("Neznámá chyba.");
  }
}
