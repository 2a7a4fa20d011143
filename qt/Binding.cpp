#include "qt/Binding.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStylePainter>
#include <QToolButton>

#include "qt/CanvasRenderer.h"
#include "qt/QtPlatform.h"

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

// ---- ControlLink

ControlLink::ControlLink(forms::Control& control, QObject* target, QtPlatform& platform,
                         std::function<void()> pullOwn)
    : QObject(target),
      control_(control),
      target_(target),
      platform_(platform),
      pullOwn_(std::move(pullOwn)) {
  if (auto* widget = qobject_cast<QWidget*>(target)) platform_.AddWidget(control_, widget);
  subscription_ = control_.Subscribe([this] { Pull(); });
  Pull();
}

ControlLink::~ControlLink() {
  control_.Unsubscribe(subscription_);
  if (auto* widget = qobject_cast<QWidget*>(target_)) platform_.RemoveWidget(control_, widget);
}

void ControlLink::Pull() {
  ++updating_;
  if (auto* widget = qobject_cast<QWidget*>(target_)) {
    // The shift is applied relative to what was applied before, so that a view may move
    // the widget (a window that stretches) without the link knowing its layout place.
    if (control_.OffsetX() != appliedOffsetX_) {
      widget->move(widget->x() - appliedOffsetX_ + control_.OffsetX(), widget->y());
      appliedOffsetX_ = control_.OffsetX();
    }
    widget->setEnabled(control_.Enabled());
    widget->setVisible(control_.Visible());
  }
  if (pullOwn_) pullOwn_();
  --updating_;
}

void ControlLink::Act(const std::function<void()>& act) {
  // A signal while the widget shows the model's state is an echo, not a person's act.
  if (Updating()) return;
  // A menu item acts in the window of its menu.
  QObject* from = target_;
  while (from && !from->isWidgetType()) from = from->parent();
  platform_.RunAct(act, static_cast<QWidget*>(from));
  Pull();
}

// ---- RadioGroupBox

RadioGroupBox::RadioGroupBox(QWidget* parent, int columns)
    : QGroupBox(parent), columns_(std::max(columns, 1)) {}

void RadioGroupBox::SetItems(const std::vector<std::string>& items) {
  bool same = buttons_.size() == items.size();
  for (size_t i = 0; same && i < items.size(); ++i) same = buttons_[i]->text() == Q(items[i]);
  if (same) return;
  for (auto* b : buttons_) delete b;
  buttons_.clear();
  for (const auto& item : items) {
    auto* b = new QRadioButton(Q(item), this);
    // The model alone decides which item is checked.
    b->setAutoExclusive(false);
    const int index = static_cast<int>(buttons_.size());
    connect(b, &QRadioButton::clicked, this, [this, index] {
      if (onPick) onPick(index);
    });
    b->show();
    buttons_.push_back(b);
  }
  Arrange();
}

void RadioGroupBox::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  Arrange();
}

// Items fill the box evenly, top to bottom and then the next column, as a Delphi radio group.
void RadioGroupBox::Arrange() {
  const int n = static_cast<int>(buttons_.size());
  if (n == 0) return;
  const int top = fontMetrics().height() + 6;
  const int rows = (n + columns_ - 1) / columns_;
  const int left = 8, bottom = 4;
  const double pitch = static_cast<double>(height() - top - bottom) / rows;
  const int columnWidth = (width() - left - 4) / columns_;
  const int h = std::min(static_cast<int>(pitch), buttons_[0]->sizeHint().height());
  for (int i = 0; i < n; ++i) {
    const int row = i % rows, column = i / rows;
    const int y = top + static_cast<int>(row * pitch + (pitch - h) / 2);
    buttons_[i]->setGeometry(left + column * columnWidth, y, columnWidth - 2, h);
  }
}

// ---- TextComboBox

void TextComboBox::SetDisplayText(const QString& text) {
  if (displayText_ == text) return;
  displayText_ = text;
  update();
}

QRect TextComboBox::TextRect() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
      .adjusted(1, 0, -1, 0);
}

bool TextComboBox::Wraps(const QString& text) const {
  const QRect field = TextRect();
  return field.height() >= 2 * fontMetrics().height() &&
         fontMetrics().horizontalAdvance(text) > field.width();
}

bool TextComboBox::ShowsWhole(const QString& text) const {
  const QRect field = TextRect();
  const int flags = Wraps(text) ? Qt::TextWordWrap : Qt::TextSingleLine;
  const QRect needed = fontMetrics().boundingRect(field, flags, text);
  return needed.width() <= field.width() && needed.height() <= field.height();
}

void TextComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText = displayText_;
  option.currentIcon = QIcon();
  // A box tall enough for two lines shows a long text on two, instead of cutting it.
  const bool wrap = Wraps(displayText_);
  if (wrap) option.currentText.clear();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  if (wrap) {
    style()->drawItemText(&painter, TextRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                          option.palette, isEnabled(), displayText_);
  }
}

// ---- UpDownWidget

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (auto* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
}

void UpDownWidget::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

// ---- ImageWidget

ImageWidget::ImageWidget(forms::Image& image, QWidget* parent) : QWidget(parent), image_(image) {
  // Every move goes to the model, as a window's mouse-move event would.
  setMouseTracking(true);
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const forms::Canvas& picture = image_.Picture();
  if (picture.Ops().empty() && placeholder) {
    placeholder(painter, rect());
    return;
  }
  // Sharp at the screen's scale, with smooth text; the saved pictures stay as GDI draws them.
  const qreal ratio = devicePixelRatioF();
  if (!cached_ || cachedRevision_ != picture.Revision() || cache_.devicePixelRatio() != ratio) {
    cache_ = RenderCanvas(picture, {ratio, true});
    cachedRevision_ = picture.Revision();
    cached_ = true;
  }
  painter.drawImage(0, 0, cache_);
  PaintOverlay(painter, image_.Band(), 0, 0);
}

void ImageWidget::Act(const std::function<void()>& act) {
  if (link_) link_->Act(act);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Act([&] { image_.MouseDown(p.x(), p.y()); });
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Act([&] { image_.MouseMove(p.x(), p.y()); });
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Act([&] { image_.MouseUp(p.x(), p.y()); });
}

// Qt reports the second press of a double click as the double click alone; the classic
// order is the double click and then that press.
void ImageWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  Act([&] { image_.DblClick(p.x(), p.y()); });
  Act([&] { image_.MouseDown(p.x(), p.y()); });
}

// ---- Binders

ControlLink* Bind(forms::Edit& model, QLineEdit* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    const QString text = Q(model.Text());
    if (widget->text() == text) return;
    widget->setText(text);
    // A text too long for the field shows its beginning, not its end.
    if (!widget->hasFocus()) widget->setCursorPosition(0);
  });
  QObject::connect(widget, &QLineEdit::textEdited, link, [link, &model](const QString& text) {
    link->Act([&] { model.SetText(text.toStdString()); });
  });
  return link;
}

ControlLink* Bind(forms::Label& model, QLabel* widget, QtPlatform& platform) {
  widget->setTextFormat(Qt::PlainText);
  return new ControlLink(model, widget, platform,
                         [&model, widget] { widget->setText(Q(model.Caption())); });
}

ControlLink* Bind(forms::Button& model, QPushButton* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform,
                               [&model, widget] { widget->setText(Q(model.Caption())); });
  QObject::connect(widget, &QPushButton::clicked, link,
                   [link, &model] { link->Act([&] { model.Click(); }); });
  return link;
}

ControlLink* Bind(forms::Button& model, QAction* action, QtPlatform& platform) {
  auto* link = new ControlLink(model, action, platform, [&model, action] {
    action->setText(Q(model.Caption()));
    action->setEnabled(model.Enabled());
    action->setVisible(model.Visible());
  });
  QObject::connect(action, &QAction::triggered, link,
                   [link, &model] { link->Act([&] { model.Click(); }); });
  return link;
}

ControlLink* Bind(forms::CheckBox& model, QCheckBox* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    widget->setText(Q(model.Caption()));
    widget->setChecked(model.Checked());
  });
  QObject::connect(widget, &QCheckBox::clicked, link,
                   [link, &model] { link->Act([&] { model.Click(); }); });
  return link;
}

ControlLink* Bind(forms::RadioButton& model, QRadioButton* widget, QtPlatform& platform) {
  widget->setAutoExclusive(false);
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    widget->setText(Q(model.Caption()));
    widget->setChecked(model.Checked());
  });
  QObject::connect(widget, &QRadioButton::clicked, link,
                   [link, &model] { link->Act([&] { model.Click(); }); });
  return link;
}

ControlLink* Bind(forms::RadioGroup& model, RadioGroupBox* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    widget->setTitle(Q(model.Caption()));
    widget->SetItems(model.Items());
    for (size_t i = 0; i < widget->Buttons().size(); ++i) {
      widget->Buttons()[i]->setChecked(static_cast<int>(i) == model.ItemIndex());
    }
  });
  widget->onPick = [link, &model](int index) { link->Act([&] { model.Pick(index); }); };
  return link;
}

ControlLink* Bind(forms::ComboBox& model, TextComboBox* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    QStringList items;
    for (const auto& item : model.Items()) items << Q(item);
    QStringList shown;
    for (int i = 0; i < widget->count(); ++i) shown << widget->itemText(i);
    if (items != shown) {
      widget->clear();
      widget->addItems(items);
    }
    widget->setCurrentIndex(model.ItemIndex() < widget->count() ? model.ItemIndex() : -1);
    widget->SetDisplayText(Q(model.Text()));
  });
  QObject::connect(widget, &QComboBox::activated, link,
                   [link, &model](int index) { link->Act([&] { model.Pick(index); }); });
  return link;
}

ControlLink* Bind(forms::Memo& model, QPlainTextEdit* widget, QtPlatform& platform) {
  widget->setReadOnly(true);
  // Lines are only ever added or all cleared, so new ones are appended, not the whole
  // text replaced.
  size_t shown = 0;
  bool initial = true;
  return new ControlLink(model, widget, platform, [&model, widget, shown, initial]() mutable {
    const auto& lines = model.Lines();
    if (lines.size() < shown || (shown == 0 && !widget->document()->isEmpty())) {
      widget->clear();
      shown = 0;
    }
    if (lines.size() != shown) {
      QStringList added;
      for (size_t i = shown; i < lines.size(); ++i) added << Q(lines[i]);
      widget->appendPlainText(added.join('\n'));
      shown = lines.size();
      // A line added later comes into view, as in a classic memo; the text a window
      // opens with is read from its top.
      widget->moveCursor(initial ? QTextCursor::Start : QTextCursor::End);
      widget->moveCursor(QTextCursor::StartOfLine);
      widget->ensureCursorVisible();
    }
    initial = false;
  });
}

ControlLink* Bind(forms::UpDown& model, UpDownWidget* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, nullptr);
  for (bool up : {true, false}) {
    QObject::connect(up ? widget->Up() : widget->Down(), &QToolButton::clicked, link,
                     [link, &model, up] { link->Act([&] { model.Click(up); }); });
  }
  return link;
}

ControlLink* Bind(forms::ScrollBar& model, QScrollBar* widget, QtPlatform& platform) {
  widget->setSingleStep(1);
  widget->setPageStep(1);
  auto* link = new ControlLink(model, widget, platform, [&model, widget] {
    widget->setRange(model.Min(), model.Max());
    widget->setValue(model.Position());
  });
  QObject::connect(widget, &QScrollBar::valueChanged, link,
                   [link, &model](int value) { link->Act([&] { model.Scroll(value); }); });
  return link;
}

ControlLink* Bind(forms::Image& model, ImageWidget* widget, QtPlatform& platform) {
  auto* link = new ControlLink(model, widget, platform, [widget] { widget->update(); });
  widget->SetLink(link);
  return link;
}
