// The report's menu items under "Файл" and the filter of its save dialog.
#pragma once

#include <QString>

namespace orbisk::report_menu {

inline const QString kPrintItem = QStringLiteral("Печать...");
inline const QString kExportPdfItem = QStringLiteral("Экспорт в PDF...");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

}  // namespace orbisk::report_menu
