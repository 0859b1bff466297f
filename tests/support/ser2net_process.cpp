#include "ser2net_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QThread>

namespace orbisk::test {
namespace {

constexpr int kTries = 3;         // another test may take a port between choosing and listening
constexpr int kListenWaitMs = 5000;

}  // namespace

quint16 freeLoopbackPort() {
  QTcpServer probe;
  return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QString Ser2NetProcess::binary() {
  const QString path = QStringLiteral("/usr/sbin/ser2net");
  return QFileInfo(path).isExecutable() ? path : QString();
}

Ser2NetProcess::~Ser2NetProcess() { kill(); }

void Ser2NetProcess::kill() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished(3000);
}

bool Ser2NetProcess::listening(quint16 port) const {
  // Read from the kernel's table rather than connecting, which would open the device.
  QFile table(QStringLiteral("/proc/net/tcp"));
  if (!table.open(QIODevice::ReadOnly)) return false;
  const QByteArray local = QByteArray("0100007F:") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
  for (const QByteArray& line : table.readAll().split('\n')) {
    const QList<QByteArray> f = line.simplified().split(' ');
    if (f.size() > 3 && f.at(1) == local && f.at(3) == "0A") return true;
  }
  return false;
}

bool Ser2NetProcess::start(const QString& device, const QString& line) {
  for (int attempt = 0; attempt < kTries; ++attempt) {
    kill();
    raw_ = freeLoopbackPort();
    rfc_ = freeLoopbackPort();
    if (raw_ == 0 || rfc_ == 0 || raw_ == rfc_) continue;
    const QString config = dir_.filePath(QStringLiteral("ser2net.yaml"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QString connector = QStringLiteral("  connector: serialdev,%1,%2,local\n").arg(device, line);
    f.write(QStringLiteral("connection: &raw\n  accepter: tcp,127.0.0.1,%1\n%2"
                           "connection: &rfc\n  accepter: telnet(rfc2217),tcp,127.0.0.1,%3\n%2")
                .arg(raw_).arg(connector).arg(rfc_).toUtf8());
    f.close();
    // In the foreground, no lock files, its pid file in the test's folder: nothing of the system.
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(binary(), {QStringLiteral("-n"), QStringLiteral("-u"), QStringLiteral("-P"),
                              dir_.filePath(QStringLiteral("ser2net.pid")), QStringLiteral("-c"), config});
    if (!process_.waitForStarted(5000)) return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kListenWaitMs && process_.state() == QProcess::Running) {
      if (listening(raw_) && listening(rfc_)) return true;
      QThread::msleep(20);
    }
  }
  return false;
}

QString Ser2NetProcess::rawPort() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(raw_); }
QString Ser2NetProcess::rfc2217Port() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(rfc_); }

}  // namespace orbisk::test
