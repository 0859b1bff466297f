#include "gui/main_window/preview_painter.h"

#include "render/report_pages.h"

namespace orbisk {

void PreviewPainter::start(MakeContent make, const PageGeometry& geometry, int width) {
  stop();
  stopping_ = false;
  const int run = ++run_;
  thread_.reset(QThread::create([this, make = std::move(make), geometry, width, run] {
    work(make, geometry, width, run);
  }));
  thread_->setObjectName(QStringLiteral("ReportPreview"));  // the thread's name in a debugger
  thread_->start();
}

void PreviewPainter::stop() {
  if (!thread_) return;
  stopping_ = true;
  thread_->wait();
  thread_.reset();
  ++run_;  // pages already on their way belong to the stopped run
}

void PreviewPainter::work(const MakeContent& make, const PageGeometry& geometry, int width, int run) {
  const ReportContent content = make();
  const PageGeometryDevice device(geometry);
  const ReportPages pages(content, device);

  const int count = pages.count();
  deliver(run, [this, count] { emit counted(count); });
  for (int page = 0; page < count; ++page) {
    if (stopping_) return;
    QImage image = reportPageImage(pages, page, geometry, width);
    deliver(run, [this, page, image = std::move(image)] { emit pagePainted(page, image); });
  }
  deliver(run, [this] { emit finished(); });
}

void PreviewPainter::deliver(int run, const std::function<void()>& emitter) {
  // Posted to this object: the destructor waits for the worker before the object goes, and
  // events still queued for it go with it.
  QMetaObject::invokeMethod(this, [this, run, emitter] {
    if (run == run_) emitter();
  }, Qt::QueuedConnection);
}

}  // namespace orbisk
