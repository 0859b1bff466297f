// A realistic receiver to show a new user: a few expanders, telephones with Russian comments,
// a pair of telephone-line channels.
#pragma once

#include <QByteArray>

#include "core/image/config_image.h"
#include "sim/receiver_engine.h"

namespace orbisk::sim {

inline const QByteArray kSampleModel = "3320";
inline const QByteArray kSampleFirmware = "2.07";
inline const QByteArray kSampleChannelTypes = "0000660000000000";  // slots 4 and 5: telephone lines

// The sample configuration as a configuration file would hold it (identity included).
void buildSample(ConfigImage& img);
// Every slot in use with all 200 telephones: the largest configuration there is.
void buildFull(ConfigImage& img);
// "0000660000000000" -> one byte per slot; false unless exactly 16 characters.
bool parseChannelTypes(const QByteArray& text, SlotTypes& types);

}  // namespace orbisk::sim
