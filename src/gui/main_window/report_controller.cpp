#include "gui/main_window/report_controller.h"

#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "core/files/file_texts.h"
#include "core/report/report_texts.h"
#include "core/state/prompter.h"
#include "gui/main_window/report_menu_texts.h"
#include "gui/main_window/report_preview_dialog.h"
#include "render/report_document.h"
#include "render/report_page_image.h"

namespace orbisk {

ReportController::ReportController(QWidget* window, MainState& st, Prompter& prompter)
    : WindowController(window, st, prompter) {
  runPrintDialog = [](QPrintDialog& dialog) { return dialog.exec(); };
}

void ReportController::addItems(QMenu* file) {
  file->addSeparator();
  QAction* print = file->addAction(report_menu::ReportMenuTexts::printItem());
  print->setObjectName(QStringLiteral("PrintReport"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, &ReportController::print);
  QAction* preview = file->addAction(report_menu::ReportMenuTexts::previewItem());
  preview->setObjectName(QStringLiteral("PreviewReport"));
  connect(preview, &QAction::triggered, this, &ReportController::preview);
  QAction* pdf = file->addAction(report_menu::ReportMenuTexts::exportPdfItem());
  pdf->setObjectName(QStringLiteral("ExportPdf"));
  connect(pdf, &QAction::triggered, this, &ReportController::exportPdf);
}

ReportSource ReportController::source() const {
  ReportSource src;
  src.shortName = st_.shortFileName;
  src.fullPath = QFileInfo(st_.filePath).absoluteFilePath();
  src.saved = !st_.untitled;
  src.modified = st_.modified;
  src.made = QDateTime::currentDateTime();
  src.modelText = st_.modelText;
  src.channelTypes = st_.channelTypes;
  return src;
}

bool ReportController::run(JobCancel cancel, const std::function<void(const ReportContent&, const ReportProgress&)>& paint) {
  // The worker reads a copy: the window stays live while the pages are made.
  auto img = std::make_unique<ConfigImage>(st_.image);
  const ReportSource src = source();
  st_.busy = true;
  const bool finished = runReportJob(window_, cancel, [&](const ReportProgress& progress) {
    paint(reportContent(*img, src), progress);
  });
  st_.busy = false;
  return finished;
}

void ReportController::preparePrinter(QPrinter& printer) const {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(reportTitle(st_.shortFileName));
}

void ReportController::printOn(QPrinter& printer) {
  // Qt cannot take back a print job once its painting has begun (abort does nothing on CUPS), and
  // pages stopped halfway would still be printed: the progress window offers no "Отмена" here.
  const QPageRanges ranges = printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
  run(JobCancel::NotOffered, [&printer, &ranges](const ReportContent& content, const ReportProgress& progress) {
    paintReport(content, printer, progress, ranges);
  });
}

int ReportController::countPages(QPrinter& printer) {
  // Counted on a stand-in of the printer's paper: the worker never touches the printer itself.
  const PageGeometry geometry = pageGeometry(printer);
  int pages = 0;
  if (!run(JobCancel::Offered, [&](const ReportContent& content, const ReportProgress&) {
        pages = reportPageCount(content, PageGeometryDevice(geometry));
      }))
    return 0;
  return std::max(pages, 1);
}

bool ReportController::printWithDialog(QPrinter& printer) {
  // The dialog offers the report's whole range on the printer's paper, so its pages are counted first.
  int pages = countPages(printer);
  if (pages == 0) return false;
  printer.setFromTo(1, pages);
  printer.setPrintRange(QPrinter::AllPages);
  for (;;) {
    QPrintDialog dialog(&printer, window_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pages);
    if (runPrintDialog(dialog) != QDialog::Accepted) return false;
    // Another paper may have been chosen in the dialog: all pages are those of the new paper, but
    // a range was chosen among the pages of the old one (and could not go beyond them).
    const int now = countPages(printer);
    if (now == 0) return false;
    if (printer.printRange() != QPrinter::PageRange || now == pages) break;
    prompter_.message(report_menu::ReportMenuTexts::rangeRecounted().arg(now));
    printer.setFromTo(std::min(printer.fromPage(), now), std::min(printer.toPage(), now));
    pages = now;
  }
  printOn(printer);
  return true;
}

void ReportController::print() {
  if (st_.busy) return;
  QPrinter printer(QPrinter::HighResolution);
  preparePrinter(printer);
  printWithDialog(printer);
}

void ReportController::preview() {
  if (st_.busy) return;
  QPrinter printer(QPrinter::HighResolution);
  preparePrinter(printer);
  // The worker reads a copy: the window stays live while the pages are painted.
  auto img = std::make_shared<const ConfigImage>(st_.image);
  const ReportSource src = source();
  ReportPreviewDialog preview([img, src] { return reportContent(*img, src); }, printer,
                              [this](QPrinter& p) { printWithDialog(p); }, window_);
  preview.setObjectName(QStringLiteral("ReportPreview"));
  preview.setWindowTitle(report_menu::ReportMenuTexts::previewTitle());
  preview.resize(900, 1000);
  preview.exec();
}

void ReportController::exportPdf() {
  if (st_.busy) return;
  const QString proposed = QFileInfo(st_.filePath).completeBaseName() + QStringLiteral(".pdf");
  const QString path = prompter_.savePdfFile(st_.defaultDirectory, proposed);
  if (path.isEmpty()) return;
  SaveCause saved = SaveCause::Failed;
  ReportWrite result = ReportWrite::Stopped;
  run(JobCancel::Offered, [&](const ReportContent& content, const ReportProgress& progress) {
    result = writeReportPdf(content, path, saved, progress);
  });
  if (result == ReportWrite::Failed)
    prompter_.messageWithDetail(path + QStringLiteral(": ") + report::ReportTexts::cannotWrite(),
                                text::saveCauseText(saved));
}

}  // namespace orbisk
