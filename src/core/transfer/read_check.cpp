#include "core/transfer/read_check.h"

#include <algorithm>

#include "core/image/settings_lists.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk {
namespace {


// The largest value each setting can hold; the tool itself never writes more.
struct Range {
  QString name;
  int value;
  int max;
};

QString hex(int v) { return QStringLiteral("0x") + QString::number(v, 16).toUpper().rightJustified(2, u'0'); }

void checkSettings(const ConfigImage& img, QStringList& out) {
  const auto s = img.settings();
  const Range ranges[] = {
      {transfer::TransferTexts::receiverNumberName(), s.receiverNumber(), 15},
      {transfer::TransferTexts::pcFormatName(), s.pcFormat(), 3},
      {transfer::TransferTexts::handshakeName(), s.handshake(), 6},
      {transfer::TransferTexts::ringsName(), s.rings(), 4},
      {transfer::TransferTexts::ackWaitName(), s.ackWait(), 5},  // 0 is what New leaves there
  };
  for (const Range& r : ranges)
    if (r.value > r.max)
      out << transfer::TransferTexts::outOfRange().arg(transfer::TransferTexts::settingsPlace(), r.name, hex(r.value),
                                                       QStringLiteral("0-%1").arg(r.max));
}

// What the tool writes around a number: a reserved zero, a zone's unused high nibble, and a
// comment padded with zeros.
bool recordShapeValid(PhoneRecord<const uint8_t> rec) {
  if (rec.reserved() != 0 || (rec.zone()[0] & 0xF0) != 0) return false;
  const uint8_t* end = rec.comment() + kCommentSize;
  const uint8_t* zero = std::find(rec.comment(), end, 0);
  return std::all_of(zero, end, [](uint8_t b) { return b == 0; });
}

void checkSlots(const ConfigImage& img, const ReadFacts& facts, QStringList& out) {
  for (int s = 0; s < kSlotCount; ++s) {
    const int claimed = std::max(facts.claimedCounts[static_cast<size_t>(s)], img.phoneCount(s));
    if (claimed > kMaxPhones) out << transfer::TransferTexts::countOver().arg(slotChar(s)).arg(claimed);
    const int n = std::min(img.phoneCount(s), kMaxPhones);
    for (int i = 0; i < n; ++i) {
      const auto rec = img.phone(s, i);
      const QString place = transfer::TransferTexts::recordPlace().arg(slotChar(s)).arg(i + 1);
      if (!packedNumberValid(rec.number()))
        out << transfer::TransferTexts::badNumber().arg(place);
      else if (!recordShapeValid(rec))
        out << transfer::TransferTexts::badRecord().arg(place);
    }
  }
  for (int s = 0; s < kSlotCount; ++s)
    if (!packedNumberValid(img.sim(s)))
      out << transfer::TransferTexts::badNumber().arg(transfer::TransferTexts::simPlace().arg(slotChar(s)));
}

void checkIdentity(const ConfigImage& img, QStringList& out) {
  const auto digit = [](uint8_t b) { return b >= '0' && b <= '9'; };
  const auto printable = [](uint8_t b) { return b >= 0x20 && b < 0x7F; };
  const uint8_t* model = img.data() + off::kModel;
  const uint8_t* firmware = img.data() + off::kFirmware;
  if (!std::all_of(model, model + off::kModelSize, digit)) out << transfer::TransferTexts::badModel();
  if (!std::all_of(firmware, firmware + off::kFirmwareSize, printable)) out << transfer::TransferTexts::badFirmware();
}

}  // namespace

bool packedNumberValid(const uint8_t* packed8) {
  bool ended = false;
  for (int i = 0; i < 2 * kPackedNumberSize; ++i) {
    const int nibble = i % 2 == 0 ? packed8[i / 2] >> 4 : packed8[i / 2] & 0x0F;
    if (ended && nibble != 0) return false;
    if (nibble == kNumberEnd) ended = true;
    else if (nibble >= kFirstUnusedNibble) return false;
  }
  return true;
}

QStringList checkRead(const ConfigImage& img, const ReadFacts& facts) {
  QStringList out;
  checkSettings(img, out);
  checkSlots(img, facts, out);
  checkIdentity(img, out);
  if (facts.trailingBytes > 0) out << transfer::TransferTexts::trailingBytes().arg(facts.trailingBytes);
  return out;
}

}  // namespace orbisk
