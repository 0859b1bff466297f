// Where the built orbisk-cli is: under ORBISK_TEST_BIN_DIR when CTest runs the test, else where
// the build put it. Empty when it is not there.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "built_programs.h"

namespace orbisk::test {

// A program the build made: name under ORBISK_TEST_BIN_DIR/bin, else the path recorded at build.
inline QString builtProgram(const QString& name, const QString& recorded) {
  const QString dir = qEnvironmentVariable("ORBISK_TEST_BIN_DIR");
#ifdef Q_OS_WIN
  const QString suffix = QStringLiteral(".exe");
#else
  const QString suffix;
#endif
  const QString path = dir.isEmpty() ? recorded : dir + QStringLiteral("/bin/") + name + suffix;
  return QFileInfo(path).isExecutable() ? path : QString();
}

inline QString cliBinary() { return builtProgram(QStringLiteral("orbisk-cli"), QStringLiteral(ORBISK_CLI_BINARY)); }

struct CliResult {
  int status = -1;  // -1 when it did not end by itself
  QString out, err;
};

// A process whose standard output and error are kept whole. On Windows they go through files:
// under Wine a pipe's reader may stop taking lines until the program ends, and what it has not
// taken then is lost.
class CapturedProcess : public QProcess {
 public:
  CapturedProcess() {
#ifdef Q_OS_WIN
    setStandardOutputFile(streams_.filePath(QStringLiteral("out")));
    setStandardErrorFile(streams_.filePath(QStringLiteral("err")));
#endif
  }
  // What the program wrote so far; call once, after it ended.
  QByteArray output() { return taken(QStringLiteral("out"), StandardOutput); }
  QByteArray errors() { return taken(QStringLiteral("err"), StandardError); }

 private:
  QByteArray taken([[maybe_unused]] const QString& name, [[maybe_unused]] ProcessChannel channel) {
#ifdef Q_OS_WIN
    QFile f(streams_.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
#else
    return channel == StandardOutput ? readAllStandardOutput() : readAllStandardError();
#endif
  }
  QTemporaryDir streams_;
};

// Runs a program to its end, with no terminal and no answers on its input; an empty env is
// this process's environment.
inline CliResult runProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env = {},
                            int limitMs = 60000) {
  CapturedProcess p;
  if (!env.isEmpty()) p.setProcessEnvironment(env);
  p.start(program, args);
  p.closeWriteChannel();
  CliResult r;
  if (!p.waitForFinished(limitMs)) return r;
  r.out = QString::fromUtf8(p.output());
  r.err = QString::fromUtf8(p.errors());
  if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
  return r;
}

// The built orbisk-cli, run as above.
inline CliResult runCli(const QStringList& args) { return runProgram(cliBinary(), args); }

}  // namespace orbisk::test
