#include "link_fixture.h"

#include "sim/sample_config.h"

namespace orbisk::test {

LinkFixture::LinkFixture() {
  state.portName = QStringLiteral("/dev/fake0");
  engine.setClock(ClockBytes{0x30, 0x15, 0x10, 0x24, 0x06, 0x21}, 0);  // 24.06.21 10:15:30
  receiver = std::make_unique<Receiver>(state, state, prompter, ui, line.factory(), clock, [this] {
    ++pumps;
    if (onPump) onPump();
  });
}

void LinkFixture::loadSample() {
  sim::buildSample(engine.memory());
  sim::SlotTypes types{};
  sim::parseChannelTypes(sim::kSampleChannelTypes, types);
  engine.setChannelTypes(types);
}

}  // namespace orbisk::test
