// What a port that takes time to open (a network port) needs from whoever made it.
#pragma once

#include <QString>
#include <functional>

#include "core/link/serial_port.h"

namespace orbisk {

struct PortHooks {
  // Called between short waits while a connection is made or written bytes go out on the
  // server's line, so the window keeps repainting; may be empty.
  EventPump pump;
  // True once the operator stopped the conversation: a connection still being made is given up.
  std::function<bool()> cancelled;
  // Why a port could not be opened, or why it went away, in words (for the status bar, a
  // tool-tip or standard error). Called on the thread that runs the conversation.
  std::function<void(const QString& port, const QString& cause)> failed;
};

}  // namespace orbisk
