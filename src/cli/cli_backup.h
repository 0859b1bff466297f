// The automatic backup after a read or a write of orbisk-cli.
#pragma once

#include "cli/cli_env.h"
#include "core/history/backup_store.h"

namespace orbisk::cli {

// Keeps img in the backup folder; a failure is told on standard error and changes no exit status.
void keepTransferBackup(const ConfigImage& img, BackupKind kind, CliEnv& env);

}  // namespace orbisk::cli
