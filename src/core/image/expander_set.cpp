#include "core/image/expander_set.h"

#include <cstring>

namespace orbisk {

ExpanderSet expandersOf(const ConfigImage& img) {
  ExpanderSet set;
  const int count = img[off::kExpanderCount];
  if (count == 0 || count > kMaxExpanders) return set;
  set.count = count;
  set.mask = img.mask();
  return set;
}

bool addExpanderAt(ConfigImage& img, ExpanderSet& set, int slot) {
  if (set.count >= kMaxExpanders) return false;
  set.count += 1;
  img[off::kExpanderCount] = static_cast<uint8_t>(set.count);
  if (slot >= 0 && slot < kSlotCount) {
    set.mask = static_cast<uint16_t>(set.mask | (1u << slot));
    img.setMask(set.mask);
  }
  return true;
}

bool removeExpanderAt(ConfigImage& img, ExpanderSet& set, int slot) {
  if (slot < 0 || slot >= kSlotCount || set.count <= 0 || (img.mask() & (1u << slot)) == 0) return false;
  const auto without = static_cast<uint16_t>(~(1u << slot));
  set.count -= 1;
  set.mask &= without;
  img[off::kExpanderCount] = static_cast<uint8_t>(set.count);
  img.setMask(static_cast<uint16_t>(img.mask() & without));
  img.setPhoneCount(slot, 0);
  std::memset(img.sim(slot), 0, kPackedNumberSize);
  std::memset(img.record(slot, 0), 0, kTableSize);
  return true;
}

int lowestFreeSlot(const ExpanderSet& set) {
  for (int s = 0; s < kSlotCount; ++s)
    if ((set.mask & (1u << s)) == 0) return s;
  return -1;
}

}  // namespace orbisk
