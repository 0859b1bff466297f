// The report's menu items under "Файл", the filter of its save dialog and its progress window.
#pragma once

#include <QString>

namespace orbisk::report_menu {

inline const QString kPrintItem = QStringLiteral("Печать...");
inline const QString kPreviewTitle = QStringLiteral("Предварительный просмотр");
inline const QString kPreviewItem = kPreviewTitle + QStringLiteral("...");
inline const QString kExportPdfItem = QStringLiteral("Экспорт в PDF...");
inline const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
// The progress window while the pages are painted: its caption, then "страница 3 из 77".
inline const QString kProgressTitle = QStringLiteral("Отчет");
inline const QString kPreparing = QStringLiteral("Подготовка отчета...");
inline const QString kPageProgress = QStringLiteral("Отчет: страница %1 из %2");

}  // namespace orbisk::report_menu
