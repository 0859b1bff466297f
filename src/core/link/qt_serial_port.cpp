#include "core/link/qt_serial_port.h"

#include <QElapsedTimer>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace orbisk {
namespace {

constexpr int kByteWaitMs = 10;
// 1200 baud moves about 120 bytes a second; allow that twice over plus a margin.
int writeWaitMs(int n) { return 1000 + n * 20; }

}  // namespace

PortOpen QtSerialPort::open(const QString& name) {
  gone_ = false;
  if (name.isEmpty()) return PortOpen::Busy;
  port_.setPortName(name);
  if (!port_.open(QIODevice::ReadWrite)) return PortOpen::Busy;
  return applyLineSettings() ? PortOpen::Ok : PortOpen::SettingsRefused;
}

bool QtSerialPort::applyLineSettings() {
  const bool ok = port_.setBaudRate(QSerialPort::Baud1200) && port_.setDataBits(QSerialPort::Data8) &&
                  port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
                  port_.setFlowControl(QSerialPort::NoFlowControl);
  // A pseudo-terminal has no modem lines: these fail there and the line still works.
  port_.setDataTerminalReady(false);
  port_.setRequestToSend(false);
  port_.clearError();
  return ok;
}

void QtSerialPort::purge() {
  // Only the receive side: every write has already drained, and flushing the output of a
  // pseudo-terminal would reach into the other end's input and drop bytes we just sent.
  port_.clear(QSerialPort::Input);
  port_.clearError();
}

void QtSerialPort::takeError() {
  const QSerialPort::SerialPortError e = port_.error();
  if (e != QSerialPort::NoError && e != QSerialPort::TimeoutError && e != QSerialPort::UnsupportedOperationError)
    gone_ = true;
  port_.clearError();
}

bool QtSerialPort::write(const uint8_t* bytes, int n) {
  if (n <= 0) return true;
  if (gone_) return false;
  if (port_.write(reinterpret_cast<const char*>(bytes), n) != n) {
    takeError();
    return false;
  }
  while (port_.bytesToWrite() > 0) {
    if (!port_.waitForBytesWritten(writeWaitMs(n))) {
      takeError();
      return false;
    }
  }
#ifdef Q_OS_UNIX
  // Like a synchronous write on the original platform: return once the bytes are on the line.
  tcdrain(static_cast<int>(port_.handle()));
#endif
  return true;
}

bool QtSerialPort::readByte(uint8_t& byte) { return readSome(&byte, 1) == 1; }

int QtSerialPort::readSome(uint8_t* into, int max) {
  if (max <= 0) return 0;
  if (port_.bytesAvailable() == 0) {
    QElapsedTimer waited;
    waited.start();
    if (gone_ || !port_.waitForReadyRead(kByteWaitMs)) {
      takeError();
      // A wait that returned at once (a device that is gone answers every wait at once) must
      // not turn the caller's polling into a spinning core: sleep for the rest of it.
      const qint64 left = kByteWaitMs - waited.elapsed();
      if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
      return 0;
    }
  }
  const qint64 got = port_.read(reinterpret_cast<char*>(into), max);
  if (got <= 0) {
    takeError();
    return 0;
  }
  return static_cast<int>(got);
}

void QtSerialPort::close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

PortFactory qtPortFactory() {
  return [] { return std::make_unique<QtSerialPort>(); };
}

}  // namespace orbisk
