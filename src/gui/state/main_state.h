// The working state of the main window, shared by its commands and dialogs: the document, the
// link session, and what the window has selected and shows.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "core/state/document.h"
#include "core/state/link_session.h"

namespace orbisk {

enum class ServiceSequence { None, FirstSeen, SecondSeen };

inline const QString kProgramTitle = QStringLiteral("Orbisk1_14");
class ChannelTexts {
  Q_DECLARE_TR_FUNCTIONS(ChannelTexts)

 public:
  static QString gsmChannelLabel() { return tr("GSM канал-"); }
  static QString lineChannelLabel() { return tr("ТЛФ канал-"); }
};

struct MainState : Document, LinkSession {
  int currentExpander = kReceiverNode;
  int currentPhoneIndex = 0;
  int currentRecordOffset = 0;
  int treeSelectionIndex = 0;
  int editorMode = 0;

  QString defaultDirectory;
  QString programTitle = kProgramTitle;
  QString gsmChannelLabel = ChannelTexts::gsmChannelLabel();
  QString lineChannelLabel = ChannelTexts::lineChannelLabel();
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
