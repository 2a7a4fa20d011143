#include "files/ListFile.h"

#include "core/TextFile.h"

namespace {

constexpr size_t kStarWithin = 50;
constexpr size_t kDollarWithin = 1000;
constexpr size_t kNoteLimit = 199;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A word column as a single word.
std::string Word(const std::string& cell) {
  size_t b = 0, e = cell.size();
  while (b < e && IsBlank(cell[b])) ++b;
  while (e > b && IsBlank(cell[e - 1])) --e;
  if (b == e) return "0";
  std::string w = cell.substr(b, e - b);
  for (char& c : w) {
    if (IsBlank(c)) c = '_';
  }
  return w;
}

std::string OneLine(const std::string& note) {
  std::string n = note;
  for (char& c : n) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return n;
}

}  // namespace

ListFileRecord ReadListFile(const std::string& content) {
  ListFileRecord r;
  const std::string text = TextFromFileBytes(content);
  const std::string_view t(text);
  const size_t star = t.find('*');
  if (star == std::string::npos || Utf8Length(t.substr(0, star)) > kStarWithin) {
    r.notAList = true;
    return r;
  }
  const size_t dollar = t.find('$', star + 1);
  if (dollar == std::string::npos ||
      Utf8Length(t.substr(star + 1, dollar - (star + 1))) > kDollarWithin) {
    r.notAList = true;
    return r;
  }
  for (const std::string& line : SplitLines(t.substr(dollar + 1))) {
    ListRow row;
    size_t i = 0;
    int words = 0;
    for (; words < 6; ++words) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      if (i >= line.size()) break;
      const size_t b = i;
      while (i < line.size() && !IsBlank(line[i])) ++i;
      std::string w = line.substr(b, i - b);
      for (char& c : w) {
        if (c == '_') c = ' ';
      }
      row[words] = std::move(w);
    }
    if (words == 0) continue;  // a blank line
    // The blank after the sixth word is ASCII, so the note starts one byte further.
    if (words == 6 && i < line.size()) {
      row[6] = std::string(Utf8Prefix(std::string_view(line).substr(i + 1), kNoteLimit));
    }
    r.rows.push_back(std::move(row));
  }
  return r;
}

std::string WriteListFile(const std::vector<ListRow>& rows) {
  std::string out = "\n            *** Seznam nábojů *** \n";
  out += std::string(50, '-') + "\n";
  out += std::string(18, ' ') + "Vnější trajekta 2.6" + " \n \n";
  out += "\n Průměr [mm]  B.C.  Funkce  Hmotnost [g]  Rychlost [m/s]  Hlaveň [cm]  Poznámka \n";
  out += std::string(89, '-') + "$\n";
  for (const auto& row : rows) {
    out += " " + Word(row[0]) + "       " + Word(row[1]) + "    " + Word(row[2]) + "       " +
           Word(row[3]) + "          " + Word(row[4]) + "           " + Word(row[5]) + " " +
           OneLine(row[6]) + "\n";
  }
  return out;
}
