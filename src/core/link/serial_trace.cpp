#include "core/link/serial_trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orbisk {
namespace {

constexpr int kBytesPerLine = 32;  // a telephone record to a line
constexpr qsizetype kFlushAt = 1 << 20;

}  // namespace

SerialTrace::~SerialTrace() {
  endRun();
  flush();
}

QString SerialTrace::hexText(const QByteArray& bytes) {
  QString s;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (i) s += u' ';
    s += QStringLiteral("%1").arg(static_cast<uint8_t>(bytes[i]), 2, 16, QChar(u'0')).toUpper();
  }
  return s;
}

QString SerialTrace::asciiText(const QByteArray& bytes) {
  QString s;
  for (char c : bytes) s += (c >= 0x20 && c < 0x7F) ? QChar(QLatin1Char(c)) : QChar(u'.');
  return s;
}

void SerialTrace::event(uint32_t atMs, const QString& text) {
  const double seconds = static_cast<double>(atMs - openedAt_) / 1000.0;
  pending_ += QString::asprintf("%7.3f ", seconds).toUtf8() + text.toUtf8() + '\n';
  if (pending_.size() >= kFlushAt) flush();
}

void SerialTrace::bytesLine(uint32_t atMs, const char* direction, const QByteArray& bytes) {
  for (qsizetype at = 0; at < bytes.size(); at += kBytesPerLine) {
    const QByteArray part = bytes.mid(at, kBytesPerLine);
    event(atMs, QLatin1String(direction) + u' ' + hexText(part) + QStringLiteral("  ") + asciiText(part));
  }
}

void SerialTrace::endRun() {
  if (run_.isEmpty()) return;
  bytesLine(runAt_, "RX", run_);
  run_.clear();
}

void SerialTrace::opened(const QString& port, bool ok, uint32_t nowMs, const QString& pcTime) {
  endRun();
  openedAt_ = nowMs;
  event(nowMs, QStringLiteral("open ") + port + (ok ? QString() : QStringLiteral(" failed")) +
                   QStringLiteral(" (") + pcTime + u')');
}

void SerialTrace::closed(uint32_t nowMs) {
  endRun();
  event(nowMs, QStringLiteral("close"));
  flush();
}

void SerialTrace::purged(uint32_t nowMs) {
  endRun();
  event(nowMs, QStringLiteral("purge"));
}

void SerialTrace::sent(const uint8_t* bytes, int n, uint32_t nowMs) {
  endRun();
  bytesLine(nowMs, "TX", QByteArray(reinterpret_cast<const char*>(bytes), n));
}

void SerialTrace::received(uint8_t byte, uint32_t nowMs) {
  if (run_.isEmpty()) runAt_ = nowMs;
  run_.append(static_cast<char>(byte));
  if (run_.size() == kBytesPerLine) endRun();
}

void SerialTrace::quiet() { endRun(); }

void SerialTrace::pause(int ms, uint32_t nowMs) {
  endRun();
  event(nowMs, QStringLiteral("pause %1 ms").arg(ms));
}

void SerialTrace::timedOut(uint32_t nowMs) {
  endRun();
  event(nowMs, QStringLiteral("time-out"));
}

void SerialTrace::note(const QString& what, uint32_t nowMs) {
  endRun();
  event(nowMs, what);
}

void SerialTrace::flush() {
  if (pending_.isEmpty()) return;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QFile f(path_);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append) || f.write(pending_) != pending_.size()) healthy_ = false;
  pending_.clear();
}

}  // namespace orbisk
