#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>

#include "qt/Binding.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QCheckBox;
class QRadioButton;
class QAction;
class QtPlatform;

// Places widgets at absolute positions, as a form designer does, and binds each to its
// model control. Static texts (captions, units, group titles) are the view's own.
class FormBuilder {
 public:
  explicit FormBuilder(QtPlatform& platform) : platform_(platform) {}

  // Usual heights of a classic form.
  static constexpr int kEditHeight = 21;
  static constexpr int kCheckHeight = 17;

  QLabel* Text(QWidget* parent, const QString& text, int x, int y);
  QGroupBox* Group(QWidget* parent, const QString& title, QRect r);
  QFrame* Panel(QWidget* parent, QRect r);

  QLineEdit* Edit(QWidget* parent, forms::Edit& model, int x, int y, int w);
  QLabel* Label(QWidget* parent, forms::Label& model, QRect r);
  // The yellow busy label ("Počítám") centred at a point, above its siblings.
  QLabel* BusyLabel(QWidget* parent, forms::Label& model, QPoint center);
  QPushButton* Button(QWidget* parent, forms::Button& model, QRect r);
  QCheckBox* CheckBox(QWidget* parent, forms::CheckBox& model, int x, int y, int w);
  QRadioButton* RadioButton(QWidget* parent, forms::RadioButton& model, int x, int y, int w);
  RadioGroupBox* RadioGroup(QWidget* parent, forms::RadioGroup& model, QRect r, int columns = 1);
  TextComboBox* ComboBox(QWidget* parent, forms::ComboBox& model, int x, int y, int w);
  // A memo of a class of the view's own is passed in as widget.
  QPlainTextEdit* Memo(QWidget* parent, forms::Memo& model, QRect r, bool wrap,
                       QPlainTextEdit* widget = nullptr);
  UpDownWidget* UpDown(QWidget* parent, forms::UpDown& model, QRect r);
  QScrollBar* ScrollBar(QWidget* parent, forms::ScrollBar& model, QRect r);
  ImageWidget* Image(QWidget* parent, forms::Image& model, QRect r);
  QAction* MenuItem(QMenuBar* menu, forms::Button& model);

  // A caption, a field and a unit on one row; the caption and unit sit level with the text.
  QLineEdit* Row(QWidget* parent, const QString& caption, forms::Edit& model, int captionX,
                 int editX, int y, int w, const QString& unit = {});
  // Such rows one under another, a row every 24 px from y.
  struct RowText {
    const char* caption;
    forms::Edit& model;
    const char* unit;
  };
  void Rows(QWidget* parent, std::initializer_list<RowText> rows, int captionX, int editX, int y,
            int w);
  // The same row for a computed value: framed and right-aligned like a read-only field.
  QLabel* Readout(QWidget* parent, const QString& caption, forms::Label& model, int captionX,
                  int valueX, int y, int w, const QString& unit = {});

  QtPlatform& platform() const { return platform_; }

 private:
  // Puts a new widget in its place and binds it to its model.
  template <typename Widget, typename Model>
  Widget* Placed(Widget* widget, Model& model, QRect r);

  QtPlatform& platform_;
};

// Fonts of the forms.
QFont BoldFont(int pointSize);
QFont PixelFont(int pixelSize, bool bold);
QFont MonospaceFont(int pointSize);
