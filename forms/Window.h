#pragma once
#include <map>
#include <string>
#include <vector>

#include "forms/Controls.h"

namespace forms {

class Platform;

// A window model: controls registered by name, so that views, tests and scripts reach
// every one of them as Window.Control.
class Window {
 public:
  Window(std::string name, std::string caption, Platform& platform)
      : name_(std::move(name)), caption_(std::move(caption)), platform_(platform) {}
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  Control* Find(const std::string& controlName) const;
  const std::vector<Control*>& Controls() const { return order_; }
  // What every control but those in `except` shows now, put back later by the returned
  // function without running any handler (Control::SaveState).
  Control::Restore SaveControls(const std::vector<const Control*>& except = {}) const;

  // Lifecycle events, run by the application and the views.
  virtual void FormCreate() {}
  virtual void FormActivate() {}
  virtual void FormResize() {}
  virtual void FormDestroy() {}

  bool Shown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }

  Platform& platform() const { return platform_; }

 protected:
  void Register(Control& control);
  template <typename... C>
  void RegisterAll(C&... controls) {
    (Register(controls), ...);
  }

 private:
  std::string name_, caption_;
  Platform& platform_;
  std::map<std::string, Control*> byName_;
  std::vector<Control*> order_;
  bool shown_ = false;
};

}  // namespace forms
