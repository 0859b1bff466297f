// Reading the whole configuration from the receiver.
#include <algorithm>
#include <cstring>
#include <memory>

#include "core/image/cp1251.h"
#include "core/link/clock_text.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"

namespace orbisk {
namespace {

constexpr int kClockTimeout = 10;
constexpr int kBlockTimeout = 10;
constexpr int kLongBlockTimeout = 100;  // the 128-byte SIM block takes about a second on the line
constexpr int kHeaderSize = 2;
// After the identity block the line must stay quiet: a byte then means the stream was shifted.
constexpr int kListenTimeout = 3;
// Everything but the records: clock, settings, 16 headers, SIM numbers, channel types, identity.
constexpr long kFixedReadBytes =
    off::kClockSize + off::kSettingsSize + kSlotCount * kHeaderSize + off::kSimsSize + kSlotCount + off::kIdentitySize;

QString readFailureText(int code) { return code >= code::kClockMissing ? text::kReadFailed : QString(); }

QString modelDigits(const ConfigImage& img) {
  int n = 0;
  while (n < off::kModelSize && img[off::kModel + n] != 0) ++n;
  return fromCp1251(reinterpret_cast<const char*>(img.data() + off::kModel), n);
}

}  // namespace

QString modelTextFor(const ChannelTypes& types, const ConfigImage& img) {
  if (isLineChannel(types[0])) return text::kTessalyPrefix + modelDigits(img);
  if (isLineChannel(types[1])) return text::kTessalyPaired;
  return text::kHalvornPrefix + modelDigits(img);
}

bool Receiver::readInto(ConfigImage& out, ChannelTypes& types) {
  // The read lands in a fresh image; a failure part-way leaves out as it was.
  auto fresh = std::make_unique<ConfigImage>();
  ChannelTypes got{};
  const Conversation c{'R', text::kReadOpening, text::kReadDone, true, readFailureText};
  const bool ok = converse(c, [&] { return readBody(*fresh, got); }) && state_.resultCode == code::kOk;
  if (!ok) return false;
  out = *fresh;
  types = got;
  return true;
}

bool Receiver::rddump2() {
  auto fresh = std::make_unique<ConfigImage>();
  ChannelTypes types{};
  if (!readInto(*fresh, types)) return false;
  std::memcpy(fresh->data(), state_.image.data(), off::kExpanderCount);  // bytes 0..6 stay
  state_.image = *fresh;
  state_.channelTypes = types;
  state_.modelText = modelTextFor(types, state_.image);
  ui_.refreshViews();
  return true;
}

bool Receiver::readBody(ConfigImage& fresh, ChannelTypes& types) {
  uint8_t* tx = state_.transmit->data();
  const uint8_t* rx = link_.received();
  link_.delay1(50);
  tx[0] = 'A';
  link_.wrport(tx, 1);
  done_ = 0;
  total_ = kFixedReadBytes;
  for (int expected : estimate_) total_ += static_cast<long>(expected) * kRecordSize;
  estimating_ = true;
  facts_ = ReadFacts{};

  if (!block(off::kClockSize, kClockTimeout, code::kClockMissing)) return false;
  ui_.setTimeLabels(receiverClockText(rx) + text::kReceiverSuffix,
                    pcClockText(link_.clock().pcNow()) + text::kComputerSuffix);

  if (!block(off::kSettingsSize, kBlockTimeout, code::kSettingsMissing)) return false;
  std::memcpy(fresh.data() + off::kSettings, rx, off::kSettingsSize);
  fresh[off::kExpanderCount] = static_cast<uint8_t>(popcount16(fresh.mask()));

  for (int s = 0; s < kSlotCount; ++s) {
    if (!readSlot(fresh, s)) return false;
    progrbar(60 + s);
  }

  if (!block(off::kSimsSize, kLongBlockTimeout, code::kSimsMissing)) return false;
  std::memcpy(fresh.data() + off::kSims, rx, off::kSimsSize);
  if (!block(kSlotCount, kLongBlockTimeout, code::kChannelTypesMissing)) return false;
  std::copy(rx, rx + kSlotCount, types.begin());
  if (!block(off::kIdentitySize, kBlockTimeout, code::kIdentityMissing)) return false;
  std::memcpy(fresh.data() + off::kIdentity, rx, off::kIdentitySize);
  facts_.trailingBytes = link_.drain(kListenTimeout);
  return true;
}

bool Receiver::readSlot(ConfigImage& fresh, int slot) {
  const uint8_t* rx = link_.received();
  if (!block(kHeaderSize, kBlockTimeout, code::kHeaderMissing)) return false;
  if (rx[0] != slot) {
    state_.resultCode = code::kWrongSlot;
    return false;
  }
  const int count = rx[1];
  facts_.claimedCounts[static_cast<size_t>(slot)] = count;
  // The header's count replaces the slot's estimate; after the last header the total is true.
  total_ += static_cast<long>(count - estimate_[static_cast<size_t>(slot)]) * kRecordSize;
  if (slot == kSlotCount - 1) estimating_ = false;
  // The table holds 200 records: any beyond are read so the stream stays in step, then dropped.
  fresh.setPhoneCount(slot, std::min(count, kMaxPhones));
  for (int i = 0; i < count; ++i) {
    if (!block(kRecordSize, kBlockTimeout, code::kRecordMissing)) return false;
    if (i < kMaxPhones) std::memcpy(fresh.record(slot, i), rx, kRecordSize);
  }
  return true;
}

}  // namespace orbisk
