// "Файл" › "Печать...", "Предварительный просмотр..." and "Экспорт в PDF...": the configuration
// report of the main window.
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <algorithm>
#include <QPrinter>
#include <memory>

#include "core/files/file_texts.h"
#include "core/report/report_content.h"
#include "core/report/report_texts.h"
#include "gui/main_window/report_job.h"
#include "gui/main_window/report_menu_texts.h"
#include "gui/main_window/tform1.h"
#include "render/report_document.h"

namespace orbisk {

void TForm1::buildReportMenu(QMenu* file) {
  file->addSeparator();
  QAction* print = file->addAction(report_menu::kPrintItem);
  print->setObjectName(QStringLiteral("PrintReport"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, [this] { PrintReportClick(); });
  QAction* preview = file->addAction(report_menu::kPreviewItem);
  preview->setObjectName(QStringLiteral("PreviewReport"));
  connect(preview, &QAction::triggered, this, [this] { PreviewReportClick(); });
  QAction* pdf = file->addAction(report_menu::kExportPdfItem);
  pdf->setObjectName(QStringLiteral("ExportPdf"));
  connect(pdf, &QAction::triggered, this, [this] { ExportPdfClick(); });
}

ReportSource TForm1::reportSource() const {
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

bool TForm1::runReport(JobCancel cancel, const std::function<void(const ReportContent&, const ReportProgress&)>& paint) {
  // The worker reads a copy: the window stays live while the pages are made.
  auto img = std::make_unique<ConfigImage>(st_.image);
  const ReportSource src = reportSource();
  st_.busy = true;
  const bool finished = runReportJob(this, cancel, [&](const ReportProgress& progress) {
    paint(reportContent(*img, src), progress);
  });
  st_.busy = false;
  return finished;
}

void TForm1::prepareReportPrinter(QPrinter& printer) const {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(reportTitle(st_.shortFileName));
}

void TForm1::printReportOn(QPrinter& printer) {
  // Qt cannot take back a print job once its painting has begun (abort does nothing on CUPS), and
  // pages stopped halfway would still be printed: the progress window offers no "Отмена" here.
  runReport(JobCancel::NotOffered, [&printer](const ReportContent& content, const ReportProgress& progress) {
    paintReport(content, printer, progress, printer.pageRanges());
  });
}

void TForm1::PrintReportClick() {
  if (st_.busy) return;
  QPrinter printer(QPrinter::HighResolution);
  prepareReportPrinter(printer);
  // The dialog offers the report's whole range, so its pages are counted first.
  int pages = 0;
  if (!runReport(JobCancel::Offered, [&](const ReportContent& content, const ReportProgress&) {
        pages = reportPageCount(content, printer);
      }))
    return;
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(pages, 1));
  printer.setFromTo(1, std::max(pages, 1));
  printer.setPrintRange(QPrinter::AllPages);
  if (dialog.exec() != QDialog::Accepted) return;
  printReportOn(printer);
}

void TForm1::PreviewReportClick() {
  if (st_.busy) return;
  QPrinter printer(QPrinter::HighResolution);
  prepareReportPrinter(printer);
  QPrintPreviewDialog preview(&printer, this);
  preview.setObjectName(QStringLiteral("ReportPreview"));
  preview.setWindowTitle(report_menu::kPreviewTitle);
  preview.resize(900, 1000);
  // The preview paints on its own printer, and its print button on the chosen one. The preview's
  // pages are painted here on the window's thread: the preview takes them as it asks for them.
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
    auto img = std::make_unique<ConfigImage>(st_.image);
    paintReport(reportContent(*img, reportSource()), *p, {}, p->pageRanges());
  });
  preview.exec();
}

void TForm1::ExportPdfClick() {
  if (st_.busy) return;
  const QString proposed = QFileInfo(st_.filePath).completeBaseName() + QStringLiteral(".pdf");
  const QString path = prompter_->savePdfFile(st_.defaultDirectory, proposed);
  if (path.isEmpty()) return;
  SaveCause saved = SaveCause::Failed;
  ReportWrite result = ReportWrite::Stopped;
  runReport(JobCancel::Offered, [&](const ReportContent& content, const ReportProgress& progress) {
    result = writeReportPdf(content, path, saved, progress);
  });
  if (result == ReportWrite::Failed)
    prompter_->messageWithDetail(path + QStringLiteral(": ") + report::kCannotWrite, text::saveCauseText(saved));
}

}  // namespace orbisk
