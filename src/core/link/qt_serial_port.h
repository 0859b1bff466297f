// The real serial port, over Qt SerialPort.
#pragma once

#include <QSerialPort>

#include "core/link/serial_port.h"

namespace orbisk {

class QtSerialPort : public SerialPort {
 public:
  PortOpen open(const QString& name) override;
  void purge() override;
  bool write(const uint8_t* bytes, int n) override;
  bool readByte(uint8_t& byte) override;
  int readSome(uint8_t* into, int max) override;
  void close() override;
  bool vanished() const override { return gone_; }

 private:
  bool applyLineSettings();
  // Takes the port's error after a failed call: a time-out is a quiet line, the rest mean the
  // device is gone. Qt's errors are sticky, so the next call starts clean.
  void takeError();
  QSerialPort port_;
  bool gone_ = false;
};

// The factory the desktop program and the command-line tool hand to the link.
PortFactory qtPortFactory();

}  // namespace orbisk
