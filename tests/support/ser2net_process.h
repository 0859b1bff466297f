// Debian's ser2net, started for a test in front of a device (halvorn-sim's pseudo-terminal) on
// loopback ports of its own: a raw TCP accepter and a telnet accepter with RFC 2217.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace orbisk::test {

class Ser2NetProcess {
 public:
  static QString binary();  // empty when ser2net is not installed
  ~Ser2NetProcess();
  // line is what the server sets on the device when a client connects, e.g. "1200n81".
  bool start(const QString& device, const QString& line = QStringLiteral("1200n81"));
  QString rawPort() const;      // tcp://127.0.0.1:N
  QString rfc2217Port() const;  // rfc2217://127.0.0.1:M
  // Ends the server at once, as a device server that lost power would drop its connections.
  void kill();

 private:
  bool listening(quint16 port) const;
  QTemporaryDir dir_;
  QProcess process_;
  quint16 raw_ = 0;
  quint16 rfc_ = 0;
};

// A loopback port nothing listens on right now.
quint16 freeLoopbackPort();

}  // namespace orbisk::test
