// The replies to the write, clock, event-buffer and memory-test conversations. The first byte
// picks the conversation; then each reply is a length byte and that many bytes, released by
// the link's next write. A failed write or command never changes the configuration.
#include <cstring>
#include <memory>

#include "fuzz_check.h"
#include "link_rig.h"

using namespace orbisk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<QByteArray> replies;
  for (size_t at = 1; at < size;) {
    const size_t n = std::min<size_t>(data[at], size - at - 1);
    replies.emplace_back(reinterpret_cast<const char*>(data + at + 1), static_cast<qsizetype>(n));
    at += n + 1;
  }
  fuzz::LinkRig rig(std::move(replies));
  MainState& st = *rig.state;
  st.image.setMask(0x0003);
  st.image.setPhoneCount(0, 2);
  st.image.setPhoneCount(1, 1);
  st.image[off::kExpanderCount] = 2;
  const auto before = std::make_unique<ConfigImage>(st.image);

  switch (data[0] % 6) {
    case 0: rig.receiver->wrdump2(); break;
    case 1: rig.receiver->rddump1(); break;
    case 2: rig.receiver->wrdump1(); break;
    case 3: rig.receiver->clearEventBuffer(); break;
    case 4: rig.receiver->memoryTestStep1(); break;
    default: rig.receiver->memoryTestStep2(); break;
  }
  // The write and the clock setting stamp the PC clock (and the signature) into bytes 0..6;
  // nothing else moves, whatever the receiver answered.
  auto after = std::make_unique<ConfigImage>(st.image);
  std::memcpy(after->data(), before->data(), off::kExpanderCount);
  FUZZ_CHECK(*after == *before);
  FUZZ_CHECK(!st.busy);
  return 0;
}
