#include "core/NumberText.h"

#include <langinfo.h>
#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/Abort.h"

namespace {
char g_separator = ',';

locale_t CLocale() {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

char DecimalSeparator() {
  return g_separator;
}
void SetDecimalSeparator(char separator) {
  g_separator = separator;
}

char SystemDecimalSeparator() {
  const char* name = std::getenv("LC_ALL");
  if (!name || !*name) name = std::getenv("LC_NUMERIC");
  if (!name || !*name) name = std::getenv("LANG");
  if (!name || !*name) return '.';
  locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return '.';
  const char* point = nl_langinfo_l(RADIXCHAR, loc);
  const char sep = (point && *point) ? point[0] : '.';
  freelocale(loc);
  return sep == ',' ? ',' : '.';
}

bool TryParseNumber(std::string_view text, double& value) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  // Accepted: [sign] digits [sep digits] [e [sign] digits], at least one mantissa digit.
  std::string c;
  size_t i = b;
  if (i < e && (text[i] == '+' || text[i] == '-')) c += text[i++];
  int digits = 0;
  while (i < e && IsDigit(text[i])) c += text[i++], ++digits;
  if (i < e && text[i] == g_separator) {
    c += '.';
    ++i;
    while (i < e && IsDigit(text[i])) c += text[i++], ++digits;
  }
  if (digits == 0) return false;
  if (i < e && (text[i] == 'e' || text[i] == 'E')) {
    c += 'e';
    ++i;
    if (i < e && (text[i] == '+' || text[i] == '-')) c += text[i++];
    int expDigits = 0;
    while (i < e && IsDigit(text[i])) c += text[i++], ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != e) return false;
  char* end = nullptr;
  const double v = strtod_l(c.c_str(), &end, CLocale());
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

double ParseNumber(std::string_view text) {
  double v = 0;
  if (!TryParseNumber(text, v)) {
    ShowMessageAbort("'" + std::string(text) + "' není platné desetinné číslo.");
  }
  return v;
}

std::string FormatNumber(double value) {
  if (value == 0 || !std::isfinite(value))
    return value == 0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
  // 15 significant digits, then trailing zeros dropped.
  char buf[64];
  const locale_t old = uselocale(CLocale());
  std::snprintf(buf, sizeof buf, "%.14e", value);
  uselocale(old);
  std::string s(buf);
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  const size_t ePos = s.find('e');
  const int exponent = std::atoi(s.c_str() + ePos + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  if (exponent >= 15 || exponent < -5) {
    out = digits.substr(0, 1);
    if (digits.size() > 1) out += g_separator + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent >= 0) {
    const size_t intLen = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      out = digits + std::string(intLen - digits.size(), '0');
    } else {
      out = digits.substr(0, intLen) + g_separator + digits.substr(intLen);
    }
  } else {
    out = std::string("0") + g_separator + std::string(static_cast<size_t>(-exponent - 1), '0') +
          digits;
  }
  return negative ? "-" + out : out;
}

std::string Sprintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const locale_t old = uselocale(CLocale());
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  uselocale(old);
  va_end(args);
  return out;
}
