// The expanders in use as the receiver tree counts them: the count byte and the working mask.
#pragma once

#include <cstdint>

#include "core/image/config_image.h"

namespace orbisk {

struct ExpanderSet {
  int count = 0;
  uint16_t mask = 0;  // may carry more bits than the image's mask (paired telephone lines)

  bool inUse(int slot) const { return count > 0 && (mask & (1u << slot)) != 0; }
};

// As the tree rebuild reads an image without channel types: a count above 16 is none, and a
// count of 0 leaves the mask unused.
ExpanderSet expandersOf(const ConfigImage& img);

// What "Добавить расширитель" writes for the expander in slot: one more in the count byte and
// the working mask, bit included, into the mask bytes. False (nothing changed) at 16 expanders.
bool addExpanderAt(ConfigImage& img, ExpanderSet& set, int slot);
// Takes the expander in slot out: one less in the count byte, its bit out of both masks, and
// its SIM number, telephone count and table cleared, so that nothing of it is written to the
// receiver (a write sends every slot's count). False (nothing changed) when the image's own
// mask lacks the slot.
bool removeExpanderAt(ConfigImage& img, ExpanderSet& set, int slot);
// The lowest slot whose bit the working mask lacks, or -1.
int lowestFreeSlot(const ExpanderSet& set);

}  // namespace orbisk
