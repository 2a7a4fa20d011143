#pragma once
#include <cstddef>
#include <string_view>

// Reads a number from text the way formatted input's "%lf" does: skip white space, read
// the longest prefix that forms a decimal number with a point, and stop there. On failure
// pos is left after the skipped white space and false is returned. With decimalComma a
// comma between digits serves as the point too (the Czech CSV layout writes 10,89).
bool ScanDouble(std::string_view text, size_t& pos, double& value, bool decimalComma = false);
