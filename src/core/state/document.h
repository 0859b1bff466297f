// The configuration being worked on: the image, what the last read learnt of the receiver's
// channels, and the file it belongs to.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/image/config_image.h"

namespace orbisk {

inline const QString kDefaultModelText = QStringLiteral("Halvorn 2010");
inline const QString kStartupFileName = QStringLiteral("OrbData1");

struct Document {
  ConfigImage image;
  std::array<uint8_t, kSlotCount> expanderPresent{};
  std::array<uint8_t, kSlotCount> channelTypes{};
  uint16_t expanderMask = 0;
  int expanderCount = 0;
  QString modelText = kDefaultModelText;

  QString filePath = kStartupFileName;
  QString openPath;
  QString shortFileName = kStartupFileName;
  int newFileCounter = 1;
  bool untitled = true;
  bool modified = false;
  // What the views repaired (values out of range) since the image last came in whole: the next
  // save stores the repaired values, and says so.
  QStringList repairedOnDisplay;

  Document() { image.resetStartup(); }

  bool isLineExpander(int slot) const {
    return slot >= 0 && slot < kSlotCount && isLineChannel(channelTypes[static_cast<size_t>(slot)]);
  }
  // A telephone-line channel takes no telephones, so its list is hidden; but a table that holds
  // some (a file made for another receiver) is shown, so that they can be seen and edited.
  bool showsPhoneList(int slot) const { return !isLineExpander(slot) || image.phoneCount(slot) > 0; }
};

}  // namespace orbisk
