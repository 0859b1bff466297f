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
  void close() override;

 private:
  bool applyLineSettings();
  QSerialPort port_;
};

// The factory the desktop program and the command-line tool hand to the link.
PortFactory qtPortFactory();

}  // namespace orbisk
