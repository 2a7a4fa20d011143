#include "qt/StringGridWidget.h"

#include <QHeaderView>

#include "qt/Binding.h"
#include "qt/QtPlatform.h"

StringGridWidget::StringGridWidget(forms::StringGrid& grid, QWidget* parent)
    : QTableWidget(parent), grid_(grid) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(grid.DefaultRowHeight());
  verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight() + forms::StringGrid::kLineWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
}

ControlLink* Bind(forms::StringGrid& model, StringGridWidget* widget, QtPlatform& platform) {
  const QColor fixed = widget->palette().color(QPalette::Button);
  auto* link = new ControlLink(model, widget, platform, [&model, widget, fixed] {
    if (widget->columnCount() != model.ColCount()) {
      widget->setColumnCount(model.ColCount());
      for (int c = 0; c < model.ColCount(); ++c) widget->setColumnWidth(c, model.ColWidths()[c]);
    }
    if (widget->rowCount() != model.RowCount()) widget->setRowCount(model.RowCount());
    for (int r = 0; r < model.RowCount(); ++r) {
      for (int c = 0; c < model.ColCount(); ++c) {
        const QString text = QString::fromStdString(model.Cell(c, r));
        QTableWidgetItem* item = widget->item(r, c);
        if (!item) {
          item = new QTableWidgetItem(text);
          if (r == 0 || c == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(fixed);
          }
          widget->setItem(r, c, item);
        } else if (item->text() != text) {
          item->setText(text);
        }
      }
    }
  });
  QObject::connect(widget, &QTableWidget::itemChanged, link,
                   [link, &model](QTableWidgetItem* item) {
                     const int r = item->row(), c = item->column();
                     const std::string text = item->text().toStdString();
                     link->Act([&] { model.SetCell(c, r, text); });
                   });
  QObject::connect(widget, &QTableWidget::cellPressed, link, [link, &model](int row, int col) {
    int x = 0, y = 0;
    model.CellOrigin(col, row, x, y);
    link->Act([&] { model.MouseDown(x + 1, y + 1); });
  });
  return link;
}
