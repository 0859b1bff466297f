// Which pieces of a configuration differ, byte for byte: what a write sent against what the
// receiver holds afterwards, or two reads of one receiver.
#pragma once

#include <QStringList>

#include "core/image/config_image.h"
#include "core/link/receiver.h"

namespace orbisk {

// The bytes a write sends (settings, telephone counts and records, SIM numbers), named by
// piece; not the clock, the identity or the channel types.
QStringList sentDifferences(const ConfigImage& sent, const ConfigImage& held);
// Everything a read brings, identity and channel types included.
QStringList readDifferences(const ConfigImage& a, const ChannelTypes& typesA, const ConfigImage& b,
                            const ChannelTypes& typesB);

// At most `limit` lines, the rest counted in a last one.
QStringList shortened(const QStringList& lines, int limit);

}  // namespace orbisk
