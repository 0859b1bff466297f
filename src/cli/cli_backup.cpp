#include "cli/cli_backup.h"

#include "core/history/history_texts.h"

namespace orbisk::cli {

void keepTransferBackup(const ConfigImage& img, BackupKind kind, CliEnv& env) {
  const BackupResult r = keepBackup(img, kind);
  if (!r.ok) env.err(QStringLiteral("orbisk-cli: ") + history::kBackupFailed + r.problem + u'\n');
}

}  // namespace orbisk::cli
