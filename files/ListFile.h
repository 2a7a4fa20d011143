#pragma once
#include <array>
#include <string>
#include <vector>

// One row of a cartridge list: columns 1 to 7 of the list window's table (diameter,
// coefficient, drag function, mass, velocity, barrel length, note), texts as they stand.
using ListRow = std::array<std::string, 7>;

struct ListFileRecord {
  bool notAList = false;  // the marks of a list were not found: no rows
  std::vector<ListRow> rows;
};

// Reads a list file from its bytes, decoded as every text file is (Windows-1250 or UTF-8, any
// line end); limits count characters. Every data line is one row:
// six words and the rest of the line after one character as the note (at most 199
// characters); a short or damaged line gives what it holds, and nothing is read past the
// content. A "_" in the six word columns reads back as a blank.
ListFileRecord ReadListFile(const std::string& content);

// A list file as UTF-8 with "\n", one line per row. A word column that is empty is written as
// "0" and its blanks as "_", so that every cell reads back into its own column.
std::string WriteListFile(const std::vector<ListRow>& rows);
