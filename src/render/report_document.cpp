#include "render/report_document.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>


namespace orbisk {

void paintReport(const QString& html, QPagedPaintDevice& device) {
  QTextDocument doc;
  // The fonts the packages install; they hold Cyrillic.
  doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  doc.setHtml(html);
  // Without a page size of its own the document takes the device's pages, keeps a margin
  // and numbers the pages at the bottom.
  doc.print(&device);
}

SaveCause writeReportPdf(const QString& html, const QString& path, const QString& title) {
  QBuffer pages;
  pages.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&pages);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Orbisk"));
    paintReport(html, pdf);
  }
  // Replaced only when whole, and never a device or a pipe that has the name.
  return writeAtomically(path, pages.data());
}

}  // namespace orbisk
