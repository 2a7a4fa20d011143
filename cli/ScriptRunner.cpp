#include "cli/ScriptRunner.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "core/NumberText.h"
#include "core/TextFile.h"
#include "forms/Controls.h"
#include "forms/StringGrid.h"

namespace {

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

bool ParseInt(const std::string& s, int& value) {
  try {
    size_t used = 0;
    value = std::stoi(s, &used);
    return used == s.size();
  } catch (...) {
    return false;
  }
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& err, std::string programFolder,
                           PictureWriter pictureWriter, PdfRenderer pdfRenderer)
    : out_(out), err_(err), platform_(std::move(programFolder)) {
  platform_.onShown = [this](const std::string& line) { out_ << line << "\n"; };
  platform_.pictureWriter = std::move(pictureWriter);
  platform_.pdfRenderer = std::move(pdfRenderer);
}

ScriptRunner::~ScriptRunner() = default;

Application& ScriptRunner::App() {
  if (!app_) {
    app_ = std::make_unique<Application>(platform_);
    app_->Create();
  }
  return *app_;
}

int ScriptRunner::Fail(int lineNo, const std::string& text) {
  err_ << "line " << lineNo << ": " << text << "\n";
  return 1;
}

forms::Control* ScriptRunner::FindControl(const std::string& path, int lineNo) {
  const size_t dot = path.find('.');
  if (dot == std::string::npos) {
    Fail(lineNo, "expected Window.Control, got '" + path + "'");
    return nullptr;
  }
  forms::Window* window = App().FindWindow(path.substr(0, dot));
  if (!window) {
    Fail(lineNo, "unknown window '" + path.substr(0, dot) + "'");
    return nullptr;
  }
  forms::Control* control = window->Find(path.substr(dot + 1));
  if (!control) Fail(lineNo, "unknown control '" + path + "'");
  return control;
}

int ScriptRunner::Run(std::istream& script) {
  std::string line;
  int lineNo = 0;
  while (std::getline(script, line)) {
    ++lineNo;
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const int status = Execute(line, lineNo);
    out_.flush();
    if (status != 0) return status;
  }
  return 0;
}

int ScriptRunner::Execute(const std::string& rawLine, int lineNo) {
  std::string line = rawLine;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const size_t start = line.find_first_not_of(" \t");
  line = line.substr(start);
  std::istringstream words(line);
  std::string command, target;
  words >> command;

  if (command == "decimal") {
    std::string sep;
    words >> sep;
    if (sep != "," && sep != ".") return Fail(lineNo, "decimal takes , or .");
    SetDecimalSeparator(sep[0]);
    return 0;
  }
  if (command == "answer") {
    std::string rest;
    std::getline(words >> std::ws, rest);
    rest = Trim(rest);
    if (rest.empty()) return Fail(lineNo, "answer takes a path or cancel");
    if (rest == "cancel")
      platform_.QueueFileAnswer(std::nullopt);
    else
      platform_.QueueFileAnswer(rest);
    return 0;
  }
  if (command == "modal") {
    words >> target;
    if (target == "close") {
      platform_.QueueModalAnswer("");
      return 0;
    }
    forms::Control* c = FindControl(target, lineNo);
    if (!c) return 1;
    platform_.QueueModalAnswer(c->Name());
    return 0;
  }
  if (command == "file") {
    std::string path;
    std::getline(words >> std::ws, path);
    PrintFile(Trim(path));
    return 0;
  }
  if (command == "restart") {
    // Quit as the program does (the start-up file is written) and start on the same folder.
    app_.reset();
    App();
    return 0;
  }
  if (command == "show") {
    words >> target;
    forms::Window* window = App().FindWindow(target);
    if (!window) return Fail(lineNo, "unknown window '" + target + "'");
    forms::RunUserAction(platform_, [&] { platform_.ShowWindow(*window, false); });
    return 0;
  }

  static const char* const kControlCommands[] = {"set",   "check", "pick",  "click", "scroll",
                                                 "mouse", "print", "state", "image"};
  bool known = false;
  for (const char* c : kControlCommands) known = known || command == c;
  if (!known) return Fail(lineNo, "unknown command '" + command + "'");

  words >> target;
  forms::Control* control = FindControl(target, lineNo);
  if (!control) return 1;

  if (command == "print") {
    Print(*control);
    return 0;
  }
  if (command == "state") {
    State(*control);
    return 0;
  }
  if (command == "image") {
    std::string path;
    std::getline(words >> std::ws, path);
    auto* image = dynamic_cast<forms::Image*>(control);
    if (!image) return Fail(lineNo, target + " is not an image");
    if (!platform_.SavePicture(image->Picture(), Trim(path)))
      return Fail(lineNo, "cannot write " + Trim(path));
    return 0;
  }

  // The rest are a person's acts: a control that is greyed out or hidden takes none.
  if (!control->Usable()) {
    out_ << "ignored: " << target << " is " << (control->Visible() ? "disabled" : "hidden") << "\n";
    return 0;
  }
  auto act = [&](const std::function<void()>& action) { forms::RunUserAction(platform_, action); };

  if (command == "set") {
    std::string text;
    const size_t pos = line.find(target);
    text = line.substr(pos + target.size());
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
    if (auto* edit = dynamic_cast<forms::Edit*>(control)) {
      edit->SetText(text);
    } else if (auto* combo = dynamic_cast<forms::ComboBox*>(control)) {
      combo->SetText(text);
    } else if (auto* grid = dynamic_cast<forms::StringGrid*>(control)) {
      // A person types into one cell: COL ROW text.
      std::istringstream cell(text);
      int col = 0, row = 0;
      if (!(cell >> col >> row)) return Fail(lineNo, "a table takes COL ROW text");
      std::string cellText;
      std::getline(cell, cellText);
      if (!cellText.empty() && cellText[0] == ' ') cellText.erase(0, 1);
      grid->SetCell(col, row, cellText);
    } else {
      return Fail(lineNo, target + " does not take text");
    }
    return 0;
  }
  if (command == "check") {
    std::string value;
    words >> value;
    if (value != "on" && value != "off") return Fail(lineNo, "check takes on or off");
    const bool on = value == "on";
    if (auto* box = dynamic_cast<forms::CheckBox*>(control)) {
      if (box->Checked() != on) act([&] { box->Click(); });
    } else if (auto* radio = dynamic_cast<forms::RadioButton*>(control)) {
      if (!on) return Fail(lineNo, "a radio button is unchecked by checking another");
      if (!radio->Checked()) act([&] { radio->Click(); });
    } else {
      return Fail(lineNo, target + " is not a check box or radio button");
    }
    return 0;
  }
  if (command == "pick") {
    std::string value;
    words >> value;
    int n = 0;
    if (!ParseInt(value, n)) return Fail(lineNo, "pick takes an item number");
    // Radio groups and combo boxes both offer a list of items.
    auto pick = [&](const std::vector<std::string>& items, auto& list) {
      if (n < 0 || n >= static_cast<int>(items.size())) return Fail(lineNo, "no item " + value);
      act([&] { list.Pick(n); });
      return 0;
    };
    if (auto* group = dynamic_cast<forms::RadioGroup*>(control))
      return pick(group->Items(), *group);
    if (auto* combo = dynamic_cast<forms::ComboBox*>(control)) return pick(combo->Items(), *combo);
    return Fail(lineNo, target + " has no items");
  }
  if (command == "click") {
    std::string arrow;
    words >> arrow;
    if (auto* upDown = dynamic_cast<forms::UpDown*>(control)) {
      if (arrow != "up" && arrow != "down")
        return Fail(lineNo, "click on an up-down takes up or down");
      act([&] { upDown->Click(arrow == "up"); });
    } else if (auto* button = dynamic_cast<forms::Button*>(control)) {
      act([&] { button->Click(); });
    } else if (auto* box = dynamic_cast<forms::CheckBox*>(control)) {
      act([&] { box->Click(); });
    } else if (auto* radio = dynamic_cast<forms::RadioButton*>(control)) {
      act([&] { radio->Click(); });
    } else {
      return Fail(lineNo, target + " cannot be clicked");
    }
    return 0;
  }
  if (command == "scroll") {
    std::string value;
    words >> value;
    int n = 0;
    if (!ParseInt(value, n)) return Fail(lineNo, "scroll takes a position");
    auto* bar = dynamic_cast<forms::ScrollBar*>(control);
    if (!bar) return Fail(lineNo, target + " is not a scroll bar");
    act([&] { bar->Scroll(n); });
    return 0;
  }
  if (command == "mouse") {
    std::string kind, xs, ys;
    words >> kind >> xs >> ys;
    int x = 0, y = 0;
    if (!ParseInt(xs, x) || !ParseInt(ys, y)) return Fail(lineNo, "mouse takes an event and X Y");
    if (auto* grid = dynamic_cast<forms::StringGrid*>(control)) {
      if (kind != "down") return Fail(lineNo, "a table takes mouse down");
      act([&] { grid->MouseDown(x, y); });
      return 0;
    }
    auto* image = dynamic_cast<forms::Image*>(control);
    if (!image) return Fail(lineNo, target + " is not an image");
    if (kind == "down")
      act([&] { image->MouseDown(x, y); });
    else if (kind == "move")
      act([&] { image->MouseMove(x, y); });
    else if (kind == "up")
      act([&] { image->MouseUp(x, y); });
    else if (kind == "dblclick")
      act([&] { image->DblClick(x, y); });
    else
      return Fail(lineNo, "mouse takes down, move, up or dblclick");
    return 0;
  }
  return Fail(lineNo, "unknown command '" + command + "'");
}

void ScriptRunner::Print(forms::Control& c) {
  if (auto* g = dynamic_cast<forms::RadioGroup*>(&c)) {
    const int i = g->ItemIndex();
    out_ << (i >= 0 && i < static_cast<int>(g->Items().size()) ? g->Items()[i] : std::string())
         << "\n";
  } else if (auto* captioned = dynamic_cast<forms::Captioned*>(&c)) {
    out_ << captioned->Caption() << "\n";
  } else if (auto* e = dynamic_cast<forms::Edit*>(&c)) {
    out_ << e->Text() << "\n";
  } else if (auto* cb = dynamic_cast<forms::ComboBox*>(&c)) {
    out_ << cb->Text() << "\n";
  } else if (auto* m = dynamic_cast<forms::Memo*>(&c)) {
    for (const auto& line : m->Lines()) out_ << line << "\n";
  } else if (auto* u = dynamic_cast<forms::UpDown*>(&c)) {
    out_ << u->Position() << "\n";
  } else if (auto* s = dynamic_cast<forms::ScrollBar*>(&c)) {
    out_ << s->Position() << "\n";
  } else if (auto* grid = dynamic_cast<forms::StringGrid*>(&c)) {
    for (int r = 0; r < grid->RowCount(); ++r) {
      for (int col = 0; col < grid->ColCount(); ++col)
        out_ << (col ? "\t" : "") << grid->Cell(col, r);
      out_ << "\n";
    }
  } else if (auto* im = dynamic_cast<forms::Image*>(&c)) {
    out_ << im->Picture().Width() << "x" << im->Picture().Height() << "\n";
  }
}

void ScriptRunner::State(forms::Control& c) {
  out_ << "enabled=" << c.Enabled() << " visible=" << c.Visible();
  if (auto* t = dynamic_cast<forms::Toggle*>(&c)) out_ << " checked=" << t->Checked();
  if (auto* g = dynamic_cast<forms::RadioGroup*>(&c)) out_ << " index=" << g->ItemIndex();
  if (auto* cb = dynamic_cast<forms::ComboBox*>(&c)) out_ << " index=" << cb->ItemIndex();
  out_ << "\n";
}

// A file as its lines, each marked with how it ends, so that scripts show the bytes that
// matter: "|" a CR LF, "~" a bare LF, "$" the end of the file without a line break.
void ScriptRunner::PrintFile(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) {
    out_ << "file: " << path << " cannot be read\n";
    return;
  }
  const std::string text = Utf8FromCp1250(*bytes);
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) {
      out_ << text.substr(pos) << "$\n";
      return;
    }
    const bool crlf = lf > pos && text[lf - 1] == '\r';
    out_ << text.substr(pos, lf - pos - (crlf ? 1 : 0)) << (crlf ? "|" : "~") << "\n";
    pos = lf + 1;
  }
}
