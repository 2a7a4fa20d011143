#pragma once
// The shared fixture of the Qt view tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/NumberText.h"
#include "qt/DesktopViews.h"
#include "qt/QtPlatform.h"
#include "qt/VstupView.h"
#include "qt/ZakladniView.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"

inline QtMessageHandler g_messages = nullptr;

// The offscreen platform tells about every window feature it lacks; that is no news here.
inline void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  if (g_messages) g_messages(type, context, text);
}

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // No display: every test runs on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_messages = qInstallMessageHandler(QuietHandler);
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "qtview_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
// One application for the whole test program, whichever of its files come first.
[[maybe_unused]] inline const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// The shared fixture: a Qt platform over a temporary program folder, and a watchdog that
// closes any modal dialog so that a test fails instead of hanging. Message boxes and file
// dialogs are recorded; a test that expects one takes it, and whatever is left fails it.
class QtViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(',');
    ASSERT_TRUE(folder_.isValid());
    platform_ = std::make_unique<QtPlatform>(folder_.path().toStdString());
    platform_->onFatal = [](const std::string& text) {
      ADD_FAILURE() << "an error escaped an action: " << text;
    };
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { Watch(); });
    watchdog_.start(10);
  }

  void TearDown() override {
    views_.reset();
    app_.reset();
    watchdog_.stop();
    for (const auto& box : boxes_) ADD_FAILURE() << "unexpected message box: " << box;
    for (const auto& d : fileDialogs_) ADD_FAILURE() << "unexpected file dialog: " << d;
    for (const auto& u : unexpected_) ADD_FAILURE() << "unexpected modal window: " << u;
  }

  void StartApplication() {
    app_ = std::make_unique<Application>(*platform_);
    app_->Create();
    views_ = std::make_unique<DesktopViews>(*platform_, *app_);
  }

  // The calculation window opened without its modal loop, so that the test can drive it.
  VstupView& OpenCalculation() {
    StartApplication();
    platform_->ShowWindow(app_->vstup(), false);
    return views_->calculation();
  }

  // Runs body while the calculation window is open modally over the start window, as
  // "Spustit" opens it, and then closes that window.
  void WithModalCalculation(const std::function<void(VstupView&)>& body) {
    StartApplication();
    platform_->ShowWindow(app_->zakladni(), false);
    VstupView& calculation = views_->calculation();
    expectedModal_ = &calculation;
    QTimer::singleShot(0, [&] {
      body(calculation);
      calculation.close();
    });
    Click(Widget<QPushButton>(app_->zakladni().Button1));
  }

  template <typename W>
  W* Widget(const forms::Control& control) {
    auto* w = qobject_cast<W*>(platform_->WidgetOf(control));
    EXPECT_NE(w, nullptr) << control.Name() << " has no widget of that type";
    return w;
  }

  void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  // On the box of a check box or radio button, in the middle of a push button.
  void Click(QAbstractButton* button) {
    const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint at = box ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
  }

  std::vector<std::string> TakeBoxes() { return std::exchange(boxes_, {}); }
  std::vector<std::string> TakeFileDialogs() { return std::exchange(fileDialogs_, {}); }

  void Watch() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (qobject_cast<QMessageBox*>(modal) || qobject_cast<QFileDialog*>(modal)) {
      dialogParents_.push_back(modal->parentWidget());
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes_.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
      box->button(QMessageBox::Ok)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      fileDialogs_.push_back(dialog->windowTitle().toStdString());
      if (fileAnswer_.isEmpty()) {
        dialog->reject();
      } else {
        dialog->selectFile(std::exchange(fileAnswer_, {}));
        QMetaObject::invokeMethod(dialog, "accept");
      }
    } else if (modal != expectedModal_) {
      unexpected_.push_back(modal->windowTitle().toStdString());
      modal->close();
    }
  }

  QTemporaryDir folder_;
  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<Application> app_;
  std::unique_ptr<DesktopViews> views_;
  QTimer watchdog_;
  QWidget* expectedModal_ = nullptr;
  QString fileAnswer_;
  std::vector<std::string> boxes_, fileDialogs_, unexpected_;
  // The window each message box and file dialog belonged to.
  std::vector<QWidget*> dialogParents_;
};

inline int CountPixels(const QImage& image, QColor color) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
  }
  return n;
}

// Records whether Qt's modality shuts a window off from input.
class BlockedWatcher : public QObject {
 public:
  bool blocked = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};
