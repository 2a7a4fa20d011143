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

QLineEdit* FormBuilder::Edit(QWidget* parent, forms::Edit& model, int x, int y, int w) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(x, y, w, kEditHeight);
  Bind(model, edit, platform_);
  return edit;
}

QLabel* FormBuilder::Label(QWidget* parent, forms::Label& model, QRect r) {
  auto* label = new QLabel(parent);
  label->setGeometry(r);
  Bind(model, label, platform_);
  return label;
}

QPushButton* FormBuilder::Button(QWidget* parent, forms::Button& model, QRect r) {
  auto* button = new QPushButton(parent);
  button->setGeometry(r);
  button->setAutoDefault(false);
  Bind(model, button, platform_);
  return button;
}

QCheckBox* FormBuilder::CheckBox(QWidget* parent, forms::CheckBox& model, int x, int y, int w) {
  auto* box = new QCheckBox(parent);
  box->setGeometry(x, y, w, kCheckHeight);
  Bind(model, box, platform_);
  return box;
}

QRadioButton* FormBuilder::RadioButton(QWidget* parent, forms::RadioButton& model, int x, int y,
                                       int w) {
  auto* button = new QRadioButton(parent);
  button->setGeometry(x, y, w, kCheckHeight);
  Bind(model, button, platform_);
  return button;
}

RadioGroupBox* FormBuilder::RadioGroup(QWidget* parent, forms::RadioGroup& model, QRect r,
                                       int columns) {
  auto* group = new RadioGroupBox(parent, columns);
  group->setGeometry(r);
  Bind(model, group, platform_);
  return group;
}

TextComboBox* FormBuilder::ComboBox(QWidget* parent, forms::ComboBox& model, int x, int y, int w) {
  auto* combo = new TextComboBox(parent);
  combo->setGeometry(x, y, w, kEditHeight);
  Bind(model, combo, platform_);
  return combo;
}

QPlainTextEdit* FormBuilder::Memo(QWidget* parent, forms::Memo& model, QRect r, bool wrap) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setGeometry(r);
  memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Bind(model, memo, platform_);
  return memo;
}

UpDownWidget* FormBuilder::UpDown(QWidget* parent, forms::UpDown& model, QRect r) {
  auto* updown = new UpDownWidget(parent);
  updown->setGeometry(r);
  Bind(model, updown, platform_);
  return updown;
}

QScrollBar* FormBuilder::ScrollBar(QWidget* parent, forms::ScrollBar& model, QRect r) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setGeometry(r);
  Bind(model, bar, platform_);
  return bar;
}

ImageWidget* FormBuilder::Image(QWidget* parent, forms::Image& model, QRect r) {
  auto* image = new ImageWidget(model, parent);
  image->setGeometry(r);
  Bind(model, image, platform_);
  return image;
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
