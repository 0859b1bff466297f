// "Файл" › "Печать..." and "Экспорт в PDF...": the configuration report of the main window.
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>

#include "core/files/file_texts.h"
#include "core/report/config_report.h"
#include "core/report/report_texts.h"
#include "gui/main_window/report_menu_texts.h"
#include "gui/main_window/tform1.h"
#include "render/report_document.h"

namespace orbisk {
namespace {

// Laying out all sixteen full expanders takes seconds; the pointer says the window is at work.
struct WaitCursor {
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TForm1::buildReportMenu(QMenu* file) {
  file->addSeparator();
  QAction* print = file->addAction(report_menu::kPrintItem);
  print->setObjectName(QStringLiteral("PrintReport"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, [this] { PrintReportClick(); });
  QAction* pdf = file->addAction(report_menu::kExportPdfItem);
  pdf->setObjectName(QStringLiteral("ExportPdf"));
  connect(pdf, &QAction::triggered, this, [this] { ExportPdfClick(); });
}

QString TForm1::reportTitle() const { return report::kTitle + QStringLiteral(" — ") + st_.shortFileName; }

QString TForm1::reportHtmlNow() const {
  ReportSource src;
  src.shortName = st_.shortFileName;
  src.fullPath = QFileInfo(st_.filePath).absoluteFilePath();
  src.saved = !st_.untitled;
  src.modified = st_.modified;
  src.made = QDateTime::currentDateTime();
  src.modelText = st_.modelText;
  src.channelTypes = st_.channelTypes;
  return reportHtml(st_.image, src);
}

void TForm1::PrintReportClick() {
  if (st_.busy) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setDocName(reportTitle());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const WaitCursor wait;
  paintReport(reportHtmlNow(), printer);
}

void TForm1::ExportPdfClick() {
  if (st_.busy) return;
  const QString proposed = QFileInfo(st_.filePath).completeBaseName() + QStringLiteral(".pdf");
  const QString path = prompter_->savePdfFile(st_.defaultDirectory, proposed);
  if (path.isEmpty()) return;
  SaveCause saved = SaveCause::Failed;
  {
    const WaitCursor wait;
    saved = writeReportPdf(reportHtmlNow(), path, reportTitle());
  }
  if (saved != SaveCause::None)
    prompter_->messageWithDetail(path + QStringLiteral(": ") + report::kCannotWrite, text::saveCauseText(saved));
}

}  // namespace orbisk
