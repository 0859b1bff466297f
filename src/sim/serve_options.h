// How the simulator answers on whichever line it serves.
#pragma once

#include <QString>

namespace orbisk::sim {

struct ServeOptions {
  bool paced = false;       // send at the real line speed
  int byteTimeUs = 8334;    // 1200 baud, 10 bits a byte
  QString receivedLog;      // every byte the client sends is appended here (for tests)
};

}  // namespace orbisk::sim
