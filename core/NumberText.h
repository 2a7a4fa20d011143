#pragma once
#include <string>
#include <string_view>

// The only place that knows the decimal separator of the fields.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
// The separator of the user's locale (LC_NUMERIC of the environment, the user's settings on
// Windows); '.' when unknown.
char SystemDecimalSeparator();

// A field's text as a number; aborts the user action with a message quoting the text.
double ParseNumber(std::string_view text);
// Like ParseNumber, without aborting: false when the text is not a number.
bool TryParseNumber(std::string_view text, double& value);

// Shortest general form, up to 15 significant digits, with the field separator.
std::string FormatNumber(double value);

#if defined(__MINGW32__)
#define TRAJEKTA_PRINTF_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#elif defined(__GNUC__)
#define TRAJEKTA_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define TRAJEKTA_PRINTF_FORMAT
#endif
// printf-style formatting with a decimal point whatever the process locale; numbers are
// written alike on every system (exponents with at least two digits).
std::string Sprintf(const char* format, ...) TRAJEKTA_PRINTF_FORMAT;
