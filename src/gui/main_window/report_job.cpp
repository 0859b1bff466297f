#include "gui/main_window/report_job.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <memory>

#include "gui/dialogs/button_texts.h"
#include "gui/main_window/report_menu_texts.h"

namespace orbisk {

bool runReportJob(QWidget* parent, JobCancel cancel, const std::function<void(const ReportProgress&)>& work) {
  QProgressDialog dialog(report_menu::ReportMenuTexts::preparing(), ui::ButtonTexts::cancelButton(), 0, 0, parent);
  if (cancel == JobCancel::NotOffered) dialog.setCancelButton(nullptr);
  dialog.setWindowTitle(report_menu::ReportMenuTexts::progressTitle());
  dialog.setWindowModality(Qt::ApplicationModal);  // no other command while the pages are made
  dialog.setMinimumDuration(300);
  dialog.setAutoReset(false);
  dialog.setAutoClose(false);
  std::atomic<bool> cancelled{false};
  QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&cancelled] { cancelled = true; });
  const ReportProgress progress = [&dialog, &cancelled](int done, int total) {
    // Queued to the dialog's thread; dropped if the dialog is gone by then.
    QMetaObject::invokeMethod(&dialog, [&dialog, done, total] {
      dialog.setMaximum(total);
      dialog.setValue(done);
      dialog.setLabelText(report_menu::ReportMenuTexts::pageProgress().arg(done).arg(total));
    }, Qt::QueuedConnection);
    return !cancelled;
  };
  std::unique_ptr<QThread> thread(QThread::create([&work, &progress] { work(progress); }));
  QEventLoop loop;
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
  thread->start();
  loop.exec();
  thread->wait();
  return !cancelled;
}

}  // namespace orbisk
