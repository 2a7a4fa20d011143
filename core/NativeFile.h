#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// The one place that knows how the system names and replaces files. Names are UTF-8 in
// the program on every system; Windows gets them as UTF-16.
std::filesystem::path PathFromUtf8(std::string_view name);
std::string Utf8FromPath(const std::filesystem::path& path);

// A name that does not depend on the working folder: absolute on this system, or starting
// with a Windows drive ("C:\..."), which files written on Windows carry on every system.
bool IsAbsolutePath(std::string_view name);

// Writes bytes to a new file beside `path` and then puts it in place of `path`, replacing an
// existing file, so that a failed write leaves the old file whole. The new file gets the
// permissions any newly made file gets. Returns 0, or the errno-style code of the failure.
int ReplaceFileWith(const std::string& path, std::string_view bytes);
