#include "qt/StringGridWidget.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "qt/Binding.h"
#include "qt/QtPlatform.h"

StringGridWidget::StringGridWidget(forms::StringGrid& grid, QWidget* parent)
    : QTableWidget(parent), grid_(grid) {
  // The grid's first row is the header, which stays while the other rows scroll.
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(grid.DefaultRowHeight());
  verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight() + forms::StringGrid::kLineWidth);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
}

bool StringGridWidget::HeaderFits(int col) const {
  const QHeaderView* header = horizontalHeader();
  const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
  const QString text = horizontalHeaderItem(col) ? horizontalHeaderItem(col)->text() : QString();
  return header->fontMetrics().horizontalAdvance(text) + margins <= columnWidth(col);
}

// Table rows show the grid's rows from 1 on; row 0 is the header.
ControlLink* Bind(forms::StringGrid& model, StringGridWidget* widget, QtPlatform& platform) {
  const QColor fixed = widget->palette().color(QPalette::Button);
  auto* link = new ControlLink(model, widget, platform, [&model, widget, fixed] {
    if (widget->columnCount() != model.ColCount()) {
      widget->setColumnCount(model.ColCount());
      for (int c = 0; c < model.ColCount(); ++c) widget->setColumnWidth(c, model.ColWidths()[c]);
    }
    const int rows = std::max(model.RowCount() - 1, 0);
    if (widget->rowCount() != rows) widget->setRowCount(rows);
    for (int c = 0; c < model.ColCount(); ++c) {
      const QString text = model.RowCount() > 0 ? QString::fromStdString(model.Cell(c, 0)) : "";
      QTableWidgetItem* header = widget->horizontalHeaderItem(c);
      if (!header) widget->setHorizontalHeaderItem(c, header = new QTableWidgetItem);
      if (header->text() == text) continue;
      header->setText(text);
      // A header cut by its column tells the whole of it.
      header->setToolTip(widget->HeaderFits(c) ? QString() : text.trimmed());
    }
    for (int r = 1; r < model.RowCount(); ++r) {
      for (int c = 0; c < model.ColCount(); ++c) {
        const QString text = QString::fromStdString(model.Cell(c, r));
        QTableWidgetItem* item = widget->item(r - 1, c);
        if (!item) {
          item = new QTableWidgetItem(text);
          if (c == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(fixed);
          }
          widget->setItem(r - 1, c, item);
        } else if (item->text() != text) {
          item->setText(text);
        }
      }
    }
  });
  QObject::connect(widget, &QTableWidget::itemChanged, link,
                   [link, &model](QTableWidgetItem* item) {
                     const int r = item->row() + 1, c = item->column();
                     const std::string text = item->text().toStdString();
                     link->Act([&] { model.SetCell(c, r, text); });
                   });
  QObject::connect(widget, &QTableWidget::cellPressed, link, [link, &model](int row, int col) {
    int x = 0, y = 0;
    model.CellOrigin(col, row + 1, x, y);
    link->Act([&] { model.MouseDown(x + 1, y + 1); });
  });
  return link;
}
