// The longest the event loop stood still: a timer that fires every few milliseconds while the
// loop runs, noting the widest gap between two of its ticks (a freeze of the window shows as one).
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace orbisk::test {

class LoopGapMeter {
 public:
  explicit LoopGapMeter(int tickMs = 5) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { note(); });
    clock_.start();
    timer_.start(tickMs);
  }
  // The gap since the last tick counts too: a freeze that is still going on is not missed.
  qint64 longestMs() const { return std::max(longest_, clock_.elapsed() - last_); }
  void restart() {
    clock_.restart();
    last_ = longest_ = 0;
  }

 private:
  void note() {
    const qint64 now = clock_.elapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0, longest_ = 0;
};

}  // namespace orbisk::test
