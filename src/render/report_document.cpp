#include "render/report_document.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "core/report/report_texts.h"

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

bool writeReportPdf(const QString& html, const QString& path, const QString& title, QString& error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = path + QStringLiteral(": ") + report::kCannotWrite;
    return false;
  }
  {
    QPdfWriter pdf(&file);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Orbisk"));
    paintReport(html, pdf);
  }
  if (!file.commit()) {
    error = path + QStringLiteral(": ") + report::kCannotWrite;
    return false;
  }
  return true;
}

}  // namespace orbisk
