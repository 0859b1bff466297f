// The configuration report laid out on pages: A4, DejaVu fonts (Cyrillic), page numbers, and the
// telephone tables' column captions repeated at the top of every page.
#pragma once

#include <QString>

#include "core/files/atomic_write.h"

class QPagedPaintDevice;

namespace orbisk {

// Paints the report's pages on a printer or a PDF writer. Needs a QGuiApplication.
void paintReport(const QString& html, QPagedPaintDevice& device);

// Writes the report as a PDF through a temporary file and a rename: path is either the whole
// report or untouched. A name taken by a folder, a device or a pipe is refused.
SaveCause writeReportPdf(const QString& html, const QString& path, const QString& title);

}  // namespace orbisk
