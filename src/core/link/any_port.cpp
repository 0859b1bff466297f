#include "core/link/any_port.h"

#include "core/link/qt_serial_port.h"
#include "core/link/remote_port_name.h"
#include "core/link/tcp_serial_port.h"

namespace orbisk {

PortOpen AnyPort::open(const QString& name) {
  close();
  // Made here, on the thread that runs the conversation, which is the one its socket needs.
  if (isRemotePortName(name)) port_ = std::make_unique<TcpSerialPort>(hooks_);
  else port_ = std::make_unique<QtSerialPort>();
  return port_->open(name);
}

void AnyPort::purge() {
  if (port_) port_->purge();
}

bool AnyPort::write(const uint8_t* bytes, int n) { return port_ && port_->write(bytes, n); }

bool AnyPort::readByte(uint8_t& byte) { return port_ && port_->readByte(byte); }

int AnyPort::readSome(uint8_t* into, int max) { return port_ ? port_->readSome(into, max) : 0; }

void AnyPort::close() {
  if (port_) port_->close();
}

bool AnyPort::vanished() const { return port_ && port_->vanished(); }

PortFactory anyPortFactory(PortHooks hooks) {
  return [hooks] { return std::make_unique<AnyPort>(hooks); };
}

}  // namespace orbisk
