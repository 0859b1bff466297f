#include <QStringList>
#include <algorithm>
#include <array>

#include "cli/show_output.h"
#include "core/image/settings_lists.h"
#include "core/link/link_texts.h"
#include "core/image/view_texts.h"

namespace orbisk::cli {
namespace {

const QString kIndent = QStringLiteral("  ");

// A value the list has no item for is shown by its stored number, where the desktop shows nothing.
QString listValue(const QString& item, int stored) {
  return item.isEmpty() ? QStringLiteral("(%1)").arg(stored) : item;
}

QString checkBox(bool checked, const QString& caption) {
  return kIndent + (checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + caption + u'\n';
}

QString settingsText(const ConfigView& v) {
  const std::array<std::pair<QString, QString>, 5> rows{{
      {view::kReceiverNumberLabel, listValue(receiverNumberText(v.receiverNumber), v.receiverNumber)},
      {view::kPcFormatLabel, listValue(pcFormatText(v.pcFormat), v.pcFormat)},
      {view::kHandshakeLabel, listValue(handshakeText(v.handshake), v.handshake)},
      {view::kRingsLabel, listValue(ringsText(v.rings), v.rings)},
      {view::kAckWaitLabel, listValue(ackWaitText(v.ackWait), v.ackWait)},
  }};
  qsizetype width = 0;
  for (const auto& r : rows) width = std::max(width, r.first.size());
  QString s = view::kReceiverHeading + u'\n';
  for (const auto& r : rows) s += kIndent + r.first.leftJustified(width + 2) + r.second + u'\n';
  s += checkBox(v.heartbeat, view::kHeartbeatCaption);
  s += checkBox(v.antispamData, view::kSpamDataCaption);
  s += checkBox(v.sms, view::kSmsCaption);
  s += checkBox(v.antispamSms, view::kSpamSmsCaption);
  s += checkBox(v.speaker, view::kSpeakerCaption);
  s += checkBox(v.russian, view::kRussianCaption);
  s += checkBox(v.comments, view::kCommentsCaption);
  s += checkBox(v.backlightOff, view::kBacklightCaption);
  if (!v.model.isEmpty()) s += kIndent + view::kModelLabel + u' ' + v.model + u'\n';
  s += kIndent + (v.firmware.isEmpty() ? text::kFirmwareUnknown : text::kFirmwarePrefix + v.firmware) + u'\n';
  return s;
}

// The telephone list's columns, each as wide as its longest text.
QString phoneTable(const std::vector<PhoneRow>& phones) {
  std::vector<QStringList> rows{view::kPhoneColumns};
  for (const PhoneRow& p : phones) rows.push_back({p.number, p.object, p.event, p.zone, p.partition, p.comment});
  std::array<qsizetype, 6> width{};
  for (const QStringList& r : rows)
    for (int c = 0; c < 6; ++c) width[static_cast<size_t>(c)] = std::max(width[static_cast<size_t>(c)], r.at(c).size());
  QString s;
  for (const QStringList& r : rows) {
    QString line = kIndent;
    for (int c = 0; c < 5; ++c) line += r.at(c).leftJustified(width[static_cast<size_t>(c)] + 2);
    s += line + r.at(5) + u'\n';
  }
  return s;
}

}  // namespace

QString showText(const ConfigView& v) {
  QString s = settingsText(v);
  s += view::kTreeCaption + u'\n';
  for (const ExpanderView& e : v.expanders) {
    // The heading the main window shows above an expander's telephone list.
    s += view::kGsmHeading + slotChar(e.slot) + view::kSimHeading + e.sim + u'\n';
    s += kIndent + view::kPhoneCountHint + QString::number(e.phones.size()) + u'\n';
    if (!e.phones.empty()) s += phoneTable(e.phones);
  }
  return s;
}

}  // namespace orbisk::cli
