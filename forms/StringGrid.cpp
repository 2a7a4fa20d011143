#include "forms/StringGrid.h"

namespace forms {

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(std::string name, int colCount, int rowCount)
    : Control(std::move(name)), colWidths_(static_cast<size_t>(colCount), 64) {
  cells_.assign(static_cast<size_t>(rowCount), std::vector<std::string>(colWidths_.size()));
}

Control::Restore StringGrid::SaveState() {
  return [this, base = Control::SaveState(), cells = cells_, widths = colWidths_] {
    cells_ = cells;
    colWidths_ = widths;
    base();
  };
}

void StringGrid::SetRowCount(int rows) {
  if (rows < 0) rows = 0;
  if (rows == RowCount()) return;
  cells_.resize(static_cast<size_t>(rows), std::vector<std::string>(colWidths_.size()));
  Touched();
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
  return cells_[row][col];
}

void StringGrid::SetCell(int col, int row, const std::string& text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
  if (cells_[row][col] == text) return;
  cells_[row][col] = text;
  Touched();
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  colWidths_[col] = width;
  Touched();
}

bool StringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  if (x < 0 || y < 0) return false;
  const int pitch = rowHeight_ + kLineWidth;
  row = y / pitch;
  if (row >= RowCount()) return false;
  int left = 0;
  for (col = 0; col < ColCount(); ++col) {
    left += colWidths_[col] + kLineWidth;
    if (x < left) return true;
  }
  return false;
}

void StringGrid::CellOrigin(int col, int row, int& x, int& y) const {
  x = 0;
  for (int c = 0; c < col && c < ColCount(); ++c) x += colWidths_[c] + kLineWidth;
  y = row * (rowHeight_ + kLineWidth);
}

void StringGrid::MouseDown(int x, int y) {
  if (OnMouseDown) OnMouseDown(x, y);
}

void StringGrid::Touched() {
  if (batch_ > 0) {
    pending_ = true;
    return;
  }
  Announce();
}

void StringGrid::Announce() {
  Changed();
}

}  // namespace forms
