#include "render/report_document.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/report/report_texts.h"
#include "render/report_pages.h"

namespace orbisk {

bool paintReport(const ReportContent& content, QPagedPaintDevice& device, const ReportProgress& progress) {
  const ReportPages pages(content, device);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (int i = 0; i < pages.count(); ++i) {
    if (i > 0) device.newPage();
    pages.paint(painter, i);
    if (progress && !progress(i + 1, pages.count())) return false;
  }
  return painter.end();
}

ReportWrite writeReportPdf(const ReportContent& content, const QString& path, QString& error,
                           const ReportProgress& progress) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = path + QStringLiteral(": ") + report::kCannotWrite;
    return ReportWrite::Failed;
  }
  bool painted = false, stopped = false;
  const ReportProgress watch = [&](int done, int total) {
    stopped = progress && !progress(done, total);
    return !stopped;
  };
  {
    QPdfWriter pdf(&file);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    pdf.setTitle(content.title);
    pdf.setCreator(QStringLiteral("Orbisk"));
    painted = paintReport(content, pdf, watch);
  }
  if (stopped) {
    file.cancelWriting();  // nothing of a stopped report reaches the path
    return ReportWrite::Stopped;
  }
  if (!painted || !file.commit()) {
    error = path + QStringLiteral(": ") + report::kCannotWrite;
    return ReportWrite::Failed;
  }
  return ReportWrite::Written;
}

}  // namespace orbisk
