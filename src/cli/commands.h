// The commands of orbisk-cli, each returning the exit status.
#pragma once

#include "cli/cli_args.h"
#include "cli/cli_env.h"
#include "core/image/config_image.h"
#include "core/files/rcf_file.h"

namespace orbisk::cli {

int runShow(const CliArgs& args, CliEnv& env);
int runRead(const CliArgs& args, CliEnv& env);
int runWrite(const CliArgs& args, CliEnv& env);
int runClock(const CliArgs& args, CliEnv& env);
int runClearEvents(const CliArgs& args, CliEnv& env);
int runExport(const CliArgs& args, CliEnv& env);
int runImport(const CliArgs& args, CliEnv& env);
int runDiff(const CliArgs& args, CliEnv& env);
int runReport(const CliArgs& args, CliEnv& env);
int runBackup(const CliArgs& args, CliEnv& env);

// Opens a configuration file as the desktop's Open does; a refusal is told with Open's text.
bool loadConfig(const QString& file, ConfigImage& img, CliEnv& env, ReadAccess access = ReadAccess::Writable);

}  // namespace orbisk::cli
