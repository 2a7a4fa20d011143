#include "forms/Window.h"

#include <stdexcept>

namespace forms {

Control* Window::Find(const std::string& controlName) const {
  auto it = byName_.find(controlName);
  return it == byName_.end() ? nullptr : it->second;
}

void Window::Register(Control& control) {
  if (!byName_.emplace(control.Name(), &control).second) {
    throw std::logic_error("control registered twice: " + name_ + "." + control.Name());
  }
  order_.push_back(&control);
}

}  // namespace forms
