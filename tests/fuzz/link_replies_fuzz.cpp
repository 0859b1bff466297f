// The replies to the write, clock, event-buffer and memory-test conversations. The first byte
// picks the conversation; then each reply is a length byte and that many bytes, released by
// the link's next write. A failed write or command never changes the configuration.
#include <algorithm>

#include "fuzz_check.h"
#include "link_rig.h"

using namespace orbisk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<QByteArray> replies;
  for (size_t at = 1; at < size;) {
    const size_t n = std::min<size_t>(data[at], size - at - 1);
    replies.push_back(QByteArray::fromRawData(reinterpret_cast<const char*>(data + at + 1), static_cast<qsizetype>(n)));
    at += n + 1;
  }
  const ConfigImage& before = fuzz::baseImage([](ConfigImage& img) {
    img.resetStartup();
    img.setMask(0x0003);
    img.setPhoneCount(0, 2);
    img.setPhoneCount(1, 1);
    img[off::kExpanderCount] = 2;
  });
  fuzz::LinkRig& rig = fuzz::LinkRig::get();
  test::ConversationState& st = rig.start(std::move(replies), before);

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
  FUZZ_CHECK(std::equal(st.image.data() + off::kExpanderCount, st.image.data() + kImageSize,
                        before.data() + off::kExpanderCount));
  FUZZ_CHECK(!st.busy);
  return 0;
}
