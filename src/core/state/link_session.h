// The port a conversation with the receiver goes through, and whether one is under way.
#pragma once

#include <QString>

namespace orbisk {

inline const QString kDefaultPortName = QStringLiteral("COM1");

struct LinkSession {
  QString portName = kDefaultPortName;
  // The register's receiver chosen for portName; it stands only while the port is still its.
  QString receiverName;
  QString receiverPort;
  QString chosenReceiver() const { return portName == receiverPort ? receiverName : QString(); }
  bool busy = false;
};

}  // namespace orbisk
