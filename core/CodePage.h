#pragma once
#include <string>
#include <string_view>

// Files on disk are single-byte Windows-1250 with CR LF; strings in memory are UTF-8 with LF.
// The code page is fixed, so one table serves every system.
std::string Utf8FromCp1250(std::string_view bytes);
// Characters without a Windows-1250 code, and bytes that are no UTF-8, become '?'.
std::string Cp1250FromUtf8(std::string_view text);

// Bytes of a text file as UTF-8 text. Windows-1250 unless the bytes are valid UTF-8 with at
// least one character beyond ASCII (or a UTF-8 byte order mark, which is dropped): a list
// saved by a modern editor reads as its author wrote it. Bytes that Windows-1250 leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become '?'.
std::string Utf8FromFileText(std::string_view bytes);

// Characters of UTF-8 text, and its first chars characters: limits that files state in
// characters hold whichever encoding the file came in.
size_t Utf8Length(std::string_view text);
std::string_view Utf8Prefix(std::string_view text, size_t chars);
