#pragma once
#include <functional>
#include <string>
#include <vector>

#include "forms/Controls.h"

namespace forms {

// A table of texts with one fixed column and one fixed row, as a string grid shows it.
// Cell (col, row); new rows are empty. Several changes in a row are announced once when
// they are made inside an Update() batch.
class StringGrid : public Control {
 public:
  StringGrid(std::string name, int colCount, int rowCount);

  int ColCount() const { return static_cast<int>(colWidths_.size()); }
  int RowCount() const { return static_cast<int>(cells_.size()); }
  void SetRowCount(int rows);
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);
  const std::vector<int>& ColWidths() const { return colWidths_; }
  void SetColWidth(int col, int width);
  int DefaultRowHeight() const { return rowHeight_; }
  // Grid lines are one pixel wide.
  static constexpr int kLineWidth = 1;

  // The cell under a pixel of the table, the table scrolled to its top; false outside.
  bool MouseToCell(int x, int y, int& col, int& row) const;
  // The pixel rectangle of a cell in the same coordinates.
  void CellOrigin(int col, int row, int& x, int& y) const;

  std::function<void(int x, int y)> OnMouseDown;
  void MouseDown(int x, int y);
  Restore SaveState() override;

  // Collects the change announcements of a handler that rewrites many cells.
  class Update {
   public:
    explicit Update(StringGrid& grid) : grid_(grid) { ++grid_.batch_; }
    ~Update() {
      if (--grid_.batch_ == 0 && grid_.pending_) {
        grid_.pending_ = false;
        grid_.Announce();
      }
    }
    Update(const Update&) = delete;
    Update& operator=(const Update&) = delete;

   private:
    StringGrid& grid_;
  };

 private:
  void Announce();
  void Touched();
  std::vector<std::vector<std::string>> cells_;  // [row][col]
  std::vector<int> colWidths_;
  int rowHeight_ = 18;
  int batch_ = 0;
  bool pending_ = false;
};

}  // namespace forms
