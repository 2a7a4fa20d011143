#include "core/TextFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include "core/NativeFile.h"

std::string TextFromFileBytes(std::string_view bytes) {
  const std::string text = Utf8FromFileText(bytes);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      out += '\n';  // a bare CR ends a line as well
    }
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream f(PathFromUtf8(path), std::ios::binary);
  if (!f) return std::nullopt;
  std::string data((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (f.bad()) return std::nullopt;
  return data;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return TextFromFileBytes(*bytes);
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

namespace {
// Why a file could not be written, in words a user understands.
std::string Reason(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "složka neexistuje";
    case EACCES:
    case EPERM:
      return "přístup odepřen";
    case EROFS:
      return "úložiště je jen pro čtení";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "na disku není místo";
    case EISDIR:
      return "je to složka";
    case ENAMETOOLONG:
      return "název je příliš dlouhý";
    case EBUSY:
      return "soubor má otevřený jiný program";
    default:
      return "chyba systému " + std::to_string(error);
  }
}
}  // namespace

std::string WriteFileBytes(const std::string& path, std::string_view bytes) {
  const int error = ReplaceFileWith(path, bytes);
  if (!error) return {};
  return "Soubor " + path + " nelze zapsat (" + Reason(error) + ").";
}

std::string WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return WriteFileBytes(path, Cp1250FromUtf8(text));
}

std::string FileNameOf(const std::string& path) {
  const size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? path : path.substr(p + 1);
}

std::string FolderOf(const std::string& path) {
  const size_t p = path.find_last_of("/\\");
  return p == std::string::npos ? std::string(".") : path.substr(0, p);
}
