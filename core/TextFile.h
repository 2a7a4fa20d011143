#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Files on disk are single-byte Windows-1250 with CR LF; strings in memory are UTF-8 with LF.
std::string Utf8FromCp1250(std::string_view bytes);
// Characters without a Windows-1250 code become '?'.
std::string Cp1250FromUtf8(std::string_view text);

// Bytes of a text file as UTF-8 text. Windows-1250 unless the bytes are valid UTF-8 with at
// least one character beyond ASCII (or a UTF-8 byte order mark, which is dropped): a list
// saved by a modern editor reads as its author wrote it. Bytes that Windows-1250 leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become '?'.
std::string Utf8FromFileText(std::string_view bytes);
// The same with every line end (CR LF, bare LF, bare CR) made one LF.
std::string TextFromFileBytes(std::string_view bytes);
// Lines of LF-separated text; a final LF does not start another line.
std::vector<std::string> SplitLines(std::string_view text);
// Characters of UTF-8 text, and its first chars characters: limits that files state in
// characters hold whichever encoding the file came in.
size_t Utf8Length(std::string_view text);
std::string_view Utf8Prefix(std::string_view text, size_t chars);

// The raw bytes of a file; nothing when it cannot be opened.
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
