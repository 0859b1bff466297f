#include "core/exchange/phone_find.h"

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"

namespace orbisk {
namespace {

bool matches(const uint8_t* rec, const QString& needle) {
  const auto has = [&](const QString& hay) { return hay.contains(needle, Qt::CaseInsensitive); };
  return has(QString::fromLatin1(raspactel(rec, Decoding::Editor))) || has(QString::fromLatin1(numobject(rec))) ||
         has(fromCp1251(commentText(rec)));
}

}  // namespace

std::optional<PhonePlace> findPhone(const ConfigImage& img, uint16_t slotMask, const QString& needle,
                                    std::optional<PhonePlace> after) {
  const QString n = needle.trimmed();
  if (n.isEmpty()) return std::nullopt;
  // Linear positions slot * 200 + index, starting just after the last match.
  constexpr int kPositions = kSlotCount * kMaxPhones;
  const int start = after ? after->slot * kMaxPhones + after->index + 1 : 0;
  for (int k = 0; k < kPositions; ++k) {
    const int pos = (start + k) % kPositions;
    const int slot = pos / kMaxPhones;
    const int index = pos % kMaxPhones;
    if ((slotMask & (1u << slot)) == 0 || index >= usablePhoneCount(img, slot)) continue;
    if (matches(img.record(slot, index), n)) return PhonePlace{slot, index};
  }
  return std::nullopt;
}

}  // namespace orbisk
