#include "cli/cli_args.h"
#include "cli/cli_env.h"
#include "cli/commands.h"
#include "cli/register_access.h"

namespace orbisk::cli {

int run(const QStringList& argv, CliEnv& env) {
  if (argv.isEmpty()) {
    env.err(helpText());
    return status::kUsage;
  }
  CliArgs args = parseArgs(argv);
  if (!args.error.isEmpty()) {
    env.err(QStringLiteral("orbisk-cli: ") + args.error + QStringLiteral("\nTry 'orbisk-cli --help'.\n"));
    return status::kUsage;
  }
  switch (args.command) {
    case Command::Help: env.out(helpText()); return status::kOk;
    case Command::Version: env.out(versionText()); return status::kOk;
    case Command::Show: return runShow(args, env);
    case Command::Read: return runRead(args, env);
    case Command::Write: return runWrite(args, env);
    case Command::Clock: return runClock(args, env);
    case Command::ClearEvents: return runClearEvents(args, env);
    case Command::Export: return runExport(args, env);
    case Command::Import: return runImport(args, env);
    case Command::Diff: return runDiff(args, env);
    case Command::Report: return runReport(args, env);
    case Command::Backup: return runBackup(args, env);
    case Command::Receivers: return runReceivers(args, env);
    case Command::Log: return runLog(args, env);
  }
  return status::kUsage;
}

}  // namespace orbisk::cli
