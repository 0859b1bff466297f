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
      {view::ViewTexts::receiverNumberLabel(), listValue(receiverNumberText(v.receiverNumber), v.receiverNumber)},
      {view::ViewTexts::pcFormatLabel(), listValue(pcFormatText(v.pcFormat), v.pcFormat)},
      {view::ViewTexts::handshakeLabel(), listValue(handshakeText(v.handshake), v.handshake)},
      {view::ViewTexts::ringsLabel(), listValue(ringsText(v.rings), v.rings)},
      {view::ViewTexts::ackWaitLabel(), listValue(ackWaitText(v.ackWait), v.ackWait)},
  }};
  qsizetype width = 0;
  for (const auto& r : rows) width = std::max(width, r.first.size());
  QString s = view::ViewTexts::receiverHeading() + u'\n';
  for (const auto& r : rows) s += kIndent + r.first.leftJustified(width + 2) + r.second + u'\n';
  s += checkBox(v.heartbeat, view::ViewTexts::heartbeatCaption());
  s += checkBox(v.antispamData, view::ViewTexts::spamDataCaption());
  s += checkBox(v.sms, view::ViewTexts::smsCaption());
  s += checkBox(v.antispamSms, view::ViewTexts::spamSmsCaption());
  s += checkBox(v.speaker, view::ViewTexts::speakerCaption());
  s += checkBox(v.russian, view::ViewTexts::russianCaption());
  s += checkBox(v.comments, view::ViewTexts::commentsCaption());
  s += checkBox(v.backlightOff, view::ViewTexts::backlightCaption());
  if (!v.model.isEmpty()) s += kIndent + view::ViewTexts::modelLabel() + u' ' + v.model + u'\n';
  s += kIndent +
       (v.firmware.isEmpty() ? text::LinkTexts::firmwareUnknown() : text::LinkTexts::firmwarePrefix() + v.firmware) +
       u'\n';
  return s;
}

constexpr int kColumns = 6;

std::array<const QString*, kColumns> cells(const PhoneRow& p) {
  return {&p.number, &p.object, &p.event, &p.zone, &p.partition, &p.comment};
}

std::array<const QString*, kColumns> captions(const QStringList& names) {
  std::array<const QString*, kColumns> c{};
  for (int i = 0; i < kColumns; ++i) c[static_cast<size_t>(i)] = &names.at(i);
  return c;
}

// One line straight into the text, every column but the last padded to its width and two blanks.
void appendLine(QString& s, const std::array<const QString*, kColumns>& row, const std::array<qsizetype, kColumns>& width) {
  s += kIndent;
  for (size_t c = 0; c + 1 < kColumns; ++c) {
    s += *row[c];
    for (qsizetype n = row[c]->size(); n < width[c] + 2; ++n) s += u' ';
  }
  s += *row[kColumns - 1];
  s += u'\n';
}

// The telephone list's columns, each as wide as its longest text. Appended in place: a string for
// every cell and line cost more than the rest of `show`.
void appendPhoneTable(QString& s, const std::vector<PhoneRow>& phones) {
  const QStringList names = view::ViewTexts::phoneColumns();
  const auto head = captions(names);
  std::array<qsizetype, kColumns> width{};
  auto measure = [&](const std::array<const QString*, kColumns>& row) {
    for (size_t c = 0; c < kColumns; ++c) width[c] = std::max(width[c], row[c]->size());
  };
  measure(head);
  for (const PhoneRow& p : phones) measure(cells(p));
  appendLine(s, head, width);
  for (const PhoneRow& p : phones) appendLine(s, cells(p), width);
}

}  // namespace

QString showText(const ConfigView& v) {
  QString s = settingsText(v);
  // A telephone's line is at most about 70 characters: one buffer for the whole text.
  size_t phones = 0;
  for (const ExpanderView& e : v.expanders) phones += e.phones.size() + 3;
  s.reserve(s.size() + 80 * static_cast<qsizetype>(phones));
  s += view::ViewTexts::treeCaption() + u'\n';
  for (const ExpanderView& e : v.expanders) {
    // The heading the main window shows above an expander's telephone list.
    s += view::ViewTexts::gsmHeading() + slotChar(e.slot) + view::ViewTexts::simHeading() + e.sim + u'\n';
    s += kIndent + view::ViewTexts::phoneCountHint() + QString::number(e.phones.size()) + u'\n';
    if (!e.phones.empty()) appendPhoneTable(s, e.phones);
  }
  return s;
}

}  // namespace orbisk::cli
