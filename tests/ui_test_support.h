// Shared helpers for the tests of the calculation window model (no display).
#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "core/NativeFile.h"
#include "core/NumberText.h"
#include "forms/Platform.h"
#include "ui/Application.h"
#include "ui/Vstup1.h"

namespace uitest {

// An empty program folder of its own, so that no start-up file of another run is read.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        ("trajekta-ui-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string Path() const { return Utf8FromPath(path_); }

 private:
  std::filesystem::path path_;
};

// The separator must be in force before the windows are created: creation writes texts.
struct SeparatorScope {
  explicit SeparatorScope(char separator) { SetDecimalSeparator(separator); }
  ~SeparatorScope() { SetDecimalSeparator(','); }
};

// The application created headless with the start values of its windows.
class Session {
 public:
  explicit Session(char separator = ',') : separator_(separator), platform_(folder_.Path()) {
    app_.Create();
  }

  Tvstup& w() { return app_.vstup(); }
  Application& app() { return app_; }
  forms::ScriptedPlatform& platform() { return platform_; }

  // Runs an action through the dispatcher and returns the boxes it showed.
  std::vector<std::string> Act(const std::function<void()>& action) {
    platform_.TakeShown();
    forms::RunUserAction(platform_, action);
    return platform_.TakeShown();
  }

 private:
  SeparatorScope separator_;
  TempFolder folder_;
  forms::ScriptedPlatform platform_;
  Application app_{platform_};
};

inline std::string Msg(const std::string& text) {
  return "message: " + text;
}

using Shown = std::vector<std::string>;

// Independent rounding, half away from zero, for values that are not on a half.
inline double Round(double value, int decimals) {
  const double b = std::pow(10.0, decimals);
  return std::round(value * b) / b;
}

// A person's act on a control found by name: types into an edit field, picks an item of a
// radio group or combo box, or clicks a check box until it shows "on" or "off".
inline void Apply(forms::Window& window, const std::string& control, const std::string& value) {
  forms::Control* c = window.Find(control);
  if (c == nullptr) {
    ADD_FAILURE() << "no control " << control;
    return;
  }
  if (auto* edit = dynamic_cast<forms::Edit*>(c)) {
    edit->SetText(value);
  } else if (auto* box = dynamic_cast<forms::CheckBox*>(c)) {
    if (box->Checked() != (value == "on")) box->Click();
  } else if (auto* group = dynamic_cast<forms::RadioGroup*>(c)) {
    group->Pick(std::stoi(value));
  } else if (auto* combo = dynamic_cast<forms::ComboBox*>(c)) {
    combo->Pick(std::stoi(value));
  } else {
    ADD_FAILURE() << "cannot act on " << control;
  }
}

// What a control shows, one line: enabled, visible, and its text, caption, check, item,
// position or picture.
inline std::string Showing(const forms::Control& c) {
  std::ostringstream s;
  s << c.Name() << ' ' << c.Enabled() << c.Visible() << ' ';
  if (auto* e = dynamic_cast<const forms::Edit*>(&c)) s << e->Text();
  if (auto* k = dynamic_cast<const forms::Captioned*>(&c)) s << k->Caption();
  if (auto* t = dynamic_cast<const forms::Toggle*>(&c)) s << t->Checked();
  if (auto* g = dynamic_cast<const forms::RadioGroup*>(&c)) s << g->ItemIndex();
  if (auto* b = dynamic_cast<const forms::ComboBox*>(&c)) s << b->ItemIndex();
  if (auto* u = dynamic_cast<const forms::UpDown*>(&c)) s << u->Position();
  if (auto* b = dynamic_cast<const forms::ScrollBar*>(&c)) s << b->Position();
  if (auto* i = dynamic_cast<const forms::Image*>(&c)) {
    for (const auto& op : i->Picture().Ops()) s << op.x1 << ',' << op.y1 << op.text << ' ';
  }
  return s.str();
}

// Readable test names from case names: only letters, digits and underscores survive.
inline std::string TestName(const std::string& name) {
  std::string out;
  for (char c : name) out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return out;
}

}  // namespace uitest
