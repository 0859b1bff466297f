// The orbisk-cli command line.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::cli {

enum class Command { Help, Version, Read, Write, Show, Clock, ClearEvents, Report };

struct CliArgs {
  Command command = Command::Help;
  QString port;
  QString out;
  QString file;
  bool yes = false;
  bool json = false;
  bool sync = false;
  QString error;  // non-empty when the command line is not usable
};

CliArgs parseArgs(const QStringList& args);
QString helpText();
QString versionText();

}  // namespace orbisk::cli
