#include "core/ScanNumber.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

double DecimalValue(std::string_view number) {
  const bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && (number[0] == '-' || number[0] == '+')) number.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large or too small: the first significant digit's place and the exponent tell.
    const size_t point = number.find_first_of(".eE");
    const size_t e = number.find_first_of("eE");
    const size_t first = number.find_first_of("123456789");
    long place = static_cast<long>(point == std::string_view::npos ? number.size() : point) -
                 static_cast<long>(first) - (first > point ? 0 : 1);
    if (e != std::string_view::npos) {
      std::string_view exponent = number.substr(e + 1);
      const bool down = !exponent.empty() && exponent[0] == '-';
      exponent.remove_prefix(std::min(exponent.find_first_not_of("+-0"), exponent.size()));
      // Beyond a million places the magnitude no longer matters.
      long magnitude = exponent.size() > 6 ? 1000000 : 0;
      for (const char c : exponent.substr(0, magnitude ? 0 : 6))
        magnitude = magnitude * 10 + (c - '0');
      place += down ? -magnitude : magnitude;
    }
    value = place >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

bool ScanDouble(std::string_view text, size_t& pos, double& value, bool decimalComma) {
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  size_t i = pos;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  auto isDigit = [&](size_t k) { return k < text.size() && IsDigit(text[k]); };
  while (isDigit(i)) ++i, ++digits;
  const bool comma =
      decimalComma && digits > 0 && i < text.size() && text[i] == ',' && isDigit(i + 1);
  const size_t point = i;
  if (i < text.size() && (text[i] == '.' || comma)) {
    ++i;
    while (isDigit(i)) ++i, ++digits;
  }
  if (digits == 0) return false;
  // An exponent counts only when digits follow it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (isDigit(k)) {
      while (isDigit(k)) ++k;
      i = k;
    }
  }
  std::string number(text.substr(pos, i - pos));
  if (comma) number[point - pos] = '.';
  value = DecimalValue(number);
  pos = i;
  return true;
}
