// Where the built orbisk-cli is: under ORBISK_TEST_BIN_DIR when CTest runs the test, else where
// the build put it. Empty when it is not there.
#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "built_programs.h"

namespace orbisk::test {

inline QString cliBinary() {
  const QString dir = qEnvironmentVariable("ORBISK_TEST_BIN_DIR");
  const QString path = dir.isEmpty() ? QStringLiteral(ORBISK_CLI_BINARY) : dir + QStringLiteral("/bin/orbisk-cli");
  return QFileInfo(path).isExecutable() ? path : QString();
}

struct CliResult {
  int status = -1;  // -1 when it did not end by itself
  QString out, err;
};

// Runs a program to its end, with no terminal and no answers on its input; an empty env is
// this process's environment.
inline CliResult runProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env = {},
                            int limitMs = 60000) {
  QProcess p;
  if (!env.isEmpty()) p.setProcessEnvironment(env);
  p.start(program, args);
  p.closeWriteChannel();
  CliResult r;
  if (!p.waitForFinished(limitMs)) return r;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
  return r;
}

// The built orbisk-cli, run as above.
inline CliResult runCli(const QStringList& args) { return runProgram(cliBinary(), args); }

}  // namespace orbisk::test
