// The closing summary of orbisk-cli backup: a table, or a JSON list with one object per port.
#pragma once

#include <QString>
#include <vector>

#include "cli/backup_session.h"

namespace orbisk::cli {

// PORT  RESULT  FILE  BYTES  SECONDS, one row per port in the order given.
QString summaryTable(const std::vector<PortBackup>& results);
// [{"receiver", "port", "ok", "status", "resultCode", "file", "bytes", "seconds", "messages"}, ...]
QString summaryJson(const std::vector<PortBackup>& results);

}  // namespace orbisk::cli
