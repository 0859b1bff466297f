// The sending side of a line paced at its real speed: one byte a byte's time, on the line's own
// schedule. A late wake-up (a busy machine) is made good by the next bytes instead of adding up
// over a reply; a reply after the line went quiet starts the schedule afresh.
#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cstdint>

#include "sim/serve_options.h"
#include "sim/steady_time.h"

namespace orbisk::sim {

class LinePacer {
 public:
  explicit LinePacer(const ServeOptions& options) : paced_(options.paced), byteUs_(options.byteTimeUs) {}

  // Replies were queued on a line that had nothing left to send.
  void startedAfterQuiet() { nextUs_ = std::max(nextUs_, steadyUs()); }
  // Microseconds until the next byte is due; 0 or less: now.
  int64_t waitUs() const { return paced_ ? nextUs_ - steadyUs() : 0; }
  // How many of the waiting bytes go in one write.
  qsizetype chunk(qsizetype waiting) const { return paced_ ? std::min<qsizetype>(waiting, 1) : waiting; }
  void sent(qsizetype n) { nextUs_ += byteUs_ * static_cast<int64_t>(n); }

 private:
  bool paced_;
  int64_t byteUs_;
  int64_t nextUs_ = 0;
};

}  // namespace orbisk::sim
