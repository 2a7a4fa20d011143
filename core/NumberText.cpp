#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/Abort.h"
#include "core/ScanNumber.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace {
char g_separator = ',';

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
#ifdef _WIN32
  wchar_t point[8] = {};
  if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, point, 8)) return '.';
  return point[0] == L',' ? ',' : '.';
#else
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
#endif
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
  const double v = DecimalValue(c);
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
  const auto written =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string s(buf, written.ptr);
  const bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  const size_t ePos = s.find('e');
  int exponent = 0;
  const char* e = s.c_str() + ePos + 1;
  std::from_chars(e + (*e == '+'), s.c_str() + s.size(), exponent);
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
