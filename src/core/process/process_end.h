// The end of a process whose work is done and said.
#pragma once

namespace orbisk {

// Flushes the standard streams and ends the process with status. On Windows it ends there and
// then, without unloading its DLLs: under Wine a process whose threads have ended (backup's
// workers, a test's) hangs for good in their detach, after its last line. Elsewhere it returns
// status for main to return.
int endProcess(int status);

}  // namespace orbisk
