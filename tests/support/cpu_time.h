// The processor time this process has used, in seconds, for checking that waits sleep. (On
// Windows std::clock() counts wall time since start, so it cannot tell a spin from a sleep.)
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace orbisk::test {

inline double processCpuSeconds() {
#ifdef _WIN32
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;  // 100 ns units
#else
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

}  // namespace orbisk::test
