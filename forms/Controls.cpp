#include "forms/Controls.h"

#include <algorithm>

namespace forms {

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Changed();
}

void Control::SetOffsetX(int px) {
  if (offsetX_ == px) return;
  offsetX_ = px;
  Changed();
}

int Control::Subscribe(Listener listener) {
  listeners_.emplace_back(nextId_, std::move(listener));
  return nextId_++;
}

void Control::Unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void Control::Changed() {
  // A listener may unsubscribe while we notify; iterate over a copy.
  auto copy = listeners_;
  for (auto& [id, l] : copy) l();
}

Control::Restore Control::SaveState() {
  return [this, enabled = enabled_, visible = visible_, offsetX = offsetX_] {
    enabled_ = enabled;
    visible_ = visible;
    offsetX_ = offsetX;
    Changed();
  };
}

Control::Restore Edit::SaveState() {
  return [this, base = Control::SaveState(), text = text_] {
    text_ = text;
    base();
  };
}

void Edit::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Changed();
}

void Captioned::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Changed();
}

Control::Restore Captioned::SaveState() {
  return [this, base = Control::SaveState(), caption = caption_] {
    caption_ = caption;
    base();
  };
}

void Button::Click() {
  if (OnClick) OnClick();
}

void Toggle::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Changed();
  if ((checked || runsWhenUnchecked_) && OnClick) OnClick();
}

Control::Restore Toggle::SaveState() {
  return [this, base = Captioned::SaveState(), checked = checked_] {
    checked_ = checked;
    base();
  };
}

void RadioGroup::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  Changed();
}

void RadioGroup::SetItemIndex(int index) {
  if (index_ == index) return;
  previous_ = index_;
  index_ = index;
  Changed();
  if (OnClick) OnClick();
}

void RadioGroup::Pick(int index) {
  SetItemIndex(index);
}

void RadioGroup::RevertItemIndex() {
  if (index_ == previous_) return;
  index_ = previous_;
  Changed();
}

Control::Restore RadioGroup::SaveState() {
  return
      [this, base = Captioned::SaveState(), items = items_, index = index_, previous = previous_] {
        items_ = items;
        index_ = index;
        previous_ = previous;
        base();
      };
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  Changed();
}

void ComboBox::SetItemIndex(int index) {
  index_ = index;
  if (index >= 0 && index < static_cast<int>(items_.size())) text_ = items_[index];
  Changed();
}

void ComboBox::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Changed();
}

void ComboBox::Pick(int index) {
  SetItemIndex(index);
  if (OnChange) OnChange();
}

Control::Restore ComboBox::SaveState() {
  return [this, base = Control::SaveState(), items = items_, index = index_, text = text_] {
    items_ = items;
    index_ = index;
    text_ = text;
    base();
  };
}

void Memo::Add(const std::string& line) {
  lines_.push_back(line);
  Changed();
}

void Memo::Clear() {
  lines_.clear();
  Changed();
}

Control::Restore Memo::SaveState() {
  return [this, base = Control::SaveState(), lines = lines_] {
    lines_ = lines;
    base();
  };
}

void UpDown::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position_ == position) return;
  position_ = position;
  Changed();
}

void UpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  SetPosition(position_);
}

void UpDown::Click(bool up) {
  const int before = position_;
  SetPosition(position_ + (up ? 1 : -1));
  try {
    if (OnClick) OnClick(up);
  } catch (...) {
    SetPosition(before);  // an abandoned click leaves the counter where it was
    throw;
  }
}

Control::Restore UpDown::SaveState() {
  return [this, base = Control::SaveState(), position = position_, min = min_, max = max_] {
    position_ = position;
    min_ = min;
    max_ = max;
    base();
  };
}

void ScrollBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position_ == position) return;
  position_ = position;
  Changed();
  if (OnChange) OnChange();
}

void ScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (position_ < min_ || position_ > max_) SetPosition(position_);
}

void ScrollBar::Scroll(int position) {
  SetPosition(position);
}

Control::Restore ScrollBar::SaveState() {
  return [this, base = Control::SaveState(), position = position_, min = min_, max = max_] {
    position_ = position;
    min_ = min;
    max_ = max;
    base();
  };
}

Image::Image(std::string name, int width, int height)
    : Control(std::move(name)), width_(width), height_(height), canvas_(width, height) {}

void Image::SetSize(int width, int height) {
  if (width_ == width && height_ == height) return;
  width_ = width;
  height_ = height;
  Changed();
}

void Image::SetBand(const Overlay& overlay) {
  if (overlay_ == overlay) return;
  overlay_ = overlay;
  Changed();
}

Control::Restore Image::SaveState() {
  return [this, base = Control::SaveState(), width = width_, height = height_, canvas = canvas_,
          overlay = overlay_] {
    width_ = width;
    height_ = height;
    if (canvas_.Revision() != canvas.Revision()) canvas_.RestoreFrom(canvas);
    overlay_ = overlay;
    base();
  };
}

void Image::MouseDown(int x, int y) {
  if (OnMouseDown) OnMouseDown(x, y);
}
void Image::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(x, y);
}
void Image::MouseUp(int x, int y) {
  if (OnMouseUp) OnMouseUp(x, y);
}
void Image::DblClick(int x, int y) {
  if (OnDblClick) OnDblClick(x, y);
}

}  // namespace forms
