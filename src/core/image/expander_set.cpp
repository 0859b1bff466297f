#include "core/image/expander_set.h"

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

int lowestFreeSlot(const ExpanderSet& set) {
  for (int s = 0; s < kSlotCount; ++s)
    if ((set.mask & (1u << s)) == 0) return s;
  return -1;
}

}  // namespace orbisk
