#include "qt/FormBuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

QFont BoldFont(int pointSize) {
  QFont f("Arial", pointSize);
  f.setBold(true);
  return f;
}

QFont PixelFont(int pixelSize, bool bold) {
  QFont f("Arial");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

QFont MonospaceFont(int pointSize) {
  QFont f;
  f.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSize(pointSize);
  return f;
}

QLabel* FormBuilder::Text(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QGroupBox* FormBuilder::Group(QWidget* parent, const QString& title, QRect r) {
  auto* group = new QGroupBox(title, parent);
  group->setGeometry(r);
  return group;
}

QFrame* FormBuilder::Panel(QWidget* parent, QRect r) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(r);
  return panel;
}

template <typename Widget, typename Model>
Widget* FormBuilder::Placed(Widget* widget, Model& model, QRect r) {
  widget->setGeometry(r);
  Bind(model, widget, platform_);
  return widget;
}

QLineEdit* FormBuilder::Edit(QWidget* parent, forms::Edit& model, int x, int y, int w) {
  return Placed(new QLineEdit(parent), model, QRect(x, y, w, kEditHeight));
}

QLabel* FormBuilder::Label(QWidget* parent, forms::Label& model, QRect r) {
  return Placed(new QLabel(parent), model, r);
}

QLabel* FormBuilder::BusyLabel(QWidget* parent, forms::Label& model, QPoint center) {
  constexpr int kWidth = 120, kHeight = 32;
  QLabel* busy =
      Label(parent, model, QRect(center - QPoint(kWidth / 2, kHeight / 2), QSize(kWidth, kHeight)));
  busy->setFont(BoldFont(14));
  busy->setAlignment(Qt::AlignCenter);
  busy->setStyleSheet("QLabel { background-color: #ffff00; color: #000000; }");
  busy->raise();
  return busy;
}

QPushButton* FormBuilder::Button(QWidget* parent, forms::Button& model, QRect r) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  return Placed(button, model, r);
}

QCheckBox* FormBuilder::CheckBox(QWidget* parent, forms::CheckBox& model, int x, int y, int w) {
  return Placed(new QCheckBox(parent), model, QRect(x, y, w, kCheckHeight));
}

QRadioButton* FormBuilder::RadioButton(QWidget* parent, forms::RadioButton& model, int x, int y,
                                       int w) {
  return Placed(new QRadioButton(parent), model, QRect(x, y, w, kCheckHeight));
}

RadioGroupBox* FormBuilder::RadioGroup(QWidget* parent, forms::RadioGroup& model, QRect r,
                                       int columns) {
  return Placed(new RadioGroupBox(parent, columns), model, r);
}

TextComboBox* FormBuilder::ComboBox(QWidget* parent, forms::ComboBox& model, int x, int y, int w) {
  return Placed(new TextComboBox(parent), model, QRect(x, y, w, kEditHeight));
}

QPlainTextEdit* FormBuilder::Memo(QWidget* parent, forms::Memo& model, QRect r, bool wrap,
                                  QPlainTextEdit* widget) {
  auto* memo = widget ? widget : new QPlainTextEdit(parent);
  memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return Placed(memo, model, r);
}

UpDownWidget* FormBuilder::UpDown(QWidget* parent, forms::UpDown& model, QRect r) {
  return Placed(new UpDownWidget(parent), model, r);
}

QScrollBar* FormBuilder::ScrollBar(QWidget* parent, forms::ScrollBar& model, QRect r) {
  return Placed(new QScrollBar(Qt::Horizontal, parent), model, r);
}

ImageWidget* FormBuilder::Image(QWidget* parent, forms::Image& model, QRect r) {
  return Placed(new ImageWidget(model, parent), model, r);
}

QAction* FormBuilder::MenuItem(QMenuBar* menu, forms::Button& model) {
  QAction* action = menu->addAction(QString());
  Bind(model, action, platform_);
  return action;
}

QLineEdit* FormBuilder::Row(QWidget* parent, const QString& caption, forms::Edit& model,
                            int captionX, int editX, int y, int w, const QString& unit) {
  if (!caption.isEmpty()) Text(parent, caption, captionX, y + 4);
  QLineEdit* edit = Edit(parent, model, editX, y, w);
  if (!unit.isEmpty()) Text(parent, unit, editX + w + 4, y + 4);
  return edit;
}

void FormBuilder::Rows(QWidget* parent, std::initializer_list<RowText> rows, int captionX,
                       int editX, int y, int w) {
  for (const RowText& r : rows) {
    Row(parent, QString::fromUtf8(r.caption), r.model, captionX, editX, y, w,
        QString::fromUtf8(r.unit));
    y += 24;
  }
}

QLabel* FormBuilder::Readout(QWidget* parent, const QString& caption, forms::Label& model,
                             int captionX, int valueX, int y, int w, const QString& unit) {
  if (!caption.isEmpty()) Text(parent, caption, captionX, y + 4);
  QLabel* label = Label(parent, model, QRect(valueX, y, w, kEditHeight));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (!unit.isEmpty()) Text(parent, unit, valueX + w + 4, y + 4);
  return label;
}
