#include "core/TextFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

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
  std::string text = Utf8FromCp1250(*bytes);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto text = ReadTextFile(path);
  if (!text) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(*text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
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
