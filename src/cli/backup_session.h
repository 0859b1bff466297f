// One port's part of a parallel backup: the whole read, with a conversation of its own, and
// the configuration saved into the backup folder. Runs on its own thread.
#pragma once

#include <QString>
#include <QStringList>

#include "cli/cli_env.h"
#include "cli/progress_board.h"
#include "core/link/link_outcome.h"
#include "cli/register_access.h"

namespace orbisk::cli {

struct PortBackup {
  QString receiver;  // the register's name, empty for a bare port
  QString port;
  bool started = false;
  bool ok = false;
  bool interrupted = false;
  bool suspect = false;  // read whole, but it looks damaged: kept only as a suspect backup
  QString status;      // the read's last status text
  LinkOutcome link = LinkOutcome::Ok;  // how a failed read ended
  QString file;        // the configuration saved, empty when none
  long bytes = 0;      // received from the receiver
  double seconds = 0;
  QStringList messages;  // message boxes and save failures, in order
};

// "ttyUSB3" for /dev/ttyUSB3, "pts_5" for /dev/pts/5, "COM3" for COM3 or \\.\COM3, "tcp_host_7001" for
// tcp://host:7001: a file name part.
QString portFileName(const QString& port);

struct BackupPlan {
  QString dir;      // where the configurations read are saved
  QString comment;  // kept with each entry of the audit trail
  bool twice = false;
};

// Reads the target's port and saves it in the plan's folder under the target's file name; env's
// output is not used (the board and the result tell).
PortBackup backupPort(const Target& target, const BackupPlan& plan, CliEnv& env, ProgressBoard& board, int row);
// The summary's result for a read that looks damaged.
QString suspectText();

}  // namespace orbisk::cli
