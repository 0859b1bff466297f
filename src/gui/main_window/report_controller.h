// "Файл" › "Печать...", "Предварительный просмотр..." and "Экспорт в PDF...": the configuration
// report of the main window's document. It owns its three menu items and what they start.
#pragma once

#include <functional>

#include "core/report/report_content.h"
#include "gui/main_window/report_job.h"
#include "gui/main_window/window_controller.h"

class QMenu;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace orbisk {

class Prompter;

class ReportController : public WindowController {
  Q_OBJECT
 public:
  // window: the parent of its dialogs and progress windows; nothing starts while st is busy.
  ReportController(QWidget* window, MainState& st, Prompter& prompter);

  void addItems(QMenu* file);  // after a separator, at the end of "Файл"

  void print();    // the print dialog, then the pages it asked for
  void preview();  // the report on screen, printable from there
  void exportPdf();
  // Shows the print dialog modally; tests answer it in its place.
  std::function<int(QPrintDialog&)> runPrintDialog;

 private:
  ReportSource source() const;
  void preparePrinter(QPrinter& printer) const;
  // The pages the report takes on the printer's paper; 0 when the count was cancelled.
  int countPages(QPrinter& printer);
  bool printWithDialog(QPrinter& printer);  // false when cancelled
  void printOn(QPrinter& printer);          // the pages the printer's range asks for
  // Makes the report from a copy of the image and paints it on a worker thread; false if cancelled.
  bool run(JobCancel cancel, const std::function<void(const ReportContent&, const ReportProgress&)>& paint);

};

}  // namespace orbisk
