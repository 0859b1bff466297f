#include "core/transfer/config_compare.h"

#include <algorithm>
#include <cstring>

#include "core/image/settings_lists.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk {
namespace {

bool differ(const uint8_t* a, const uint8_t* b, int n) { return std::memcmp(a, b, static_cast<size_t>(n)) != 0; }

// A count above the table's room is sent as 200, so that is what the receiver can hold.
int sentCount(const ConfigImage& img, int slot) { return std::min(img.phoneCount(slot), kMaxPhones); }

void compareSlots(const ConfigImage& a, const ConfigImage& b, QStringList& out) {
  for (int s = 0; s < kSlotCount; ++s) {
    const int na = sentCount(a, s), nb = sentCount(b, s);
    if (na != nb)
      out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::countPlace().arg(slotChar(s))) +
                 QStringLiteral(" (%1, %2)").arg(na).arg(nb);
    for (int i = 0; i < std::min(na, nb); ++i)
      if (differ(a.record(s, i), b.record(s, i), kRecordSize))
        out << transfer::TransferTexts::differsAt().arg(
            transfer::TransferTexts::recordPlace().arg(slotChar(s)).arg(i + 1));
  }
  for (int s = 0; s < kSlotCount; ++s)
    if (differ(a.sim(s), b.sim(s), kPackedNumberSize))
      out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::simPlace().arg(slotChar(s)));
}

}  // namespace

QStringList sentDifferences(const ConfigImage& sent, const ConfigImage& held) {
  QStringList out;
  if (differ(sent.data() + off::kSettings, held.data() + off::kSettings, off::kSettingsSize))
    out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::settingsPlace());
  compareSlots(sent, held, out);
  return out;
}

QStringList readDifferences(const ConfigImage& a, const ChannelTypes& typesA, const ConfigImage& b,
                            const ChannelTypes& typesB) {
  QStringList out = sentDifferences(a, b);
  for (int s = 0; s < kSlotCount; ++s)
    if (a.phoneCount(s) != b.phoneCount(s) && sentCount(a, s) == sentCount(b, s))
      out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::countPlace().arg(slotChar(s)));
  if (differ(a.data() + off::kIdentity, b.data() + off::kIdentity, off::kIdentitySize))
    out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::identityPlace());
  if (typesA != typesB) out << transfer::TransferTexts::differsAt().arg(transfer::TransferTexts::channelTypesPlace());
  return out;
}

QStringList shortened(const QStringList& lines, int limit) {
  if (lines.size() <= limit) return lines;
  QStringList out = lines.mid(0, limit - 1);
  out << transfer::TransferTexts::andMore().arg(lines.size() - out.size());
  return out;
}

}  // namespace orbisk
