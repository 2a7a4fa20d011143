#pragma once
#include <QTableWidget>

#include "forms/StringGrid.h"

class ControlLink;
class QtPlatform;

// A string grid: the first row is the header row, which stays while the rows scroll, and the
// first column is drawn as fixed; the other cells are editable. A press on a cell reaches the
// model at that cell's place in the unscrolled table.
class StringGridWidget : public QTableWidget {
  Q_OBJECT
 public:
  StringGridWidget(forms::StringGrid& grid, QWidget* parent);
  forms::StringGrid& Model() const { return grid_; }
  // Whether the header of a column shows whole in the cells' font.
  bool HeaderFits(int col) const;

 private:
  forms::StringGrid& grid_;
};

ControlLink* Bind(forms::StringGrid& model, StringGridWidget* widget, QtPlatform& platform);
