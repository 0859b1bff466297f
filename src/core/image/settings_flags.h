// The option and display flags, decoded once for every view: each true when the feature is on.
// Bits 0, 3 and 4 of the option flags are stored inverted ("off" bits).
#pragma once

#include "core/image/config_image.h"

namespace orbisk {

struct SettingsFlags {
  bool heartbeat = false, antispamData = false, sms = false, antispamSms = false;
  bool speaker = false, russian = false, backlightOff = false, comments = false;
};

SettingsFlags readFlags(const ConfigImage& img);
// Only the six option bits and the two display bits change; the other bits stay as they were.
void writeFlags(ConfigImage& img, const SettingsFlags& f);

}  // namespace orbisk
