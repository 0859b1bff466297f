// Serves the simulated receiver on a TCP port, one client at a time, as a serial-to-network
// adapter would: the client's bytes go to the receiver and its replies come back raw. Where no
// pseudo-terminals exist (Windows) this is the simulator's only line.
#pragma once

#include <QString>
#include <QTcpServer>
#include <atomic>

#include "sim/receiver_engine.h"
#include "sim/serve_options.h"

class QTcpSocket;
class QFile;

namespace orbisk::sim {

class TcpServer {
 public:
  // Listens on 127.0.0.1; port 0 takes a free one.
  bool open(quint16 port, QString& error);
  // The name the client opens as its port: tcp://127.0.0.1:PORT.
  QString portName() const;
  // Answers clients until stop is set. A client's leaving ends its conversation, as closing
  // the serial port does.
  void serve(ReceiverEngine& engine, const ServeOptions& options, const std::atomic<bool>& stop);

 private:
  void serveClient(QTcpSocket& client, ReceiverEngine& engine, const ServeOptions& options, QFile& log,
                   const std::atomic<bool>& stop);
  QTcpServer server_;
};

}  // namespace orbisk::sim
