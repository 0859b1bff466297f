// The serial port as the receiver conversations see it: open, purge, write, read one byte, close.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace orbisk {

enum class PortOpen {
  Ok,
  Busy,             // absent, or held by another program
  SettingsRefused,  // opened, but the line settings could not be applied
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens by name with the receiver's fixed line: 1200 baud, 8N1, no flow control,
  // DTR and RTS inactive. Modem-line calls that a device cannot do do not fail the open.
  virtual PortOpen open(const QString& name) = 0;
  // Discards whatever the receiver sent that has not been read yet.
  virtual void purge() = 0;
  // Returns once the bytes have left (a synchronous write).
  virtual bool write(const uint8_t* bytes, int n) = 0;
  // Waits at most about 10 ms for one byte; false when none came.
  virtual bool readByte(uint8_t& byte) = 0;
  // The same wait, then as many of the bytes already there as fit in max (at least one when
  // any came); 0 when none came. A block read then costs one call, not one per byte.
  virtual int readSome(uint8_t* into, int max) { return max > 0 && readByte(*into) ? 1 : 0; }
  virtual void close() = 0;
  // The device went away (an adapter pulled, the other end of a pseudo-terminal closed):
  // nothing will come any more, so the conversation ends at once instead of waiting.
  virtual bool vanished() const { return false; }
};

using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

// Lets the window repaint while a conversation waits for bytes; may be empty.
using EventPump = std::function<void()>;

}  // namespace orbisk
