#include "qt/FormView.h"

#include <QApplication>
#include <QEvent>
#include <QHideEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "qt/QtPlatform.h"

namespace {

Qt::WindowFlags FlagsFor(FormBorder border) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
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
      return flags | Qt::Dialog;
  }
  return flags | Qt::Window;
}

}  // namespace

FormView::FormView(forms::Window& window, QtPlatform& platform, QSize clientSize, FormBorder border)
    : QWidget(nullptr, FlagsFor(border)),
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

void FormView::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  if (QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void FormView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int menu = MenuHeight();
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menu);
  client_->setGeometry(0, menu, width(), height() - menu);
  LayoutClient(client_->size());
  platform_.RunAct([this] { window_.FormResize(); });
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
    platform_.RunAct([this] { window_.FormActivate(); });
    return;
  }
  QTimer::singleShot(0, this, [this] {
    auto* now = qobject_cast<FormView*>(QApplication::activeWindow());
    if (now && now != this && isVisible()) leftForOtherForm_ = true;
  });
}
