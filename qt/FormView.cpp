#include "qt/FormView.h"

#include <QApplication>
#include <QEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "qt/Placement.h"
#include "qt/QtPlatform.h"

namespace {

// A dialog is a dialog to the window manager only while it is modal: a non-modal window of
// dialog type is kept over every window of the program.
Qt::WindowFlags FlagsFor(FormBorder border, bool modalDialog) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (modalDialog) return flags | Qt::Dialog;
  switch (border) {
    case FormBorder::Single:
      return flags | Qt::Window | Qt::WindowMinimizeButtonHint;
    case FormBorder::SingleMaximisable:
#ifdef Q_OS_WIN
      // A thin frame that cannot be dragged, with a working maximise box.
      flags |= Qt::MSWindowsFixedSizeDialogHint;
#endif
      return flags | Qt::Window | Qt::WindowMinMaxButtonsHint;
    case FormBorder::Dialog:
      break;
  }
  return flags | Qt::Window;
}

}  // namespace

FormView::FormView(forms::Window& window, QtPlatform& platform, QSize clientSize, FormBorder border)
    : QWidget(nullptr, FlagsFor(border, false)),
      window_(window),
      platform_(platform),
      client_(new QWidget(this)),
      designSize_(clientSize),
      border_(border) {
  setWindowTitle(QString::fromStdString(window.Caption()));
  // A classic Windows form: Arial 8 pt, inherited by every child.
  setFont(QFont("Arial", 8));
  client_->setGeometry(0, 0, clientSize.width(), clientSize.height());
  // Windows keeps this border from being dragged and still lets it be maximised; X11 window
  // managers offer maximising only to windows that can be resized, so there the window may
  // also be dragged larger (never smaller than its design size).
  windowSystemKeepsSize_ = border_ == FormBorder::SingleMaximisable;
  FixSize(true);
  platform_.AddView(window_, this);
}

FormView::~FormView() {
  platform_.RemoveView(window_);
}

QMenuBar* FormView::AddMenuBar() {
  if (!menuBar_) {
    menuBar_ = new QMenuBar(this);
    FixSize(true);
  }
  return menuBar_;
}

int FormView::MenuHeight() const {
  return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

// Other windows have a fixed size; it is given up only while such a window is maximised.
void FormView::FixSize(bool fixed) {
  const QSize whole(designSize_.width(), designSize_.height() + MenuHeight());
  if (windowSystemKeepsSize_) {
    setMinimumSize(whole);
    if (fixed) resize(whole);
    return;
  }
  if (fixed) {
    setFixedSize(whole);
  } else {
    setMinimumSize(whole);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void FormView::FitHeight(const QRect& area, int frameHeight) {
  if (!shortenable_) return;
  const int cut = HeightToGiveUp(designSize_.height() + MenuHeight() + frameHeight, area.height(),
                                 shortenable_->height(), shortenableMin_);
  if (cut == 0) return;
  shortenable_->resize(shortenable_->width(), shortenable_->height() - cut);
  designSize_.rheight() -= cut;
  client_->resize(designSize_);
  FixSize(true);
}

void FormView::CentreOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    FitHeight(area, 0);
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

bool FormView::IsDialog() const {
  return border_ == FormBorder::Dialog || (modal_ && !IsMainWindow());
}

void FormView::SetShownModally(bool modal) {
  modal_ = modal;
  const Qt::WindowFlags flags = FlagsFor(border_, modal && !IsMainWindow());
  if (windowFlags() != flags) setWindowFlags(flags);
}

// A tool window goes beside the window it is opened from, a dialog over its middle.
void FormView::PrepareShow(FormView* owner, bool modal) {
  if (!owner || !owner->isVisible()) {
    CentreOnFirstShow();
    return;
  }
  placed_ = true;
  const QMargins frame = FrameMargins(*this, owner);
  const QRect area = owner->screen()->availableGeometry();
  FitHeight(area, frame.top() + frame.bottom());
  const QSize outer = size().grownBy(frame);
  const QRect at =
      modal ? QRect(owner->frameGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2),
                    outer)
            : PlaceBeside(owner->frameGeometry(), outer, area);
  // The client area, as every platform takes it; a frame position may be taken for it.
  setGeometry(QRect(at.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

void FormView::OnEnter(QWidget* scope, std::function<void()> act) {
  enterActs_.emplace_back(scope, std::move(act));
}

void FormView::EnterClicks(QWidget* scope, QPushButton* button) {
  OnEnter(scope, [button] { button->click(); });
}

void FormView::keyPressEvent(QKeyEvent* event) {
  QWidget* focus = focusWidget();
  if (event->key() == Qt::Key_Escape && IsDialog()) {
    close();
    return;
  }
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  // As on Windows, Enter presses the button that has the focus.
  if (auto* button = qobject_cast<QPushButton*>(focus)) {
    button->click();
    return;
  }
  for (QWidget* w = focus ? focus : this; w; w = w == this ? nullptr : w->parentWidget()) {
    for (const auto& [scope, act] : enterActs_) {
      if (scope == w || (!scope && w == this)) {
        act();
        return;
      }
    }
  }
  QWidget::keyPressEvent(event);
}

void FormView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int menu = MenuHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menu);
  client_->setGeometry(0, menu, width(), height() - menu);
  LayoutClient(client_->size());
  platform_.RunAct([this] { window_.FormResize(); }, this);
}

void FormView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  leftForOtherForm_ = false;
  window_.SetShown(true);
}

void FormView::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Minimising hides nothing a person closed.
  if (event->spontaneous()) return;
  window_.SetShown(false);
  platform_.CloseWindowsOwnedBy(this);
  emit Closed();
}

// A maximised window fills the screen; back in its normal state it has its own size again.
void FormView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) {
    TrackActivation();
    return;
  }
  if (event->type() != QEvent::WindowStateChange || border_ != FormBorder::SingleMaximisable) {
    return;
  }
  FixSize(!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)));
}

// A window is activated again when a person comes back to it from another window of the
// program; message boxes and file dialogs do not count, or a message shown by the handler
// would run it once more when it closes.
void FormView::TrackActivation() {
  if (isActiveWindow()) {
    if (!leftForOtherForm_) return;
    leftForOtherForm_ = false;
    platform_.RunAct([this] { window_.FormActivate(); }, this);
    return;
  }
  QTimer::singleShot(0, this, [this] {
    auto* now = qobject_cast<FormView*>(QApplication::activeWindow());
    if (now && now != this && isVisible()) leftForOtherForm_ = true;
  });
}
