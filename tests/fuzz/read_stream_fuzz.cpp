// The receiver's read stream: the whole read conversation, the greeting answered (first byte
// odd) or left to the input, then the input as everything the receiver sends after "A".
// A failed read leaves the configuration as it was; a successful one stays inside the tables.
#include <algorithm>

#include "fuzz_check.h"
#include "link_rig.h"

using namespace orbisk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // A view of the input: the link reads it in place.
  const QByteArray rest = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  std::vector<QByteArray> replies;
  if (data[0] & 1) replies.push_back(QByteArray("OK\r\n"));
  replies.push_back(rest);
  const ConfigImage& before = fuzz::baseImage([](ConfigImage& img) {
    img.resetStartup();
    img.setMask(0x8001);
    img.setPhoneCount(15, 3);
  });
  fuzz::LinkRig& rig = fuzz::LinkRig::get();
  test::ConversationState& st = rig.start(std::move(replies), before);
  const auto typesBefore = st.channelTypes;

  const bool ok = rig.receiver->rddump2();
  if (!ok) {
    FUZZ_CHECK(st.image == before);
    FUZZ_CHECK(st.channelTypes == typesBefore);
    FUZZ_CHECK(rig.receiver->outcome() != LinkOutcome::Ok);
    return 0;
  }
  for (int s = 0; s < kSlotCount; ++s) FUZZ_CHECK(st.image.phoneCount(s) <= 255);
  FUZZ_CHECK(std::equal(before.data(), before.data() + off::kExpanderCount, st.image.data()));
  return 0;
}
