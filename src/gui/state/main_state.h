// The working state of the main window, shared by its commands and dialogs: the document, the
// link session, and what the window has selected and shows.
#pragma once

#include <QString>

#include "core/state/document.h"
#include "core/state/link_session.h"

namespace orbisk {

enum class ServiceSequence { None, FirstSeen, SecondSeen };

inline const QString kProgramTitle = QStringLiteral("Orbisk1_14");
inline const QString kGsmChannelLabel = QStringLiteral("GSM канал-");
inline const QString kLineChannelLabel = QStringLiteral("ТЛФ канал-");

struct MainState : Document, LinkSession {
  int currentExpander = kReceiverNode;
  int currentPhoneIndex = 0;
  int currentRecordOffset = 0;
  int treeSelectionIndex = 0;
  int editorMode = 0;

  QString defaultDirectory;
  QString programTitle = kProgramTitle;
  QString gsmChannelLabel = kGsmChannelLabel;
  QString lineChannelLabel = kLineChannelLabel;
  ServiceSequence serviceSequence = ServiceSequence::None;
  bool refreshing = false;
  bool activated = false;

  // A telephone counts as selected only while the remembered row still belongs to this expander.
  bool phoneSelected() const {
    return currentExpander < kSlotCount && currentPhoneIndex >= 0 &&
           currentRecordOffset == recordOffset(currentExpander, currentPhoneIndex) &&
           currentPhoneIndex < image.phoneCount(currentExpander);
  }
};

}  // namespace orbisk
