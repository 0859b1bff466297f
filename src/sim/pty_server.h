// Serves the simulated receiver on a pseudo-terminal whose other end a serial-port client opens.
#pragma once

#include <QString>
#include <atomic>

#include "sim/receiver_engine.h"
#include "sim/serve_options.h"

namespace orbisk::sim {

class PtyServer {
 public:
  PtyServer() = default;
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;
  ~PtyServer();

  bool open(QString& error);
  // The device path the client opens as its port.
  QString slavePath() const { return slave_; }
  // A stable name for the device; removed again when the server ends.
  bool makeLink(const QString& path, QString& error);
  // Answers the client until stop is set. Each time the client closes the port the engine
  // forgets its conversation and unsent replies are dropped.
  void serve(ReceiverEngine& engine, const ServeOptions& options, const std::atomic<bool>& stop);

 private:
  int master_ = -1;
  QString slave_;
  QString link_;
};

}  // namespace orbisk::sim
