// printf-style formatting whose numbers never depend on the C library's locale or its way of
// writing exponents: floating-point conversions come from std::to_chars, which writes what
// printf writes in the C locale, and only integers and strings go to snprintf.
#include <cctype>
#include <charconv>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/NumberText.h"

namespace {

struct Conversion {
  std::string flags;
  int width = -1, precision = -1;
  std::string length;
  char type = 0;
  bool Has(char flag) const { return flags.find(flag) != std::string::npos; }
};

// One floating-point conversion (f, e, g and their capitals), padded as printf pads it.
std::string FloatText(double value, const Conversion& c) {
  const char type = static_cast<char>(std::tolower(static_cast<unsigned char>(c.type)));
  const auto format = type == 'f'   ? std::chars_format::fixed
                      : type == 'e' ? std::chars_format::scientific
                                    : std::chars_format::general;
  const int precision = c.precision < 0 ? 6 : c.precision;
  std::string text(static_cast<size_t>(precision) + 330, '\0');
  text.resize(static_cast<size_t>(
      std::to_chars(text.data(), text.data() + text.size(), value, format, precision).ptr -
      text.data()));
  if (std::isupper(static_cast<unsigned char>(c.type)))
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (text[0] != '-' && (c.Has('+') || c.Has(' '))) text.insert(0, 1, c.Has('+') ? '+' : ' ');
  const size_t width = c.width > 0 ? static_cast<size_t>(c.width) : 0;
  if (text.size() >= width) return text;
  const size_t pad = width - text.size();
  if (c.Has('-')) return text + std::string(pad, ' ');
  if (c.Has('0') && std::isdigit(static_cast<unsigned char>(text.back())))
    return text.insert(std::isdigit(static_cast<unsigned char>(text[0])) ? 0 : 1, pad, '0');
  return std::string(pad, ' ') + text;
}

// Any other conversion, which every C library writes alike.
template <typename T>
std::string PlainText(const Conversion& c, T value) {
  std::string pattern = "%" + c.flags;
  if (c.width >= 0) pattern += std::to_string(c.width);
  if (c.precision >= 0) pattern += "." + std::to_string(c.precision);
  pattern += c.length + c.type;
  const int n = std::snprintf(nullptr, 0, pattern.c_str(), value);
  std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::snprintf(out.data(), out.size() + 1, pattern.c_str(), value);
  return out;
}

int ReadCount(const char*& p) {
  int n = 0;
  while (std::isdigit(static_cast<unsigned char>(*p))) n = n * 10 + (*p++ - '0');
  return n;
}

}  // namespace

std::string Sprintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out;
  for (const char* p = format; *p;) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    ++p;
    Conversion c;
    while (*p && std::strchr("-+ #0", *p)) c.flags += *p++;
    if (*p == '*') {
      ++p;
      c.width = va_arg(args, int);
      if (c.width < 0) c.flags += '-', c.width = -c.width;
    } else if (std::isdigit(static_cast<unsigned char>(*p))) {
      c.width = ReadCount(p);
    }
    if (*p == '.') {
      ++p;
      c.precision = *p == '*' ? (++p, va_arg(args, int)) : ReadCount(p);
    }
    while (*p && std::strchr("hlLjzt", *p)) c.length += *p++;
    c.type = *p ? *p++ : '\0';
    switch (c.type) {
      case 'f':
      case 'E':
      case 'e':
      case 'F':
      case 'g':
      case 'G':
        out += FloatText(va_arg(args, double), c);
        break;
      case 'd':
      case 'i':
        out += c.length == "l"    ? PlainText(c, va_arg(args, long))
               : c.length == "ll" ? PlainText(c, va_arg(args, long long))
               : c.length == "z"  ? PlainText(c, va_arg(args, size_t))
               : c.length == "j"  ? PlainText(c, va_arg(args, intmax_t))
                                  : PlainText(c, va_arg(args, int));
        break;
      case 'u':
      case 'x':
      case 'X':
      case 'o':
        out += c.length == "l"    ? PlainText(c, va_arg(args, unsigned long))
               : c.length == "ll" ? PlainText(c, va_arg(args, unsigned long long))
               : c.length == "z"  ? PlainText(c, va_arg(args, size_t))
               : c.length == "j"  ? PlainText(c, va_arg(args, uintmax_t))
                                  : PlainText(c, va_arg(args, unsigned));
        break;
      case 'c':
        out += PlainText(c, va_arg(args, int));
        break;
      case 's':
        out += PlainText(c, va_arg(args, const char*));
        break;
      case 'p':
        out += PlainText(c, va_arg(args, void*));
        break;
      case '%':
        out += '%';
        break;
    }
  }
  va_end(args);
  return out;
}
