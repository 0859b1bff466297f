// One line per port for transfers that run side by side. On a terminal every line is redrawn
// in place with cursor moves; elsewhere a port's line is printed once, when its transfer ends.
// Any thread may call it.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <mutex>

#include "core/link/link_clock.h"

namespace orbisk::cli {

class ProgressBoard {
 public:
  ProgressBoard(std::function<void(const QString&)> err, bool terminal, const QStringList& labels, Clock& clock);
  // Bytes moved so far on row's port; redrawn at most a few times a second.
  void setProgress(int row, long done, long total);
  // The row's final line; drawn (or printed) at once.
  void finish(int row, const QString& text);

 private:
  void redraw();  // with mutex_ held

  std::function<void(const QString&)> err_;
  const bool terminal_;
  QStringList labels_;  // the ports, padded to one width
  QStringList lines_;
  Clock& clock_;
  std::mutex mutex_;
  bool drawn_ = false;
  uint32_t lastDrawMs_ = 0;
};

}  // namespace orbisk::cli
