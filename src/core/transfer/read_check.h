// Whether what a read brought can be what a receiver holds. The line has no checksum, so a
// flipped bit or a shifted stream shows here, before anything repairs or shows the bytes.
#pragma once

#include <QStringList>
#include <cstdint>

#include "core/image/config_image.h"
#include "core/link/receiver.h"

namespace orbisk {

// One line per damaged piece, naming it; empty when the read looks whole.
QStringList checkRead(const ConfigImage& img, const ReadFacts& facts);

// A packed number holds only digits, "+", "*" and the end mark, and zeros after the end mark.
bool packedNumberValid(const uint8_t* packed8);

}  // namespace orbisk
