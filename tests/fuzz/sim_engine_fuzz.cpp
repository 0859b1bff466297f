// The simulated receiver fed arbitrary host bytes at arbitrary times. Each input byte pair is a
// time step (0..255 ms, or a long pause) and a byte; the faults come from the first byte.
#include <memory>

#include "fuzz_check.h"
#include "sim/receiver_engine.h"
#include "sim/sample_config.h"

using namespace orbisk;

namespace {

// One engine a process: a fresh one makes and clears two 128 KB images, more than most inputs
// cost. Its memory goes back to the sample only after an input wrote into it.
struct EngineRig {
  EngineRig() {
    sim::buildSample(*sample);
    engine.memory() = *sample;
  }
  sim::ReceiverEngine& start() {
    if (engine.writesTaken() != 0) engine.memory() = *sample;
    engine.restart();
    return engine;
  }
  std::unique_ptr<ConfigImage> sample = std::make_unique<ConfigImage>();
  sim::ReceiverEngine engine;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static EngineRig rig;
  sim::ReceiverEngine& engine = rig.start();
  engine.faults().refuse = data[0] & 1;
  engine.faults().refuseAfter = data[0] >> 4;
  engine.faults().answerOnTry = ((data[0] >> 1) & 3) + 1;
  uint32_t now = 1000;
  for (size_t i = 1; i + 1 < size; i += 2) {
    now += data[i] == 255 ? 20000 : data[i];
    const uint8_t b = data[i + 1];
    const QByteArray out = engine.feed(&b, 1, now);
    FUZZ_CHECK(out.size() <= 8 + 6 + 8 + kSlotCount * (2 + kTableSize) + 128 + 16 + 9);
  }
  for (int s = 0; s < kSlotCount; ++s) FUZZ_CHECK(engine.memory().phoneCount(s) <= kMaxPhones);
  // Nothing is taken over but through a whole write closed with "K".
  if (engine.writesTaken() == 0) FUZZ_CHECK(engine.memory() == *rig.sample);
  return 0;
}
