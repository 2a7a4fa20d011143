// The list reader on arbitrary bytes, and the writer on whatever it read: once written, a
// list reads back into rows that write the very same file again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/TextFile.h"
#include "files/ListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ListFileRecord r = ReadListFile(std::string(reinterpret_cast<const char*>(data), size));
  if (r.notAList) {
    if (!r.rows.empty()) std::abort();
    return 0;
  }
  const std::string once = Cp1250FromUtf8(WriteListFile(r.rows));
  const ListFileRecord back = ReadListFile(once);
  if (back.notAList || back.rows.size() != r.rows.size()) std::abort();
  if (Cp1250FromUtf8(WriteListFile(back.rows)) != once) std::abort();
  return 0;
}
