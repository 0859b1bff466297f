#include "sim_process.h"

#include "built_programs.h"

#include <QFileInfo>

namespace orbisk::test {

QString SimProcess::binary() {
  const QString dir = qEnvironmentVariable("ORBISK_TEST_BIN_DIR");
  // The build's own record of the binary covers runs outside CTest.
  const QString path = dir.isEmpty() ? QStringLiteral(ORBISK_SIM_BINARY) : dir + QStringLiteral("/bin/halvorn-sim");
  return QFileInfo(path).isExecutable() ? path : QString();
}

SimProcess::~SimProcess() {
  if (process_.state() == QProcess::NotRunning) return;
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
  process_.start(binary(), args);
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
