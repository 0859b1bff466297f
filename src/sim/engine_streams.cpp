// What the simulated receiver sends: the whole-configuration stream and its clock.
#include <algorithm>
#include <cstring>

#include "sim/receiver_engine.h"

namespace orbisk::sim {
namespace {

// Not BCD in any byte: the PC shows these as letters.
constexpr ClockBytes kBadClock = {0x7A, 0x5F, 0xB3, 0xC1, 0x1D, 0xEE};
constexpr int kOverCount = 255;
constexpr char kFlipBit = 0x40;

void appendBytes(QByteArray& out, const uint8_t* p, int n) { out.append(reinterpret_cast<const char*>(p), n); }

// Records a count above 200 claims; they lie outside any table.
QByteArray extraRecord(int index) {
  QByteArray r(kRecordSize, '\0');
  r[0] = static_cast<char>(0xB0);
  const QByteArray note = "extra " + QByteArray::number(index);
  std::memcpy(r.data() + 16, note.constData(), static_cast<size_t>(std::min<qsizetype>(note.size(), 16)));
  return r;
}

QByteArray padded(const QByteArray& text, int size) {
  QByteArray b = text.left(size);
  b.append(QByteArray(size - b.size(), '\0'));
  return b;
}

}  // namespace

void ReceiverEngine::setModel(const QByteArray& digits) {
  std::memcpy(memory_->data() + off::kModel, padded(digits, off::kModelSize).constData(), off::kModelSize);
}

void ReceiverEngine::setFirmware(const QByteArray& version) {
  std::memcpy(memory_->data() + off::kFirmware, padded(version, off::kFirmwareSize).constData(), off::kFirmwareSize);
}

void ReceiverEngine::setClock(const ClockBytes& clock, uint32_t nowMs) {
  clock_ = clock;
  clockSetAt_ = nowMs;
}

ClockBytes ReceiverEngine::clockAt(uint32_t nowMs) const {
  const QDateTime set = unpackClock(clock_);
  if (!set.isValid()) return clock_;
  return packClock(set.addSecs((nowMs - clockSetAt_) / 1000));
}

QByteArray ReceiverEngine::clockReply() const {
  const ClockBytes c = faults_.badClock ? kBadClock : clockAt(now_);
  QByteArray out;
  appendBytes(out, c.data(), off::kClockSize);
  return out;
}

QByteArray ReceiverEngine::readStream() {
  const ConfigImage& m = *memory_;
  QByteArray s = clockReply();
  appendBytes(s, m.data() + off::kSettings, off::kSettingsSize);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int stored = std::min(m.phoneCount(slot), kMaxPhones);
    const int count = slot == faults_.countOver200Slot ? kOverCount : stored;
    s.append(static_cast<char>(slot == faults_.wrongHeaderSlot ? (slot + 1) % kSlotCount : slot));
    s.append(static_cast<char>(count));
    for (int i = 0; i < count; ++i) {
      if (i < kMaxPhones) appendBytes(s, m.record(slot, i), kRecordSize);
      else s.append(extraRecord(i));
    }
  }
  appendBytes(s, m.data() + off::kSims, off::kSimsSize);
  appendBytes(s, types_.data(), kSlotCount);
  appendBytes(s, m.data() + off::kIdentity, off::kIdentitySize);
  s.append(QByteArray(faults_.trailingBytes, '\r'));
  if (faults_.cutAfter >= 0 && faults_.cutAfter < s.size()) s.truncate(faults_.cutAfter);
  if (faults_.flipAt >= 0 && faults_.flipAt < s.size() && faults_.flipReads != 0) {
    const auto at = static_cast<qsizetype>(faults_.flipAt);
    s[at] = static_cast<char>(s.at(at) ^ kFlipBit);
    if (faults_.flipReads > 0) --faults_.flipReads;
  }
  return s;
}

}  // namespace orbisk::sim
