// Finding a telephone anywhere in the configuration by a piece of its number, object or comment.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "core/image/config_image.h"

namespace orbisk {

struct PhonePlace {
  int slot = 0;
  int index = 0;
  bool operator==(const PhonePlace&) const = default;
};

// The first telephone after `after` (or from the start when none) in slot and list order, going
// round to the start; only slotMask in the mask are searched. Letters match in either case.
std::optional<PhonePlace> findPhone(const ConfigImage& img, uint16_t slotMask, const QString& needle,
                                    std::optional<PhonePlace> after);

}  // namespace orbisk
