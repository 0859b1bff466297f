// Port names that reach a receiver through a serial-device server on the network:
// tcp://HOST:PORT (the server's raw TCP port) and rfc2217://HOST:PORT (telnet with the
// COM-PORT-OPTION, so the server's line is set from here).
#pragma once

#include <QString>
#include <cstdint>

namespace orbisk {

enum class RemoteKind { Raw, Rfc2217 };

struct RemotePortName {
  RemoteKind kind = RemoteKind::Raw;
  QString host;  // a name or an address, IPv6 without its brackets
  uint16_t port = 0;
};

// True when name asks for a network port at all (it starts with "tcp://" or "rfc2217://").
bool isRemotePortName(const QString& name);
// False when the name is not of the form SCHEME://HOST:PORT with a port from 1 to 65535.
bool parseRemotePortName(const QString& name, RemotePortName& out);

}  // namespace orbisk
