// Links the core and the simulator's engine and nothing else; CTest then looks at what the
// program needs at run time: no Qt Gui and no Qt Widgets.
#include <cstdio>

#include "core/image/config_image.h"
#include "core/link/receiver.h"
#include "sim/receiver_engine.h"

int main() {
  orbisk::sim::ReceiverEngine engine;
  orbisk::ConfigImage img;
  img.resetStartup();
  std::printf("%d %d\n", img.hasSignature() ? 1 : 0, engine.memory().hasSignature() ? 1 : 0);
  return 0;
}
