#pragma once
#include <cstddef>
#include <string_view>

// Reads a number from text the way formatted input's "%lf" does: skip white space, read
// the longest prefix that forms a decimal number with a point, and stop there. On failure
// pos is left after the skipped white space and false is returned. With decimalComma a
// comma between digits serves as the point too (the Czech CSV layout writes 10,89).
bool ScanDouble(std::string_view text, size_t& pos, double& value, bool decimalComma = false);

// The nearest double to a decimal number written [sign] digits [. digits] [e [sign] digits],
// whatever the process locale: ±infinity beyond the largest double and ±0 below the
// smallest, as strtod gives them.
double DecimalValue(std::string_view number);
