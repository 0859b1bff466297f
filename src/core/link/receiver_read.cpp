// Reading the whole configuration from the receiver.
#include <algorithm>
#include <cstring>

#include "core/image/cp1251.h"
#include "core/link/clock_text.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/link/protocol.h"

namespace orbisk {
namespace {

using namespace proto;

// Everything but silence before the greeting's answer: a refusal, a stage that did not arrive, no receiver.
QString readFailureText(LinkOutcome o) {
  return o == LinkOutcome::Refused || isReadStageFailure(o) || o == LinkOutcome::NoReceiver
             ? text::LinkTexts::readFailed()
             : QString();
}

QString modelDigits(const ConfigImage& img) { return zeroEndedText(img.data() + off::kModel, off::kModelSize); }

}  // namespace

QString modelTextFor(const ChannelTypes& types, const ConfigImage& img) {
  if (isLineChannel(types[0])) return text::LinkTexts::tessalyPrefix() + modelDigits(img);
  if (isLineChannel(types[1])) return text::LinkTexts::tessalyPaired();
  return text::LinkTexts::halvornPrefix() + modelDigits(img);
}

bool Receiver::readScratch(ChannelTypes& types) {
  // Cleared for every read: what the receiver does not send reads as zero.
  ConfigImage& fresh = *scratch_;
  std::memset(fresh.data(), 0, kImageSize);
  types = {};
  const Conversation c{kGreetRead, text::LinkTexts::readOpening(), text::LinkTexts::readDone(), true, readFailureText};
  return converse(c, [&] { return readBody(fresh, types); }) && link_.outcome() == LinkOutcome::Ok;
}

bool Receiver::readInto(ConfigImage& out, ChannelTypes& types) {
  // The read lands in the scratch image; a failure part-way leaves out as it was.
  ChannelTypes got{};
  if (!readScratch(got)) return false;
  out = *scratch_;
  types = got;
  return true;
}

bool Receiver::rddump2() {
  ChannelTypes types{};
  if (!readScratch(types)) return false;
  // Bytes 0..6 stay: the receiver's clock is only shown.
  std::memcpy(doc_.image.data() + off::kExpanderCount, scratch_->data() + off::kExpanderCount,
              kImageSize - off::kExpanderCount);
  doc_.channelTypes = types;
  doc_.modelText = modelTextFor(types, doc_.image);
  ui_.refreshViews();
  return true;
}

bool Receiver::readBody(ConfigImage& fresh, ChannelTypes& types) {
  uint8_t* tx = link_.transmit();
  const uint8_t* rx = link_.received();
  link_.delay1(kPause);
  tx[0] = kWholeImage;
  link_.wrport(tx, 1);
  done_ = 0;
  total_ = kFixedReadBytes;
  for (int expected : estimate_) total_ += static_cast<long>(expected) * kRecordSize;
  estimating_ = true;
  facts_ = ReadFacts{};

  if (!block(off::kClockSize, kBlockTimeout, LinkOutcome::ClockMissing)) return false;
  ui_.setTimeLabels(receiverClockText(rx) + text::LinkTexts::receiverSuffix(),
                    pcClockText(link_.clock().pcNow()) + text::LinkTexts::computerSuffix());

  if (!block(off::kSettingsSize, kBlockTimeout, LinkOutcome::SettingsMissing)) return false;
  std::memcpy(fresh.data() + off::kSettings, rx, off::kSettingsSize);
  fresh[off::kExpanderCount] = static_cast<uint8_t>(popcount16(fresh.mask()));

  for (int s = 0; s < kSlotCount; ++s) {
    if (!readSlot(fresh, s)) return false;
    progrbar(60 + s);
  }

  if (!block(off::kSimsSize, kLongBlockTimeout, LinkOutcome::SimsMissing)) return false;
  std::memcpy(fresh.data() + off::kSims, rx, off::kSimsSize);
  if (!block(kSlotCount, kLongBlockTimeout, LinkOutcome::ChannelTypesMissing)) return false;
  std::copy(rx, rx + kSlotCount, types.begin());
  if (!block(off::kIdentitySize, kBlockTimeout, LinkOutcome::IdentityMissing)) return false;
  std::memcpy(fresh.data() + off::kIdentity, rx, off::kIdentitySize);
  facts_.trailingBytes = link_.drain(kListenTimeout);
  return true;
}

bool Receiver::readSlot(ConfigImage& fresh, int slot) {
  const uint8_t* rx = link_.received();
  if (!block(kHeaderSize, kBlockTimeout, LinkOutcome::HeaderMissing)) return false;
  if (rx[0] != slot) {
    link_.setOutcome(LinkOutcome::WrongSlot);
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
    if (!block(kRecordSize, kBlockTimeout, LinkOutcome::RecordMissing)) return false;
    if (i < kMaxPhones) std::memcpy(fresh.record(slot, i), rx, kRecordSize);
  }
  return true;
}

}  // namespace orbisk
