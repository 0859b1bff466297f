// What orbisk-cli takes from the register of receivers and gives to its audit trail. A build
// without the register (no Qt SQL) links register_absent.cpp instead, which says so.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_env.h"
#include "core/link/audit_event.h"

namespace orbisk::cli {

// One receiver to talk to: a register receiver, or a bare port (name empty).
struct Target {
  QString name;
  QString port;
  std::optional<int> number;  // the receiver number the register expects
  QString fileBase;           // backup files are named FILEBASE_YYYY-MM-DD_HH-MM-SS.rcf
};

// args.port from args.receivers' one NAME; false when it cannot be had (told on env.err).
bool resolveReceiver(CliArgs& args, CliEnv& env, Target& target);
// Every target of a backup: the --port ports, then the --receiver receivers, each in the order
// given; or the whole register for --all, by name.
bool backupTargets(const CliArgs& args, CliEnv& env, std::vector<Target>& out);
// Records each event of a conversation with target in the trail; a trail that cannot be
// written is told through warn, once.
AuditHook trailHook(const Target& target, const QString& comment, bool backup, std::function<void(const QString&)> warn);
// The warning when a read brought another receiver number than the register expects, or empty.
QString numberWarning(const Target& target, int numberRead);

int runReceivers(const CliArgs& args, CliEnv& env);
int runLog(const CliArgs& args, CliEnv& env);

}  // namespace orbisk::cli
