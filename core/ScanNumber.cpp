#include "core/ScanNumber.h"

#include <locale.h>
#include <cctype>
#include <cstdlib>
#include <string>

bool ScanDouble(std::string_view text, size_t& pos, double& value, bool decimalComma) {
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  size_t i = pos;
  std::string c;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
  int digits = 0;
  auto isDigit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  while (isDigit(i)) c += text[i++], ++digits;
  const bool comma =
      decimalComma && digits > 0 && i < text.size() && text[i] == ',' && isDigit(i + 1);
  if (i < text.size() && (text[i] == '.' || comma)) {
    c += '.';
    ++i;
    while (isDigit(i)) c += text[i++], ++digits;
  }
  if (digits == 0) return false;
  // An exponent counts only when digits follow it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    std::string e = "e";
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) e += text[k++];
    if (isDigit(k)) {
      while (isDigit(k)) e += text[k++];
      c += e;
      i = k;
    }
  }
  static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  value = strtod_l(c.c_str(), nullptr, cLocale);
  pos = i;
  return true;
}
