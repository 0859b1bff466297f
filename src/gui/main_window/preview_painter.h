// Paints the report's pages as pictures on a worker thread, one after another, and hands each to
// the window's thread as it is done; a run can be stopped between two pages.
#pragma once

#include <QImage>
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "core/report/report_content.h"
#include "render/report_page_image.h"

namespace orbisk {

class PreviewPainter : public QObject {
  Q_OBJECT

 public:
  // Gathers the report's content; called on the worker, so it must not touch the window.
  using MakeContent = std::function<ReportContent()>;

  explicit PreviewPainter(QObject* parent = nullptr) : QObject(parent) {}
  ~PreviewPainter() override { stop(); }

  // Lays the report out for geometry and paints every page width pixels wide. A run still going
  // is stopped first, and nothing more of it arrives.
  void start(MakeContent make, const PageGeometry& geometry, int width);
  // Asks the worker to stop after the page in hand and waits for it to end.
  void stop();
  bool running() const { return thread_ && thread_->isRunning(); }

 signals:
  void counted(int pages);
  void pagePainted(int page, const QImage& image);
  void finished();  // every page has arrived

 private:
  void work(const MakeContent& make, const PageGeometry& geometry, int width, int run);
  // Runs on the window's thread; what a stopped run still sends is dropped.
  void deliver(int run, const std::function<void()>& emitter);

  std::unique_ptr<QThread> thread_;
  std::atomic<bool> stopping_{false};
  int run_ = 0;  // counts the runs; read and written on the window's thread only
};

}  // namespace orbisk
