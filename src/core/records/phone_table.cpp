#include "core/records/phone_table.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/records/phone_codec.h"

namespace orbisk {
namespace {

bool isSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

}  // namespace

bool isRecordOffset(int offset) {
  const int rel = offset - off::kTables;
  return rel >= 0 && rel < kSlotCount * kTableSize && rel % kRecordSize == 0;
}

int usablePhoneCount(const ConfigImage& img, int slot) {
  return isSlot(slot) ? std::min(img.phoneCount(slot), kMaxPhones) : 0;
}

bool appendPhone(ConfigImage& img, int slot, const QByteArray& number, const QByteArray& field,
                 const QByteArray& comment) {
  if (!isSlot(slot) || img.phoneCount(slot) >= kMaxPhones) return false;
  const int index = img.phoneCount(slot);
  packtel(img.record(slot, index), number, field, comment);
  img.setPhoneCount(slot, index + 1);
  return true;
}

bool rewritePhone(ConfigImage& img, int offset, const QByteArray& number, const QByteArray& field,
                  const QByteArray& comment) {
  if (!isRecordOffset(offset)) return false;
  packtel(img.data() + offset, number, field, comment);
  return true;
}

bool removePhone(ConfigImage& img, int slot, int index) {
  const int count = usablePhoneCount(img, slot);
  if (index < 0 || index >= count) return false;
  const int newCount = count - 1;
  // Ascending, so each record moves down before the next one is read.
  for (int i = index; i < newCount; ++i)
    std::memcpy(img.record(slot, i), img.record(slot, i + 1), kRecordSize);
  img.setPhoneCount(slot, newCount);
  return true;
}

int removePhones(ConfigImage& img, int slot, QList<int> indices) {
  // From the highest down, so the indices still to go keep their places.
  std::sort(indices.begin(), indices.end(), std::greater<>());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  int removed = 0;
  for (int index : indices) removed += removePhone(img, slot, index) ? 1 : 0;
  return removed;
}

}  // namespace orbisk
