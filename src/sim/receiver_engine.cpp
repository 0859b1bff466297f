#include "sim/receiver_engine.h"

#include "core/link/protocol.h"

#include <algorithm>
#include <cstring>

namespace orbisk::sim {
namespace {

using namespace proto;

// A memory cell that does not keep what it was given: the last comment byte of the first record.
void flipFirstRecord(ConfigImage& img) {
  for (int s = 0; s < kSlotCount; ++s) {
    if (img.phoneCount(s) == 0) continue;
    img.record(s, 0)[kRecordSize - 1] ^= 0x40;
    return;
  }
}

}  // namespace

ReceiverEngine::ReceiverEngine()
    : memory_(std::make_unique<ConfigImage>()), pending_(std::make_unique<ConfigImage>()) {}

ReceiverEngine::ReceiverEngine(std::unique_ptr<ConfigImage> memory, std::unique_ptr<ConfigImage> pending)
    : memory_(std::move(memory)), pending_(std::move(pending)) {}

ReceiverEngine::~ReceiverEngine() = default;
ReceiverEngine& ReceiverEngine::operator=(ReceiverEngine&&) noexcept = default;

void ReceiverEngine::restart() { *this = ReceiverEngine(std::move(memory_), std::move(pending_)); }

QByteArray ReceiverEngine::feed(const QByteArray& bytes, uint32_t nowMs) {
  return feed(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<int>(bytes.size()), nowMs);
}

QByteArray ReceiverEngine::feed(const uint8_t* bytes, int n, uint32_t nowMs) {
  out_.clear();
  if (faults_.silent || n <= 0) return out_;
  now_ = nowMs;
  // The PC sends every block in one go, so a pause inside one means it gave up on the
  // conversation. Pauses between blocks are normal, of any length (the PC's own waits run up
  // to 10 s): no limit applies there. A greeting that lands there is taken as the start of a
  // block and the PC's retry a second later is then in a pause.
  if (!acc_.isEmpty() && resyncGapMs_ != 0 && nowMs - lastByteAt_ > resyncGapMs_) resync();
  for (int i = 0; i < n; ++i) onByte(bytes[i]);
  lastByteAt_ = nowMs;
  return out_;
}

void ReceiverEngine::reset() {
  resync();
  // Greetings are counted per conversation, and a dropped line ends one.
  greetingTries_ = 0;
}

void ReceiverEngine::resync() {
  state_ = State::Idle;
  acc_.clear();
  need_ = 0;
}

void ReceiverEngine::onByte(uint8_t b) {
  switch (state_) {
    case State::Idle: onIdle(b); break;
    case State::AtLine: onAtLine(b); break;
    case State::GreetedR: onGreetedR(b); break;
    case State::GreetedP: onGreetedP(b); break;
    case State::Incoming: onIncoming(b); break;
    case State::AwaitK: onAwaitK(b); break;
  }
}

// "R" and "P" start a conversation wherever a command byte is expected.
bool ReceiverEngine::onGreeting(uint8_t b) {
  if (b != kGreetRead && b != kGreetWrite) return false;
  // Leftovers of the last block would make the pause after this greeting look like a
  // conversation given up halfway.
  resync();
  if (++greetingTries_ < faults_.answerOnTry) return true;
  greetingTries_ = 0;
  acks_ = 0;
  out_.append(kAckLine);
  state_ = b == kGreetRead ? State::GreetedR : State::GreetedP;
  return true;
}

void ReceiverEngine::onIdle(uint8_t b) {
  if (onGreeting(b)) return;
  if (b == static_cast<uint8_t>(kMemoryPrefix[0])) {
    acc_ = QByteArray(1, kMemoryPrefix[0]);
    state_ = State::AtLine;
  }
}

void ReceiverEngine::onAtLine(uint8_t b) {
  const int at = static_cast<int>(acc_.size());
  const bool fits = at < 4 ? b == static_cast<uint8_t>(kMemoryPrefix[at]) : at == 4 ? (b >= '0' && b <= '9') : b == '\r';
  if (!fits) {
    resync();
    onIdle(b);
    return;
  }
  acc_.append(static_cast<char>(b));
  if (acc_.size() == kMemoryCommandSize) runAtCommand();
}

void ReceiverEngine::runAtCommand() {
  const char which = acc_.at(4);
  resync();
  if (which == '1') {
    events_ = 0;  // the test values take the event buffer's room
    testValues_ = true;
    ack();
  } else if (which == '2') {
    if (faults_.faultyMemory || !testValues_) out_.append(static_cast<char>(kRefusal));
    else ack();
  }
}

void ReceiverEngine::onGreetedR(uint8_t b) {
  if (onGreeting(b)) return;
  state_ = State::Idle;
  if (b == kWholeImage) out_.append(readStream());
  else if (b == kClock) out_.append(clockReply());
}

void ReceiverEngine::onGreetedP(uint8_t b) {
  if (onGreeting(b)) return;
  state_ = State::Idle;
  if (b == kWholeImage) {
    *pending_ = *memory_;
    expect(Part::Clock, off::kClockSize);
  } else if (b == kClock) {
    expect(Part::SetClock, off::kClockSize);
  } else if (b == kClearEvents) {
    if (ack()) events_ = 0;
  }
}

void ReceiverEngine::expect(Part part, int size) {
  state_ = State::Incoming;
  part_ = part;
  need_ = size;
  acc_.clear();
}

void ReceiverEngine::onIncoming(uint8_t b) {
  acc_.append(static_cast<char>(b));
  if (acc_.size() == need_) finishPart();
}

void ReceiverEngine::finishPart() {
  const auto* p = reinterpret_cast<const uint8_t*>(acc_.constData());
  switch (part_) {
    case Part::Clock:
      std::copy(p, p + off::kClockSize, pendingClock_.begin());
      expect(Part::Settings, off::kSettingsSize);
      break;
    case Part::Settings:
      std::memcpy(pending_->data() + off::kSettings, p, off::kSettingsSize);
      slot_ = 0;
      expect(Part::Header, kHeaderSize);
      break;
    case Part::Header: finishHeader(); break;
    case Part::Record: finishRecord(); break;
    case Part::Sims:
      std::memcpy(pending_->data() + off::kSims, p, off::kSimsSize);
      // The block is done: the wait for "K" is a pause between blocks, however long it takes.
      acc_.clear();
      if (ack()) state_ = State::AwaitK;
      break;
    case Part::SetClock: {
      ClockBytes c{};
      std::copy(p, p + off::kClockSize, c.begin());
      resync();
      if (ack()) setClock(c, now_);
      break;
    }
  }
}

void ReceiverEngine::finishHeader() {
  if (static_cast<uint8_t>(acc_.at(0)) != slot_) {
    resync();  // out of step: wait for the next greeting
    return;
  }
  count_ = static_cast<uint8_t>(acc_.at(1));
  record_ = 0;
  pending_->setPhoneCount(slot_, std::min(count_, kMaxPhones));
  std::memset(pending_->record(slot_, 0), 0, kTableSize);
  if (count_ == 0) nextSlot();
  else expect(Part::Record, kRecordSize);
}

void ReceiverEngine::finishRecord() {
  if (record_ < kMaxPhones) std::memcpy(pending_->record(slot_, record_), acc_.constData(), kRecordSize);
  ++record_;
  if (!ack()) return;
  if (record_ == count_) nextSlot();
  else expect(Part::Record, kRecordSize);
}

void ReceiverEngine::nextSlot() {
  if (++slot_ == kSlotCount) expect(Part::Sims, off::kSimsSize);
  else expect(Part::Header, kHeaderSize);
}

void ReceiverEngine::onAwaitK(uint8_t b) {
  if (onGreeting(b)) return;
  state_ = State::Idle;
  if (b == kCommit && ack()) commit();
}

// An acknowledgement, or the refusing zero byte that ends the conversation.
bool ReceiverEngine::ack() {
  if (faults_.refuse && acks_ >= faults_.refuseAfter) {
    out_.append(static_cast<char>(kRefusal));
    resync();
    return false;
  }
  ++acks_;
  out_.append(kAckLine);
  return true;
}

void ReceiverEngine::commit() {
  (*pending_)[off::kExpanderCount] = static_cast<uint8_t>(popcount16(pending_->mask()));
  if (faults_.flipStored) flipFirstRecord(*pending_);
  std::copy(pendingClock_.begin(), pendingClock_.end(), pending_->data() + off::kClock);
  *memory_ = *pending_;
  setClock(pendingClock_, now_);
  ++writesTaken_;
  if (onCommit_) onCommit_();
}

}  // namespace orbisk::sim
