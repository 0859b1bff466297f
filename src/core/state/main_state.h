// The working state of the main window, shared by its commands and dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>

#include "core/image/config_image.h"

namespace orbisk {

enum class ServiceSequence { None, FirstSeen, SecondSeen };

inline const QString kProgramTitle = QStringLiteral("Orbisk1_14");
inline const QString kGsmChannelLabel = QStringLiteral("GSM канал-");
inline const QString kLineChannelLabel = QStringLiteral("ТЛФ канал-");
inline const QString kDefaultModelText = QStringLiteral("Halvorn 2010");
inline const QString kStartupFileName = QStringLiteral("OrbData1");
inline const QString kDefaultPortName = QStringLiteral("COM1");

struct MainState {
  ConfigImage image;

  std::array<uint8_t, kSlotCount> expanderPresent{};
  std::array<uint8_t, kSlotCount> channelTypes{};
  uint16_t expanderMask = 0;
  int expanderCount = 0;
  int currentExpander = kReceiverNode;
  int currentPhoneIndex = 0;
  int currentRecordOffset = 0;
  int treeSelectionIndex = 0;
  int editorMode = 0;

  QString filePath = kStartupFileName;
  QString openPath;
  QString shortFileName = kStartupFileName;
  QString defaultDirectory;
  QString portName = kDefaultPortName;
  // The register's receiver chosen for portName; it stands only while the port is still its.
  QString receiverName;
  QString receiverPort;
  QString chosenReceiver() const { return portName == receiverPort ? receiverName : QString(); }
  QString programTitle = kProgramTitle;
  QString gsmChannelLabel = kGsmChannelLabel;
  QString lineChannelLabel = kLineChannelLabel;
  QString modelText = kDefaultModelText;
  ServiceSequence serviceSequence = ServiceSequence::None;
  int newFileCounter = 1;

  bool modified = false;
  // What the views repaired (values out of range) since the image last came in whole: the next
  // save stores the repaired values, and says so.
  QStringList repairedOnDisplay;
  bool untitled = true;
  bool busy = false;
  bool refreshing = false;
  bool activated = false;

  MainState() { image.resetStartup(); }

  bool isLineExpander(int slot) const {
    return slot >= 0 && slot < kSlotCount && isLineChannel(channelTypes[static_cast<size_t>(slot)]);
  }
  // A telephone-line channel takes no telephones, so its list is hidden; but a table that holds
  // some (a file made for another receiver) is shown, so that they can be seen and edited.
  bool showsPhoneList(int slot) const { return !isLineExpander(slot) || image.phoneCount(slot) > 0; }
  // A telephone counts as selected only while the remembered row still belongs to this expander.
  bool phoneSelected() const {
    return currentExpander < kSlotCount && currentPhoneIndex >= 0 &&
           currentRecordOffset == recordOffset(currentExpander, currentPhoneIndex) &&
           currentPhoneIndex < image.phoneCount(currentExpander);
  }
};

}  // namespace orbisk
