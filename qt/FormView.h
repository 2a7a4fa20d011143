#pragma once
#include <QSize>
#include <QWidget>

#include "forms/Window.h"

class QMenuBar;
class QtPlatform;

// The border a window has, as a classic Windows form would have it.
enum class FormBorder {
  Single,             // fixed size, minimise only
  SingleMaximisable,  // fixed size by dragging, yet it can be maximised
  Dialog,             // fixed size, close button only
};

// A top-level window showing one window model. The children sit on client(), below the
// menu bar if there is one, at absolute places; a subclass moves what stretches.
class FormView : public QWidget {
  Q_OBJECT
 public:
  FormView(forms::Window& window, QtPlatform& platform, QSize clientSize, FormBorder border);
  ~FormView() override;

  forms::Window& Model() const { return window_; }
  QWidget* client() const { return client_; }
  QMenuBar* AddMenuBar();
  QSize DesignClientSize() const { return designSize_; }
  // Centres the window on its screen the first time it is shown.
  void PlaceOnFirstShow();
  // The platform runs the activation handler itself when it opens the window.
  void ActivationHandled() { leftForOtherForm_ = false; }

 signals:
  void Closed();

 protected:
  // Moves and stretches children for a new client size; the model's resize handler runs after.
  virtual void LayoutClient(QSize) {}
  QtPlatform& platform() const { return platform_; }
  // Sizes the window for its design client area and the menu it has now.
  void FitToDesign() { FixSize(true); }

  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void FixSize(bool fixed);
  int MenuHeight() const;
  void TrackActivation();

  forms::Window& window_;
  QtPlatform& platform_;
  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  QSize designSize_;
  FormBorder border_;
  bool placed_ = false;
  bool windowSystemKeepsSize_ = false;
  // Another window of the program became active after this one; coming back activates it.
  bool leftForOtherForm_ = false;
};
