#include "render/report_document.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

ReportWrite writeReportPdf(const ReportContent& content, const QString& path, SaveCause& cause,
                           const ReportProgress& progress) {
  QBuffer pages;
  pages.open(QIODevice::WriteOnly);
  bool painted = false, stopped = false;
  const ReportProgress watch = [&](int done, int total) {
    stopped = progress && !progress(done, total);
    return !stopped;
  };
  {
    QPdfWriter pdf(&pages);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setResolution(300);
    pdf.setTitle(content.title);
    pdf.setCreator(QStringLiteral("Orbisk"));
    painted = paintReport(content, pdf, watch);
  }
  if (stopped) return ReportWrite::Stopped;  // nothing of a stopped report reaches the path
  // Replaced only when whole, and never a device or a pipe that has the name.
  cause = painted ? writeAtomically(path, pages.data()) : SaveCause::Failed;
  return cause == SaveCause::None ? ReportWrite::Written : ReportWrite::Failed;
}

}  // namespace orbisk
