// A clock that only moves when the code under test waits: sleeps and empty byte reads.
#pragma once

#include <QDateTime>
#include <functional>
#include <vector>

#include "core/link/link_clock.h"

namespace orbisk::test {

class FakeClock : public Clock {
 public:
  explicit FakeClock(uint32_t start = 0) : now(start) {}
  uint32_t nowMs() override { return now; }
  void sleepMs(int ms) override {
    sleeps.push_back(ms);
    now += static_cast<uint32_t>(ms);
    if (onSleep) onSleep();
  }
  QDateTime pcNow() override { return pcBase.addMSecs(static_cast<qint64>(now - start_)); }
  void advance(uint32_t ms) { now += ms; }

  uint32_t now;
  // The PC's clock at the fake start; it runs on with the fake time.
  QDateTime pcBase{QDate(2009, 12, 31), QTime(23, 59, 7)};
  std::vector<int> sleeps;
  std::function<void()> onSleep;  // after each sleep: lets a test act in the middle of a pause

 private:
  uint32_t start_ = now;
};

}  // namespace orbisk::test
