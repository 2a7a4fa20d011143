#include "core/TextFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
// iconv in one direction; an unconvertible character becomes '?' and conversion goes on.
std::string Convert(const char* to, const char* from, std::string_view in, size_t badInputBytes) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) break;  // cannot happen with the room reserved above
    // EILSEQ or EINCOMPLETE: skip the offending input and write a placeholder.
    if (dstLeft == 0) break;
    *dst++ = '?';
    --dstLeft;
    size_t skip = 1;
    if (badInputBytes > 1) {
      // Skip one whole UTF-8 sequence.
      const unsigned char lead = static_cast<unsigned char>(*src);
      skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      if (skip > srcLeft) skip = srcLeft;
    }
    src += skip;
    srcLeft -= skip;
  }
  out.resize(out.size() - dstLeft);
  iconv_close(cd);
  return out;
}
}  // namespace

std::string Utf8FromCp1250(std::string_view bytes) {
  return Convert("UTF-8", "CP1250", bytes, 1);
}

std::string Cp1250FromUtf8(std::string_view text) {
  return Convert("CP1250", "UTF-8", text, 4);
}

namespace {
// Valid UTF-8 (no overlong forms, surrogates or code points above U+10FFFF) with at least
// one multi-byte character.
bool LooksLikeUtf8(std::string_view b) {
  bool multiByte = false;
  for (size_t i = 0; i < b.size();) {
    const unsigned char c = static_cast<unsigned char>(b[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      if (c == 0xE0) lo = 0xA0;
      if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      if (c == 0xF0) lo = 0x90;
      if (c == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (i + n >= b.size()) return false;
    for (size_t k = 1; k <= n; ++k) {
      const unsigned char t = static_cast<unsigned char>(b[i + k]);
      if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) return false;
    }
    multiByte = true;
    i += n + 1;
  }
  return multiByte;
}
}  // namespace

std::string Utf8FromFileText(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  if (LooksLikeUtf8(bytes)) return std::string(bytes);
  return Utf8FromCp1250(bytes);
}

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

namespace {
bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

size_t Utf8Length(std::string_view text) {
  size_t n = 0;
  for (char c : text) n += !IsContinuation(c);
  return n;
}

std::string_view Utf8Prefix(std::string_view text, size_t chars) {
  size_t i = 0;
  for (; i < text.size(); ++i) {
    if (!IsContinuation(text[i]) && chars-- == 0) break;
  }
  return text.substr(0, i);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
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
    case EDQUOT:
      return "na disku není místo";
    case EISDIR:
      return "je to složka";
    case ENAMETOOLONG:
      return "název je příliš dlouhý";
    default:
      return "chyba systému " + std::to_string(error);
  }
}
}  // namespace

std::string WriteFileBytes(const std::string& path, std::string_view bytes) {
  auto failed = [&](int error) {
    return "Soubor " + path + " nelze zapsat (" + Reason(error) + ").";
  };
  std::string tmp = path + ".tmpXXXXXX";
  const int fd = mkstemp(tmp.data());
  if (fd < 0) return failed(errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      unlink(tmp.c_str());
      return failed(error);
    }
    done += static_cast<size_t>(n);
  }
  fchmod(fd, 0644);
  if (fsync(fd) != 0 || close(fd) != 0) {
    const int error = errno;
    unlink(tmp.c_str());
    return failed(error);
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    unlink(tmp.c_str());
    return failed(error);
  }
  return {};
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
