// A receiver behind a serial-device server: the server's raw TCP port (tcp://HOST:PORT) or its
// telnet port with RFC 2217 (rfc2217://HOST:PORT), which also sets the server's line to 1200 8N1.
// Made and used on the thread that runs the conversation; Qt Network underneath.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <functional>
#include <memory>

#include "core/link/port_hooks.h"
#include "core/link/remote_port_name.h"
#include "core/link/telnet_codec.h"

class QTcpSocket;

namespace orbisk {

class TcpSerialPort : public SerialPort {
 public:
  explicit TcpSerialPort(PortHooks hooks = {});
  ~TcpSerialPort() override;
  PortOpen open(const QString& name) override;
  void purge() override;
  bool write(const uint8_t* bytes, int n) override;
  bool readByte(uint8_t& byte) override;
  int readSome(uint8_t* into, int max) override;
  void close() override;
  // Gone once the connection closed and every byte that came before has been read.
  bool vanished() const override { return gone_ && rxPos_ >= rx_.size(); }

 private:
  bool connectTo(const RemotePortName& address);
  QString connectFailure() const;
  // The RFC 2217 part of opening: the option agreed, the line set and confirmed.
  PortOpen setLine();
  bool confirmed(uint8_t command, const QByteArray& value) const;
  // Reads and answers the server until done() holds; false on time-out, cancel or a lost connection.
  bool waitUntil(const std::function<bool()>& done, int limitMs);
  // Takes in what the server has sent, waiting up to waitMs when nothing is there yet.
  void fill(int waitMs);
  bool send(const QByteArray& wire);
  // Returns once written bytes would have left the server's 1200-baud line, as a local port's write does.
  void drainLine(int n);
  void lost();
  // Our end closed first, then a short wait for the server's.
  void awaitServerClose();
  void fail(const QString& cause);
  bool cancelled() const { return hooks_.cancelled && hooks_.cancelled(); }

  PortHooks hooks_;
  QString name_;
  std::unique_ptr<QTcpSocket> socket_;
  std::unique_ptr<telnet::Codec> telnet_;  // none on a raw port
  QByteArray rx_;                          // line bytes not read yet, from rxPos_ on
  qsizetype rxPos_ = 0;
  bool gone_ = false;
  bool told_ = false;  // a cause has been given for this opening
  QElapsedTimer clock_;
  qint64 lineFreeUs_ = 0;  // when the server's line will have sent everything written
};

}  // namespace orbisk
