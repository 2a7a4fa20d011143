#include "core/Abort.h"

void ShowMessageAbort(const std::string& text) {
  throw ActionAborted(text);
}
