// Time as the receiver conversations need it: a millisecond tick, a sleep, and the PC's clock.
#pragma once

#include <QDateTime>
#include <cstdint>

namespace orbisk {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; callers take unsigned differences, so wrapping is fine.
  virtual uint32_t nowMs() = 0;
  virtual void sleepMs(int ms) = 0;
  // The PC's local date and time, as shown and as sent to the receiver.
  virtual QDateTime pcNow() = 0;
};

class SteadyClock : public Clock {
 public:
  uint32_t nowMs() override;
  void sleepMs(int ms) override;
  QDateTime pcNow() override;
};

}  // namespace orbisk
