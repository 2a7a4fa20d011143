#include "core/NativeFile.h"

#include "core/CodePage.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr int kCreateFlags = _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT;
constexpr int kCreateMode = _S_IREAD | _S_IWRITE;

int OpenNew(const std::filesystem::path& p) {
  return _wopen(p.c_str(), kCreateFlags, kCreateMode);
}
int WriteSome(int fd, const char* data, size_t size) {
  return _write(fd, data, static_cast<unsigned>(std::min<size_t>(size, INT_MAX)));
}
int Flush(int fd) {
  return _commit(fd);
}
int Close(int fd) {
  return _close(fd);
}

// rename() refuses an existing target on Windows; MoveFileExW replaces it.
int MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ignored;
  if (std::filesystem::is_directory(to, ignored)) return EISDIR;  // as rename() says elsewhere
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    default:
      return EACCES;
  }
}
#else
// 0666: the umask takes off what a newly made file would not get.
int OpenNew(const std::filesystem::path& p) {
  return open(p.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int fd, const char* data, size_t size) {
  return write(fd, data, size);
}
int Flush(int fd) {
  return fsync(fd);
}
int Close(int fd) {
  return close(fd);
}
int MoveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
#endif

// A file of a fresh name beside the target; -1 with errno set when none can be made.
int CreateBeside(const std::filesystem::path& target, std::filesystem::path& made) {
  static thread_local std::minstd_rand names{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    made = target;
    made += ".tmp" + std::to_string(names());
    const int fd = OpenNew(made);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view name) {
#ifdef _WIN32
  // Lenient: a byte that is no UTF-8 becomes U+FFFD instead of an exception.
  std::wstring wide;
  if (!name.empty()) {
    const int size = static_cast<int>(std::min<size_t>(name.size(), INT_MAX));
    const int n = MultiByteToWideChar(CP_UTF8, 0, name.data(), size, nullptr, 0);
    wide.resize(static_cast<size_t>(n));
    MultiByteToWideChar(CP_UTF8, 0, name.data(), size, wide.data(), n);
  }
  return std::filesystem::path(wide);
#else
  return std::filesystem::path(std::string(name));
#endif
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

bool IsAbsolutePath(std::string_view name) {
  // The drive's letter may be any character, as the reader of the files always took it.
  const size_t second = Utf8Prefix(name, 1).size();
  if (second < name.size() && name[second] == ':') return true;
  const std::filesystem::path path = PathFromUtf8(name);
  return path.is_absolute() || path.has_root_directory();
}

int ReplaceFileWith(const std::string& path, std::string_view bytes) {
  const std::filesystem::path target = PathFromUtf8(path);
  std::filesystem::path tmp;
  const int fd = CreateBeside(target, tmp);
  if (fd < 0) return errno;
  int error = 0;
  for (size_t done = 0; done < bytes.size() && !error;) {
    const auto n = WriteSome(fd, bytes.data() + done, bytes.size() - done);
    if (n >= 0)
      done += static_cast<size_t>(n);
    else if (errno != EINTR)
      error = errno;
  }
  if (!error && Flush(fd) != 0) error = errno;
  if (Close(fd) != 0 && !error) error = errno;
  if (!error) error = MoveOver(tmp, target);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
  }
  return error;
}
