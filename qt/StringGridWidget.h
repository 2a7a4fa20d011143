#pragma once
#include <QTableWidget>

#include "forms/StringGrid.h"

class ControlLink;
class QtPlatform;

// A string grid: the first row and column drawn as fixed headers, the other cells editable.
// A press on a cell reaches the model at that cell's place in the unscrolled table.
class StringGridWidget : public QTableWidget {
  Q_OBJECT
 public:
  StringGridWidget(forms::StringGrid& grid, QWidget* parent);
  forms::StringGrid& Model() const { return grid_; }

 private:
  forms::StringGrid& grid_;
};

ControlLink* Bind(forms::StringGrid& model, StringGridWidget* widget, QtPlatform& platform);
