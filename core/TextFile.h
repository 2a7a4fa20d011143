#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodePage.h"

// Bytes of a text file as UTF-8 text (Utf8FromFileText) with every line end (CR LF, bare
// LF, bare CR) made one LF.
std::string TextFromFileBytes(std::string_view bytes);
// Lines of LF-separated text; a final LF does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// The raw bytes of a file; nothing when it cannot be opened. Paths are UTF-8 (core/NativeFile.h).
std::optional<std::string> ReadFileBytes(const std::string& path);
// A text file as UTF-8 with LF line breaks.
std::optional<std::string> ReadTextFile(const std::string& path);
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Writes the lines as Windows-1250 with CR LF after each. The old file is replaced only
// once the new one is complete (temporary file in the same folder, then rename).
// Returns an empty string on success, otherwise a Czech message for the user.
std::string WriteTextFile(const std::string& path, const std::vector<std::string>& lines);
// The same for bytes that are already in their final form.
std::string WriteFileBytes(const std::string& path, std::string_view bytes);

std::string FileNameOf(const std::string& path);
std::string FolderOf(const std::string& path);
