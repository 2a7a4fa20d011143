#pragma once
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "forms/Window.h"

class QMenuBar;
class QPushButton;
class QtPlatform;

// The border a window has, as a classic Windows form would have it.
enum class FormBorder {
  Single,             // fixed size, minimise only
  SingleMaximisable,  // fixed size by dragging, yet it can be maximised
  Dialog,             // fixed size, close button only
};

// A top-level window showing one window model. The children sit on client(), below the
// menu bar if there is one, at absolute places; a subclass moves what stretches.
// Shown modally, a window other than a main one is a dialog: it stays over the window it was
// opened from and has no minimise button. Shown non-modally, it is an independent window placed
// beside the window it was opened from, and closes with that window. Esc closes a dialog;
// Enter runs the button that a view gave to the field or group that has the focus.
class FormView : public QWidget {
  Q_OBJECT
 public:
  FormView(forms::Window& window, QtPlatform& platform, QSize clientSize, FormBorder border);
  ~FormView() override;

  forms::Window& Model() const { return window_; }
  QWidget* client() const { return client_; }
  QMenuBar* AddMenuBar();
  QSize DesignClientSize() const { return designSize_; }
  // The platform runs the activation handler itself when it opens the window.
  void ActivationHandled() { leftForOtherForm_ = false; }

  // A main window (one that can be maximised) stays a window when shown modally.
  bool IsMainWindow() const { return border_ == FormBorder::SingleMaximisable; }
  bool IsDialog() const;
  // Chooses the window's kind before it is shown; the platform calls it.
  void SetShownModally(bool modal);
  // The window it was opened from, which it closes with (tool windows only).
  FormView* Owner() const { return owner_; }
  void SetOwner(FormView* owner) { owner_ = owner; }
  // Sizes and places the window before the platform shows it; owner is the window it is
  // opened from, if any.
  virtual void PrepareShow(FormView* owner, bool modal);

  // Enter in a field inside scope (the whole window: nullptr) runs act; the innermost scope wins.
  void OnEnter(QWidget* scope, std::function<void()> act);
  // The same for a button, which runs only while it is enabled.
  void EnterClicks(QWidget* scope, QPushButton* button);

 signals:
  void Closed();

 protected:
  // Moves and stretches children for a new client size; the model's resize handler runs after.
  virtual void LayoutClient(QSize) {}
  QtPlatform& platform() const { return platform_; }
  // Sizes the window for its design client area and the menu it has now.
  void FitToDesign() { FixSize(true); }
  // Centres the window on its screen the first time it is shown.
  void CentreOnFirstShow();
  // A window taller than its screen (a small screen at a large scale) gives up height from
  // this widget at the client's bottom, down to minHeight, rather than reach below the screen.
  void ShortenForScreen(QWidget* bottom, int minHeight) {
    shortenable_ = bottom;
    shortenableMin_ = minHeight;
  }

  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FixSize(bool fixed);
  void FitHeight(const QRect& area, int frameHeight);
  int MenuHeight() const;
  void TrackActivation();

  forms::Window& window_;
  QtPlatform& platform_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  QSize designSize_;
  QPointer<QWidget> shortenable_;
  int shortenableMin_ = 0;
  FormBorder border_;
  bool placed_ = false;
  bool modal_ = false;
  QPointer<FormView> owner_;
  std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> enterActs_;
  bool windowSystemKeepsSize_ = false;
  // Another window of the program became active after this one; coming back activates it.
  bool leftForOtherForm_ = false;
};
