// What the repairs on display change in a configuration, told to the user wherever a repaired
// value leaves the program (a write to the receiver), so that nothing changes without a word.
#pragma once

#include <QStringList>

#include "core/image/config_image.h"

namespace orbisk {

// One line per value out of range, under the settings panel's label, with the byte as it is
// and as it is shown: "Номер приемника: 0x43 → 0x02". Empty when nothing would change.
QStringList repairNotes(const ConfigImage& img);

}  // namespace orbisk
