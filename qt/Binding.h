#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "forms/Controls.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;
class QtPlatform;

// Keeps one widget (or menu action) in step with one model control. It lives as a child of
// the widget and stops listening when the widget goes. While it writes the model's state
// into the widget, the widget's signals are not taken for a person's act, so nothing echoes.
class ControlLink : public QObject {
 public:
  ControlLink(forms::Control& control, QObject* target, QtPlatform& platform,
              std::function<void()> pullOwn);
  ~ControlLink() override;

  // Shows the model's whole state.
  void Pull();
  // A person's act on the model (ignored while the widget is being updated from the model);
  // afterwards the widget shows what the model made of it, since a handler may refuse it.
  void Act(const std::function<void()>& act);
  bool Updating() const { return updating_ > 0; }

 private:
  forms::Control& control_;
  QObject* target_;
  QtPlatform& platform_;
  std::function<void()> pullOwn_;
  int subscription_ = 0;
  int updating_ = 0;
  int appliedOffsetX_ = 0;
};

// A radio group: a framed box of radio buttons, one per item, in columns.
class RadioGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroupBox(QWidget* parent, int columns = 1);
  const std::vector<QRadioButton*>& Buttons() const { return buttons_; }
  // Remakes the buttons when the texts differ from those shown.
  void SetItems(const std::vector<std::string>& items);
  // A person clicked item n.
  std::function<void(int)> onPick;
  int Columns() const { return columns_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  int columns_;
  std::vector<QRadioButton*> buttons_;
};

// A drop-down list that shows a text of its own, which need not be one of its items
// ("Vyber metodu" over a list of methods).
class TextComboBox : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;
  void SetDisplayText(const QString& text);
  QString DisplayText() const { return displayText_; }
  // Whether the closed box shows the text whole: on one line, or on two where it is tall enough.
  bool ShowsWhole(const QString& text) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextRect() const;
  bool Wraps(const QString& text) const;
  QString displayText_;
};

// The two arrows of an up-down counter.
class UpDownWidget : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownWidget(QWidget* parent);
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// Shows an image control's picture with its rubber band on top and hands the mouse to it
// in picture pixels.
class ImageWidget : public QWidget {
  Q_OBJECT

 public:
  ImageWidget(forms::Image& image, QWidget* parent);
  forms::Image& Model() const { return image_; }
  // Drawn instead of an empty picture.
  std::function<void(QPainter&, const QRect&)> placeholder;
  void SetLink(ControlLink* link) { link_ = link; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Act(const std::function<void()>& act);
  forms::Image& image_;
  ControlLink* link_ = nullptr;
  QImage cache_;
  uint64_t cachedRevision_ = 0;
  bool cached_ = false;
};

// One binder per control type. Each takes the model's state at once and follows it; the
// widget's own acts reach the model through the platform's dispatcher.
ControlLink* Bind(forms::Edit& model, QLineEdit* widget, QtPlatform& platform);
ControlLink* Bind(forms::Label& model, QLabel* widget, QtPlatform& platform);
ControlLink* Bind(forms::Button& model, QPushButton* widget, QtPlatform& platform);
ControlLink* Bind(forms::Button& model, QAction* action, QtPlatform& platform);
ControlLink* Bind(forms::CheckBox& model, QCheckBox* widget, QtPlatform& platform);
ControlLink* Bind(forms::RadioButton& model, QRadioButton* widget, QtPlatform& platform);
ControlLink* Bind(forms::RadioGroup& model, RadioGroupBox* widget, QtPlatform& platform);
ControlLink* Bind(forms::ComboBox& model, TextComboBox* widget, QtPlatform& platform);
ControlLink* Bind(forms::Memo& model, QPlainTextEdit* widget, QtPlatform& platform);
ControlLink* Bind(forms::UpDown& model, UpDownWidget* widget, QtPlatform& platform);
ControlLink* Bind(forms::ScrollBar& model, QScrollBar* widget, QtPlatform& platform);
ControlLink* Bind(forms::Image& model, ImageWidget* widget, QtPlatform& platform);
