// The configuration report on a printer or in a PDF file, painted page by page.
#pragma once

#include <QPageRanges>
#include <QString>
#include <functional>

#include "core/report/report_content.h"

#include "core/files/atomic_write.h"

class QPagedPaintDevice;
class QPaintDevice;

namespace orbisk {

// Told after each page (pages done, pages in all); false stops the painting there.
using ReportProgress = std::function<bool(int done, int total)>;

// Paints the report's pages on a printer or a PDF writer. Needs a QGuiApplication; a PDF writer
// may be painted from a worker thread. False when progress stopped it or the device would not paint.
// ranges (from 1; empty = all) are the pages a print dialog asked for; the page numbers printed
// stay those of the whole report.
bool paintReport(const ReportContent& content, QPagedPaintDevice& device, const ReportProgress& progress = {},
                 const QPageRanges& ranges = {});
// The pages the report takes on the device.
int reportPageCount(const ReportContent& content, const QPaintDevice& device);

enum class ReportWrite { Written, Failed, Stopped };

// Writes the report as a PDF through a temporary file and a rename: path is either the whole
// report or untouched, and a name taken by a folder, a device or a pipe is refused. Failed comes
// with its cause; Stopped (by progress) leaves no file.
ReportWrite writeReportPdf(const ReportContent& content, const QString& path, SaveCause& cause,
                           const ReportProgress& progress = {});

}  // namespace orbisk
