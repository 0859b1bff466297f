#include "core/process/process_end.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orbisk {

int endProcess(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
#ifdef _WIN32
  // Files are closed and the streams flushed by now: nothing is left for the DLLs to do.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
#endif
  return status;
}

}  // namespace orbisk
