// The port every conversation opens: chosen by its name when it is opened, a network port for
// tcp:// and rfc2217:// names, the local serial device for every other name.
#pragma once

#include <memory>

#include "core/link/port_hooks.h"

namespace orbisk {

class AnyPort : public SerialPort {
 public:
  explicit AnyPort(PortHooks hooks = {}) : hooks_(std::move(hooks)) {}
  PortOpen open(const QString& name) override;
  void purge() override;
  bool write(const uint8_t* bytes, int n) override;
  bool readByte(uint8_t& byte) override;
  int readSome(uint8_t* into, int max) override;
  void close() override;
  bool vanished() const override;

 private:
  PortHooks hooks_;
  std::unique_ptr<SerialPort> port_;
};

// The factory the desktop program and the command-line tool hand to the link.
PortFactory anyPortFactory(PortHooks hooks = {});

}  // namespace orbisk
