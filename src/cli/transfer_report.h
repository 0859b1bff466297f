// How orbisk-cli tells what a checked read or a verified write came to, on standard error.
#pragma once

#include "cli/cli_env.h"
#include "core/transfer/transfer_pipeline.h"

namespace orbisk::cli {

// The lines after the conversation's own status texts: what looks damaged or differs, the
// output that could not be saved, the backup kept or missed. Returns the exit status for the
// outcomes past the conversation (Done, Damaged, Mismatch, NotSaved). Each line starts with
// prefix (backup puts the port in front of its lines itself).
int tellTransfer(const TransferReport& r, CliEnv& env, const QString& prefix = QStringLiteral("orbisk-cli: "));

}  // namespace orbisk::cli
