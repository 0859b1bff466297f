#include "core/link/link_clock.h"

#include <chrono>
#include <thread>

namespace orbisk {

uint32_t SteadyClock::nowMs() {
  const auto t = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
}

void SteadyClock::sleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

QDateTime SteadyClock::pcNow() { return QDateTime::currentDateTime(); }

}  // namespace orbisk
