#include "qt/StringGridWidget.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

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

namespace {

// The headers were set for a narrower font than the ones found here: when one of them would
// be cut off by its column, the whole header row takes a smaller size.
QFont HeaderFont(const QTableWidget& widget, const forms::StringGrid& model) {
  const int margins =
      2 * (widget.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &widget) + 1) +
      forms::StringGrid::kLineWidth + 2;  // 2 px of slack for hinting
  QFont font = widget.font();
  for (double size = font.pointSizeF(); size >= 6; size -= 0.5) {
    font.setPointSizeF(size);
    const QFontMetrics metrics(font);
    bool fits = true;
    for (int c = 1; c < model.ColCount(); ++c) {
      const QString text = QString::fromStdString(model.Cell(c, 0));
      fits = fits && metrics.horizontalAdvance(text) + margins <= model.ColWidths()[c];
    }
    if (fits) break;
  }
  return font;
}

}  // namespace

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
          if (r == 0 && c > 0) item->setFont(HeaderFont(*widget, model));
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
