#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/Canvas.h"

namespace forms {

// A headless control: exactly the state a person sees, plus a change signal for views.
// Methods named after a person's act (Click, Pick, Scroll, Type) run the handler, except a
// pick of the radio-group item already selected, which does nothing; setters called by code
// run a check box's or radio group's handler only when the state changes, and never a combo
// box's.
class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Horizontal shift from the control's place in the layout, in pixels.
  int OffsetX() const { return offsetX_; }
  void SetOffsetX(int px);
  // Can a person act on it now?
  bool Usable() const { return enabled_ && visible_; }

  using Listener = std::function<void()>;
  int Subscribe(Listener listener);
  void Unsubscribe(int id);

  // What the control shows now, as a function that puts it back later without running any
  // handler, so that an abandoned action can leave its window as it found it.
  using Restore = std::function<void()>;
  virtual Restore SaveState();

 protected:
  void Changed();

 private:
  std::string name_;
  bool enabled_ = true;
  bool visible_ = true;
  int offsetX_ = 0;
  int nextId_ = 1;
  std::vector<std::pair<int, Listener>> listeners_;
};

class Edit : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  Restore SaveState() override;

 private:
  std::string text_;
};

// A control with a caption that the program may change.
class Captioned : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  Restore SaveState() override;

 private:
  std::string caption_;
};

class Label : public Captioned {
 public:
  using Captioned::Captioned;
};

class Button : public Captioned {
 public:
  using Captioned::Captioned;
  std::function<void()> OnClick;
  void Click();
};

// A check box runs its handler on every change of state; a radio button only when it
// becomes checked, by code or by a click.
class Toggle : public Captioned {
 public:
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  std::function<void()> OnClick;
  Restore SaveState() override;

 protected:
  Toggle(std::string name, bool runsWhenUnchecked)
      : Captioned(std::move(name)), runsWhenUnchecked_(runsWhenUnchecked) {}

 private:
  bool checked_ = false;
  bool runsWhenUnchecked_;
};

class CheckBox : public Toggle {
 public:
  explicit CheckBox(std::string name) : Toggle(std::move(name), true) {}
  void Click() { SetChecked(!Checked()); }
};

class RadioButton : public Toggle {
 public:
  explicit RadioButton(std::string name) : Toggle(std::move(name), false) {}
  void Click() { SetChecked(true); }
};

class RadioGroup : public Captioned {
 public:
  using Captioned::Captioned;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);
  std::function<void()> OnClick;
  // As on the desktop: a click on the item already selected runs nothing.
  void Pick(int index);
  // Back to the item shown before the last change, without the handler (a refused change).
  void RevertItemIndex();
  Restore SaveState() override;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  int previous_ = -1;
};

class ComboBox : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  int ItemIndex() const { return index_; }
  // Runs no handler.
  void SetItemIndex(int index);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  std::function<void()> OnChange;
  void Pick(int index);
  Restore SaveState() override;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  std::string text_;
};

class Memo : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& Lines() const { return lines_; }
  void Add(const std::string& line);
  void Clear();
  Restore SaveState() override;

 private:
  std::vector<std::string> lines_;
};

class UpDown : public Control {
 public:
  using Control::Control;
  int Position() const { return position_; }
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  // The handler learns which arrow was pressed; the position moves first, within the range,
  // and back when the handler abandons the click.
  std::function<void(bool up)> OnClick;
  void Click(bool up);
  Restore SaveState() override;

 private:
  int position_ = 0;
  int min_ = 0, max_ = 100;
};

class ScrollBar : public Control {
 public:
  using Control::Control;
  int Position() const { return position_; }
  // A change of position runs the handler, by code or by a person.
  void SetPosition(int position);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  std::function<void()> OnChange;
  void Scroll(int position);
  Restore SaveState() override;

 private:
  int position_ = 0;
  int min_ = 0, max_ = 100;
};

// A rectangle drawn over an image and never into its picture (the zoom band of a graph).
struct Overlay {
  bool visible = false;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = kBlack;
  bool operator==(const Overlay&) const = default;
};

class Image : public Control {
 public:
  Image(std::string name, int width, int height);
  // The control's size; the picture keeps its own size until the owner resizes it.
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);
  Canvas& Picture() { return canvas_; }
  const Canvas& Picture() const { return canvas_; }
  // Called by drawing code when a batch of drawing is complete.
  void PictureChanged() { Changed(); }
  const Overlay& Band() const { return overlay_; }
  void SetBand(const Overlay& overlay);
  Restore SaveState() override;

  std::function<void(int x, int y)> OnMouseDown, OnMouseMove, OnMouseUp, OnDblClick;
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(int x, int y);
  void DblClick(int x, int y);

 private:
  int width_, height_;
  Canvas canvas_;
  Overlay overlay_;
};

}  // namespace forms
