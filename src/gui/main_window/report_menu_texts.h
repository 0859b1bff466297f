// The report's menu items under "Файл", the filter of its save dialog, its progress window and
// its preview.
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
// The preview window ("Печать...", "Закрыть" and): its scale and the pages painted so far
// (the page in sight is "стр. 3 из 77", as on the paper).
inline const QString kScaleLabel = QStringLiteral("Масштаб:");
inline const QString kFitWidth = QStringLiteral("По ширине");
inline const QString kScalePercent = QStringLiteral("%1%");
inline const QString kPagesPainted = QStringLiteral("Подготовка страниц: %1 из %2");
// A page range chosen in the print dialog before another paper changed the number of pages.
inline const QString kRangeRecounted =
    QStringLiteral("На выбранной бумаге отчет занимает %1 стр. Выберите страницы для печати снова.");

}  // namespace orbisk::report_menu
