// Where everything of a printed range card stands, at each size.
#include <algorithm>
#include <cmath>

#include "core/TextFile.h"
#include "ui/Karta1.h"

namespace {

constexpr int kDpi = 300;
constexpr const char* kSans = "Liberation Sans";
constexpr const char* kMono = "Liberation Mono";
// Advance widths of Liberation Sans, regular and bold (the metrics of Arial), in 1/1000 em,
// of the printable ASCII characters from the blank on; every Liberation Mono glyph takes 600.
constexpr short kSansWidths[2][95] = {
    {278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
     556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
     1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
     667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
     333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
     556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584},
    {278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
     556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
     975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
     667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
     333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
     611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584}};
constexpr int kMonoWidth = 600;
// Letters with diacritics and other signs: no wider than this, apart from the ellipsis.
constexpr int kOtherWidth[2] = {722, 778};
constexpr int kEllipsisWidth = 1000;
constexpr double kLineSpacing = 1.2;
constexpr double kCellEm = 1.15;  // ascent plus descent of both fonts
constexpr int kColumnGap = 2;     // characters between table columns
constexpr int kSmallestTablePt = 5;
constexpr forms::Color kShade{232, 232, 232};

int Dots(double mm) {
  return static_cast<int>(std::lround(mm * kDpi / 25.4));
}

double PtDots(double pt) {
  return pt * kDpi / 72.0;
}

// The page, the margin a home printer keeps, and the type sizes (pt) of each size.
struct PageFormat {
  double widthMm, heightMm, marginMm;
  int titlePt, textPt, tablePt;
  bool monoParameters;  // the saved file's header keeps its alignment
  bool repeatBlocks;    // every page is a complete card
  bool pageNumbers;
};

PageFormat FormatOf(CardSize size) {
  switch (size) {
    case CardSize::A6:
      return {105, 148, 6, 10, 7, 8, false, true, false};
    case CardSize::Card:
      return {85, 54, 4, 7, 6, 6, false, true, false};
    case CardSize::A4:
      break;
  }
  return {210, 297, 12, 16, 8, 9, true, false, true};
}

struct Style {
  const char* font;
  int pt;
  bool bold;
};

int LineDots(const Style& s) {
  return static_cast<int>(std::lround(PtDots(s.pt) * kLineSpacing));
}

// The advance of UTF-8 text in the style, in dots.
double WidthDots(const std::string& text, const Style& s) {
  const bool mono = std::string(s.font) == kMono;
  double units = 0;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (mono) {
      units += kMonoWidth;
    } else if (c >= 32 && c < 127) {
      units += kSansWidths[s.bold][c - 32];
    } else {
      units += text.compare(i, length, "…") == 0 ? kEllipsisWidth : kOtherWidth[s.bold];
    }
    i += length;
  }
  return units / 1000 * PtDots(s.pt);
}

// The text, or as much of it as fits with an ellipsis.
std::string Fit(const std::string& text, const Style& s, double dots) {
  if (WidthDots(text, s) <= dots) return text;
  for (size_t chars = Utf8Length(text); chars-- > 0;) {
    std::string cut = std::string(Utf8Prefix(text, chars)) + "…";
    if (WidthDots(cut, s) <= dots) return cut;
  }
  return {};
}

// Words to lines no wider than dots; a longer word is cut.
std::vector<std::string> Wrap(const std::string& text, const Style& s, double dots) {
  std::vector<std::string> lines;
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && WidthDots(line + " " + word, s) > dots) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) lines.push_back(line);
  for (auto& l : lines) l = Fit(l, s, dots);
  return lines;
}

void Text(forms::Canvas& c, int x, int y, const Style& s, const std::string& text) {
  c.font = forms::Font{s.font, s.pt, forms::kBlack, s.bold};
  c.TextOut(x, y, text);
}

// A right-aligned cell of each column, two blanks apart.
std::string Line(const std::vector<std::string>& cells, const std::vector<size_t>& widths) {
  std::string line;
  for (size_t i = 0; i < widths.size(); ++i) {
    const std::string cell = i < cells.size() ? cells[i] : "";
    if (i > 0) line += std::string(kColumnGap, ' ');
    line += std::string(widths[i] - std::min(widths[i], Utf8Length(cell)), ' ') + cell;
  }
  return line;
}

// The graph's display list (96 dpi pixels) redrawn at a place of the page, scaled; type keeps
// its size relative to the picture.
void PlacePicture(forms::Canvas& page, const forms::Canvas& picture, int x0, int y0, double scale) {
  const double fontScale = scale * 96 / kDpi;
  auto X = [&](int x) { return x0 + static_cast<int>(std::lround(x * scale)); };
  auto Y = [&](int y) { return y0 + static_cast<int>(std::lround(y * scale)); };
  for (const forms::DrawOp& op : picture.Ops()) {
    page.pen = op.pen;
    page.pen.width = std::max(1, static_cast<int>(std::lround(op.pen.width * scale / 2)));
    page.brush = op.brush;
    page.font = op.font;
    page.font.sizePt = std::max(1, static_cast<int>(std::lround(op.font.sizePt * fontScale)));
    switch (op.kind) {
      case forms::OpKind::FillRect:
        page.FillRect(X(op.x1), Y(op.y1), X(op.x2), Y(op.y2));
        break;
      case forms::OpKind::Rectangle:
        page.Rectangle(X(op.x1), Y(op.y1), X(op.x2), Y(op.y2));
        break;
      case forms::OpKind::Ellipse:
        page.Ellipse(X(op.x1), Y(op.y1), X(op.x2), Y(op.y2));
        break;
      case forms::OpKind::Line:
        page.MoveTo(X(op.x1), Y(op.y1));
        page.LineTo(X(op.x2), Y(op.y2));
        break;
      case forms::OpKind::Text:
        page.TextOut(X(op.x1), Y(op.y1), op.text);
        break;
    }
  }
}

class CardLayout {
 public:
  CardLayout(const RangeCardContent& content, CardSize size) : k_(content), page_(FormatOf(size)) {
    left_ = Dots(page_.marginMm);
    top_ = Dots(page_.marginMm);
    right_ = Dots(page_.widthMm - page_.marginMm);
    bottom_ = Dots(page_.heightMm - page_.marginMm);
    if (page_.pageNumbers) bottom_ -= LineDots(TextStyle());
    MeasureTable();
  }

  forms::Document Pages() {
    forms::Document doc;
    doc.pageWidthMm = page_.widthMm;
    doc.pageHeightMm = page_.heightMm;
    doc.dotsPerInch = kDpi;
    doc.title = k_.title;
    size_t next = 0;
    do {
      const bool first = doc.pages.empty();
      forms::Canvas page(Dots(page_.widthMm), Dots(page_.heightMm));
      int y = Blocks(page, first || page_.repeatBlocks);
      next = Table(page, y, next);
      doc.pages.push_back(std::move(page));
    } while (next < k_.rows.size());
    if (page_.pageNumbers && doc.pages.size() > 1) {
      const size_t count = doc.pages.size();
      for (size_t i = 0; i < count; ++i) {
        const std::string number = std::to_string(i + 1) + " / " + std::to_string(count);
        const int width = static_cast<int>(std::ceil(WidthDots(number, TextStyle())));
        Text(doc.pages[i], right_ - width, bottom_, TextStyle(), number);
      }
    }
    return doc;
  }

  int FirstPageRows() {
    forms::Canvas scratch(Dots(page_.widthMm), Dots(page_.heightMm));
    return RowsFrom(Blocks(scratch, true));
  }

 private:
  Style TitleStyle() const { return {kSans, page_.titlePt, true}; }
  Style TextStyle() const { return {kSans, page_.textPt, false}; }
  Style ParameterStyle() const {
    return {page_.monoParameters ? kMono : kSans, page_.textPt, false};
  }
  Style TableStyle() const { return {kMono, tablePt_, false}; }
  int Width() const { return right_ - left_; }

  // Title and date; on a first (or every) page the parameters, the notes and the graph.
  // Returns where the table starts.
  int Blocks(forms::Canvas& page, bool whole) {
    int y = top_;
    const Style date = TextStyle(), title = TitleStyle();
    const int dateWidth = static_cast<int>(std::ceil(WidthDots(k_.date, date)));
    const double titleRoom = Width() - dateWidth - PtDots(date.pt) * 2;
    Text(page, left_, y, title, Fit(k_.title, title, titleRoom));
    Text(page, right_ - dateWidth, y + LineDots(title) - LineDots(date), date, k_.date);
    y += LineDots(title) + LineDots(date) / 4;
    if (!whole) return y + LineDots(date) / 2;

    y = Parameters(page, y);
    for (const auto& note : k_.notes) {
      for (const auto& line : Wrap(note, TextStyle(), Width())) {
        Text(page, left_, y, TextStyle(), line);
        y += LineDots(TextStyle());
      }
    }
    y += LineDots(TextStyle()) / 4;
    if (k_.graph && k_.graph->Width() > 0 && k_.graph->Height() > 0) {
      const int width = std::min(Width(), Dots(150));
      const double scale = static_cast<double>(width) / k_.graph->Width();
      PlacePicture(page, *k_.graph, left_ + (Width() - width) / 2, y, scale);
      y += static_cast<int>(std::lround(k_.graph->Height() * scale)) + LineDots(TextStyle());
    }
    return y;
  }

  // The parameter lines; on A4 the short ones in two columns below the long ones.
  int Parameters(forms::Canvas& page, int y) {
    const Style s = ParameterStyle();
    const int line = LineDots(s);
    const double gap = PtDots(s.pt) * 2, column = (Width() - gap) / 2;
    std::vector<std::string> wide, narrow;
    for (const auto& p : k_.parameters) {
      const bool fits = page_.monoParameters && WidthDots(p, s) <= column;
      (fits ? narrow : wide).push_back(p);
    }
    for (const auto& p : wide) {
      Text(page, left_, y, s, Fit(p, s, Width()));
      y += line;
    }
    const size_t perColumn = (narrow.size() + 1) / 2;
    for (size_t i = 0; i < narrow.size(); ++i) {
      const int x = left_ + static_cast<int>(std::lround((i / perColumn) * (column + gap)));
      Text(page, x, y + static_cast<int>(i % perColumn) * line, s, narrow[i]);
    }
    return y + static_cast<int>(perColumn) * line + line / 4;
  }

  // Column widths in characters; the type gets smaller while the table is too wide.
  void MeasureTable() {
    widths_.assign(k_.columns.size(), 0);
    for (size_t i = 0; i < k_.columns.size(); ++i) {
      widths_[i] = std::max(Utf8Length(k_.columns[i].name), Utf8Length(k_.columns[i].unit));
      for (const auto& row : k_.rows)
        if (i < row.size()) widths_[i] = std::max(widths_[i], Utf8Length(row[i]));
    }
    chars_ = 0;
    for (size_t w : widths_) chars_ += w;
    if (!widths_.empty()) chars_ += kColumnGap * (widths_.size() - 1);
    tablePt_ = page_.tablePt;
    auto width = [&] { return WidthDots(std::string(chars_, '0'), TableStyle()); };
    while (tablePt_ > kSmallestTablePt && width() > Width()) --tablePt_;
    tableWidth_ = static_cast<int>(std::ceil(width()));
    tableX_ = left_ + std::max(0, (Width() - tableWidth_) / 2);
  }

  int HeadDots() const { return 2 * LineDots(TableStyle()) + LineDots(TableStyle()) / 4; }

  int RowsFrom(int y) const {
    return std::max(1, (bottom_ - y - HeadDots()) / LineDots(TableStyle()));
  }

  // The head and the rows from index first that fit; returns the index of the next row.
  size_t Table(forms::Canvas& page, int y, size_t first) {
    const Style s = TableStyle();
    const int line = LineDots(s);
    const int textOffset = (line - static_cast<int>(std::lround(PtDots(s.pt) * kCellEm))) / 2;
    std::vector<std::string> names, units;
    for (const auto& c : k_.columns) {
      names.push_back(c.name);
      units.push_back(c.unit);
    }
    Text(page, tableX_, y + textOffset, s, Line(names, widths_));
    Text(page, tableX_, y + line + textOffset, s, Line(units, widths_));
    y += 2 * line;
    const int pad = static_cast<int>(WidthDots("0", s) / 2);
    page.pen = forms::Pen{forms::kBlack, std::max(1, Dots(0.15)), forms::PenStyle::Solid};
    page.MoveTo(tableX_ - pad, y + line / 8);
    page.LineTo(tableX_ + tableWidth_ + pad, y + line / 8);
    y += line / 4;
    size_t i = first;
    // A page takes at least one row, so that the pages always come to an end.
    for (; i < k_.rows.size() && (i == first || y + line <= bottom_); ++i) {
      if ((i - first) % 2 == 1) {
        page.brush = forms::Brush{kShade};
        page.FillRect(tableX_ - pad, y, tableX_ + tableWidth_ + pad, y + line);
      }
      Text(page, tableX_, y + textOffset, s, Line(k_.rows[i], widths_));
      y += line;
    }
    return i;
  }

  const RangeCardContent& k_;
  PageFormat page_;
  int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
  std::vector<size_t> widths_;
  size_t chars_ = 0;
  int tablePt_ = 0, tableWidth_ = 0, tableX_ = 0;
};

}  // namespace

forms::Document LayoutRangeCard(const RangeCardContent& content, CardSize size) {
  return CardLayout(content, size).Pages();
}

int RowsOnFirstPage(const RangeCardContent& content, CardSize size) {
  return CardLayout(content, size).FirstPageRows();
}
