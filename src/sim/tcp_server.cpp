#include "sim/tcp_server.h"
#include "sim/line_pacer.h"
#include "sim/steady_time.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <chrono>
#include <cstdio>
#include <memory>

namespace orbisk::sim {
namespace {

constexpr int kIdleWaitMs = 200;  // how often a stop request is noticed
constexpr int kFlushWaitMs = 1000;

}  // namespace

bool TcpServer::open(quint16 port, QString& error) {
  if (server_.listen(QHostAddress::LocalHost, port)) return true;
  error = QStringLiteral("cannot listen on 127.0.0.1:%1: %2").arg(port).arg(server_.errorString());
  return false;
}

QString TcpServer::portName() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(server_.serverPort()); }

void TcpServer::serve(ReceiverEngine& engine, const ServeOptions& options, const std::atomic<bool>& stop) {
  QFile log(options.receivedLog);
  if (!options.receivedLog.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Append))
    std::fprintf(stderr, "halvorn-sim: cannot write %s\n", qPrintable(options.receivedLog));
  while (!stop.load()) {
    if (!server_.waitForNewConnection(kIdleWaitMs)) continue;
    std::unique_ptr<QTcpSocket> client(server_.nextPendingConnection());
    if (!client) continue;
    engine.reset();
    serveClient(*client, engine, options, log, stop);
    engine.reset();
  }
}

// Blocking waits with a short limit: the thread sleeps in the socket layer, never spins.
void TcpServer::serveClient(QTcpSocket& client, ReceiverEngine& engine, const ServeOptions& options, QFile& log,
                            const std::atomic<bool>& stop) {
  QByteArray pending;  // replies not yet written
  LinePacer pacer(options);
  while (!stop.load() && client.state() == QAbstractSocket::ConnectedState) {
    int waitMs = kIdleWaitMs;
    if (!pending.isEmpty()) {
      const int64_t lateUs = pacer.waitUs();
      waitMs = lateUs <= 0 ? 0 : static_cast<int>(lateUs / 1000) + 1;
    }
    const bool arrived = client.bytesAvailable() > 0 || client.waitForReadyRead(waitMs);
    if (!arrived && client.error() != QAbstractSocket::SocketTimeoutError && waitMs > 0) break;  // gone
    if (arrived) {
      const QByteArray in = client.readAll();
      if (log.isOpen()) {
        log.write(in);
        log.flush();
      }
      const bool quiet = pending.isEmpty();
      pending.append(engine.feed(in, steadyMs()));
      if (quiet) pacer.startedAfterQuiet();
    }
    if (pending.isEmpty() || pacer.waitUs() > 0) continue;
    const qsizetype chunk = pacer.chunk(pending.size());
    client.write(pending.constData(), chunk);
    client.waitForBytesWritten(kFlushWaitMs);
    pending.remove(0, chunk);
    pacer.sent(chunk);
  }
}

}  // namespace orbisk::sim
