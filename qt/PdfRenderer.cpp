#include "qt/PdfRenderer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "qt/CanvasRenderer.h"

std::optional<std::string> RenderPdf(const forms::Document& document) {
  if (document.pages.empty() || document.pageWidthMm <= 0 || document.pageHeightMm <= 0)
    return std::nullopt;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(document.dotsPerInch);
    writer.setCreator("Vnější trajekta");
    writer.setTitle(QString::fromStdString(document.title));
    // QPageSize keeps sizes upright; a card lying on its side is a landscape layout.
    const double w = document.pageWidthMm, h = document.pageHeightMm;
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    for (size_t i = 0; i < document.pages.size(); ++i) {
      if (i > 0) writer.newPage();
      PaintCanvas(painter, document.pages[i], document.dotsPerInch, false);
    }
    if (!painter.end()) return std::nullopt;
  }
  return buffer.data().toStdString();
}
