// The two raw bytes of a slot header as they go over the wire.
#pragma once

#include <QByteArray>

namespace orbisk::test {

// Appended one by one: a braced pair would pick QByteArray's (size, fill) constructor.
inline QByteArray slotHeader(int slot, int count) {
  QByteArray h;
  h.append(static_cast<char>(slot));
  h.append(static_cast<char>(count));
  return h;
}

}  // namespace orbisk::test
