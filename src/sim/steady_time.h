// The simulator's clock for its engine and its pacing: monotonic, in ms and in µs.
#pragma once

#include <chrono>
#include <cstdint>

namespace orbisk::sim {

inline uint32_t steadyMs() {
  const auto t = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
}

inline int64_t steadyUs() {
  const auto t = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::microseconds>(t).count();
}

}  // namespace orbisk::sim
