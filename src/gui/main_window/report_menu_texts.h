// The report's menu items under "Файл", the filter of its save dialog, its progress window and
// its preview.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace orbisk::report_menu {

class ReportMenuTexts {
  Q_DECLARE_TR_FUNCTIONS(ReportMenuTexts)

 public:
  static QString printItem() { return tr("Печать..."); }
  static QString previewTitle() { return tr("Предварительный просмотр"); }
  static QString previewItem() { return ReportMenuTexts::previewTitle() + tr("..."); }
  static QString exportPdfItem() { return tr("Экспорт в PDF..."); }
  static QString pdfFilter() { return tr("PDF (*.pdf)"); }
  // The progress window while the pages are painted: its caption, then "страница 3 из 77".
  static QString progressTitle() { return tr("Отчет"); }
  static QString preparing() { return tr("Подготовка отчета..."); }
  static QString pageProgress() { return tr("Отчет: страница %1 из %2"); }
  // The preview window ("Печать...", "Закрыть" and): its scale and the pages painted so far
  // (the page in sight is "стр. 3 из 77", as on the paper).
  static QString scaleLabel() { return tr("Масштаб:"); }
  static QString fitWidth() { return tr("По ширине"); }
  static QString scalePercent() { return tr("%1%"); }
  static QString pagesPainted() { return tr("Подготовка страниц: %1 из %2"); }
  // A page range chosen in the print dialog before another paper changed the number of pages.
  static QString rangeRecounted() {
    return tr("На выбранной бумаге отчет занимает %1 стр. Выберите страницы для печати снова.");
  }
};

}  // namespace orbisk::report_menu
