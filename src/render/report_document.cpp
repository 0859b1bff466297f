#include "render/report_document.h"

#include <QBuffer>
#include <vector>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "render/report_pages.h"

namespace orbisk {

bool paintReport(const ReportContent& content, QPagedPaintDevice& device, const ReportProgress& progress,
                 const QPageRanges& ranges) {
  const ReportPages pages(content, device);
  std::vector<int> chosen;
  for (int i = 0; i < pages.count(); ++i)
    if (ranges.isEmpty() || ranges.contains(i + 1)) chosen.push_back(i);
  const int total = static_cast<int>(chosen.size());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (int k = 0; k < total; ++k) {
    if (k > 0) device.newPage();
    pages.paint(painter, chosen[static_cast<size_t>(k)]);
    if (progress && !progress(k + 1, total)) return false;
  }
  return painter.end();
}

int reportPageCount(const ReportContent& content, const QPaintDevice& device) {
  return ReportPages(content, device).count();
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
