#pragma once
#include <stdexcept>
#include <string>

// Ends the current user action; the one dispatcher in forms/ catches it and shows the text.
class ActionAborted : public std::runtime_error {
 public:
  explicit ActionAborted(const std::string& text) : std::runtime_error(text) {}
  std::string Text() const { return what(); }
};

[[noreturn]] void ShowMessageAbort(const std::string& text);
