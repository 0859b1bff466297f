// Writing the whole configuration to the receiver.
#include <algorithm>
#include <cstring>

#include "core/link/clock_text.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/link/transfer_progress.h"
#include "core/link/protocol.h"

namespace orbisk {
namespace {

using namespace proto;

QString writeFailureText(LinkOutcome o) {
  if (o == LinkOutcome::NoAnswer) return text::LinkTexts::notConnected();
  if (o == LinkOutcome::Refused) return text::LinkTexts::receiverWriteFailed();
  return {};
}

}  // namespace

bool Receiver::emptyWriteConfirmed() {
  return doc_.expanderCount != 0 || prompter_.ask(text::LinkTexts::emptyListQuestion(), false) == Answer::Yes;
}

bool Receiver::guardedWrite() {
  if (session_.busy) return false;
  if (!emptyWriteConfirmed()) return false;
  return wrdump2();
}

bool Receiver::wrdump2() {
  if (session_.busy) return false;
  // A count above the table's room would send whatever lies behind the slot's 200 records.
  std::array<uint8_t, kSlotCount> counts{};
  for (int s = 0; s < kSlotCount; ++s)
    counts[static_cast<size_t>(s)] = static_cast<uint8_t>(std::min(doc_.image.phoneCount(s), kMaxPhones));
  done_ = 0;
  total_ = writeStreamBytes(doc_.image);
  const Conversation c{kGreetWrite, text::LinkTexts::writeOpening(), text::LinkTexts::writeDone(), false,
                       writeFailureText};
  return converse(c, [&] { return writeBody(counts); });
}

bool Receiver::writeBody(const std::array<uint8_t, kSlotCount>& counts) {
  ConfigImage& img = doc_.image;
  uint8_t* tx = link_.transmit();
  const ClockBytes stamp = packClock(link_.clock().pcNow());
  std::copy(stamp.begin(), stamp.end(), img.data() + off::kClock);

  link_.delay1(kPause);
  tx[0] = kWholeImage;
  link_.wrport(tx, 1);
  link_.wrport(img.data() + off::kClock, off::kClockSize);
  moved(1 + off::kClockSize);
  progrbar(60);
  link_.delay1(kPause);
  link_.wrport(img.data() + off::kSettings, off::kSettingsSize);
  moved(off::kSettingsSize);
  link_.delay1(kPause);

  for (int s = 0; s < kSlotCount; ++s)
    if (!writeSlot(s, counts[static_cast<size_t>(s)])) return false;

  link_.delay1(kPause);
  if (!link_.vvod(img.data() + off::kSims, off::kSimsSize, kAckTimeout)) return false;
  moved(off::kSimsSize);
  tx[0] = kCommit;
  if (!link_.vvod(tx, 1, kAckTimeout)) return false;
  moved(1);
  showSameTime();
  return true;
}

bool Receiver::writeSlot(int slot, int count) {
  uint8_t* tx = link_.transmit();
  tx[0] = static_cast<uint8_t>(slot);
  tx[1] = static_cast<uint8_t>(count);
  link_.wrport(tx, 2);
  moved(2);
  link_.delay1(kPause);
  progrbar(60 + slot);
  for (int i = 0; i < count; ++i) {
    if (!link_.vvod(doc_.image.record(slot, i), kRecordSize, kAckTimeout)) return false;
    moved(kRecordSize);
  }
  return true;
}

// After a write or a clock setting both labels show the same PC time.
void Receiver::showSameTime() {
  const QString now = pcClockText(link_.clock().pcNow());
  ui_.setTimeLabels(now + text::LinkTexts::receiverSuffix(), now + text::LinkTexts::computerSuffix());
}

}  // namespace orbisk
