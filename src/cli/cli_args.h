// The orbisk-cli command line.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk::cli {

enum class Command { Help, Version, Read, Write, Show, Clock, ClearEvents, Export, Import, Diff, Report, Backup, Receivers, Log };

struct CliArgs {
  Command command = Command::Help;
  QString port;
  QStringList ports;  // every --port, in order (backup takes several)
  QString dir;        // backup --dir
  QString jobs;       // backup --jobs, checked by the command
  QString out;
  QString file;
  QString file2;  // diff: the second configuration
  bool yes = false;
  bool json = false;
  bool sync = false;
  QString trace;  // file the conversation's bytes are traced into
  QString slot;  // export --slot
  QString csv;   // import --csv
  bool excel = false;
  bool xlsx = false;  // export --xlsx
  bool replace = false;
  bool noBackup = false;
  bool verify = false;    // read, backup: read twice and compare
  bool noVerify = false;  // write: no read-back
  QStringList receivers;  // every --receiver, in order (backup takes several)
  bool all = false;       // backup --all: every receiver in the register
  QString site, number, comment, config, since, name;  // receivers add/edit; comment also for the trail
  QStringList words;      // receivers: the action and the NAME
  QStringList given;      // every option given, as written
  QString error;  // non-empty when the command line is not usable
};

CliArgs parseArgs(const QStringList& args);
QString helpText();
QString versionText();

}  // namespace orbisk::cli
