// The text file reader on arbitrary bytes: lines without line-end characters, and text that
// the Windows-1250 writer takes back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = TextFromFileBytes(bytes);
  for (const std::string& line : SplitLines(text))
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
  // Whatever was read can be written again; text read as Windows-1250 without undefined
  // bytes or carriage returns writes back to the very same bytes.
  const std::string back = Cp1250FromUtf8(text);
  if (text == Utf8FromCp1250(bytes) &&
      bytes.find_first_of(std::string_view("\r\x81\x83\x88\x90\x98", 6)) ==
          std::string_view::npos &&
      back != bytes)
    std::abort();
  return 0;
}
