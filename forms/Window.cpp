#include "forms/Window.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

Control* Window::Find(const std::string& controlName) const {
  auto it = byName_.find(controlName);
  return it == byName_.end() ? nullptr : it->second;
}

Control::Restore Window::SaveControls(const std::vector<const Control*>& except) const {
  std::vector<Control::Restore> restores;
  for (Control* c : order_) {
    if (std::find(except.begin(), except.end(), c) == except.end())
      restores.push_back(c->SaveState());
  }
  return [restores = std::move(restores)] {
    for (const auto& restore : restores) restore();
  };
}

void Window::Register(Control& control) {
  if (!byName_.emplace(control.Name(), &control).second) {
    throw std::logic_error("control registered twice: " + name_ + "." + control.Name());
  }
  order_.push_back(&control);
}

}  // namespace forms
