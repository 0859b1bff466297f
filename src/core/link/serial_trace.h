// A record of a conversation for support: every byte sent and received, with the time since the
// port was opened, and a line for each open, close, purge, pause and time-out.
//   "  0.512 TX 41  A"    "  0.534 RX 4F 4B 0D 0A  OK.."
// Lines are kept in memory and written when the port closes, so tracing costs the line nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace orbisk {

class SerialTrace {
 public:
  // Appends to path; each conversation starts with its open line.
  explicit SerialTrace(QString path) : path_(std::move(path)) {}
  ~SerialTrace();
  const QString& path() const { return path_; }

  void opened(const QString& port, bool ok, uint32_t nowMs, const QString& pcTime);
  void closed(uint32_t nowMs);
  void purged(uint32_t nowMs);
  void sent(const uint8_t* bytes, int n, uint32_t nowMs);
  void received(uint8_t byte, uint32_t nowMs);
  // A byte wait that brought nothing: the run of received bytes ends there.
  void quiet();
  void pause(int ms, uint32_t nowMs);
  void timedOut(uint32_t nowMs);
  void note(const QString& what, uint32_t nowMs);
  // False once a write to the file failed.
  bool healthy() const { return healthy_; }

  // "41 4F 0D" and "AO." of some bytes: upper-case hex, printable ASCII with "." for the rest.
  static QString hexText(const QByteArray& bytes);
  static QString asciiText(const QByteArray& bytes);

 private:
  void event(uint32_t atMs, const QString& text);
  void bytesLine(uint32_t atMs, const char* direction, const QByteArray& bytes);
  void endRun();
  void flush();

  QString path_;
  QByteArray pending_;  // lines not yet in the file
  uint32_t openedAt_ = 0;
  QByteArray run_;      // received bytes of the current run
  uint32_t runAt_ = 0;
  bool healthy_ = true;
};

}  // namespace orbisk
