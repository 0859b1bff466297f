#include "sim_process.h"

#include "built_programs.h"
#include "cli_binary.h"

#include <QFileInfo>

namespace orbisk::test {

QString SimProcess::binary() {
  return builtProgram(QStringLiteral("halvorn-sim"), QStringLiteral(ORBISK_SIM_BINARY));
}

SimProcess::~SimProcess() {
  if (process_.state() == QProcess::NotRunning) return;
#ifdef Q_OS_WIN
  // A console program gets no close message on Windows: waiting for one would only delay.
  kill();
  return;
#endif
  process_.terminate();
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(3000);
  }
}

void SimProcess::kill() {
  process_.kill();
  process_.waitForFinished(3000);
}

bool SimProcess::start(const QStringList& args) {
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_WIN
  // No pseudo-terminals: the simulator serves a TCP port, and device() is its tcp:// name.
  process_.start(binary(), QStringList(args) << QStringLiteral("--tcp") << QStringLiteral("0"));
#else
  process_.start(binary(), args);
#endif
  if (!process_.waitForStarted(5000)) return false;
  while (!process_.canReadLine()) {
    if (!process_.waitForReadyRead(5000)) return false;
  }
  device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  return !device_.isEmpty();
}

int SimProcess::run(const QStringList& args, QByteArray* output) {
  QProcess p;
  p.start(binary(), args);
  if (!p.waitForFinished(10000)) return -1;
  if (output) *output = p.readAllStandardOutput();
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace orbisk::test
