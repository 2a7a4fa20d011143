#include "core/CodePage.h"

#include <algorithm>
#include <iterator>

namespace {

// Unicode of the bytes 0x80 to 0xFF; 0 where Windows-1250 defines no character.
constexpr char16_t kUpperHalf[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  //
};

constexpr char32_t kIllFormed = 0xFFFFFFFF;

// The code point starting at text[i], i moved past it. A sequence that is no well-formed
// UTF-8 (overlong, surrogate, beyond U+10FFFF, cut short) gives kIllFormed and i moves past
// its lead byte and the continuation bytes that belong to it.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  size_t more = 0;
  char32_t c = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, c = lead & 0x0F;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, c = lead & 0x07;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return kIllFormed;
  }
  for (size_t k = 0; k < more; ++k, ++i) {
    const unsigned char t = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    if (t < (k == 0 ? lo : 0x80) || t > (k == 0 ? hi : 0xBF)) return kIllFormed;
    c = (c << 6) | (t & 0x3F);
  }
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (c & 0x3F));
}

// Valid UTF-8 with at least one multi-byte character.
bool LooksLikeUtf8(std::string_view text) {
  bool multiByte = false;
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c == kIllFormed) return false;
    multiByte |= c >= 0x80;
  }
  return multiByte;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8FromCp1250(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char b : bytes) {
    const unsigned char u = static_cast<unsigned char>(b);
    if (u < 0x80) {
      out += b;
    } else if (const char16_t c = kUpperHalf[u - 0x80]) {
      AppendUtf8(out, c);
    } else {
      out += '?';
    }
  }
  return out;
}

std::string Cp1250FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    const auto* at = std::find(std::begin(kUpperHalf), std::end(kUpperHalf), c);
    out += at == std::end(kUpperHalf) ? '?' : static_cast<char>(0x80 + (at - kUpperHalf));
  }
  return out;
}

std::string Utf8FromFileText(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  if (LooksLikeUtf8(bytes)) return std::string(bytes);
  return Utf8FromCp1250(bytes);
}

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
