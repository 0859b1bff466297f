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

// Appended in place, as the telephone table is: the settings' thirty-odd pieces each made a
// string of their own, and the text grew step by step.
void appendCheckBox(QString& s, bool checked, const QString& caption) {
  s += kIndent;
  s += checked ? QLatin1String("[x] ") : QLatin1String("[ ] ");
  s += caption;
  s += u'\n';
}

void appendSettings(QString& s, const ConfigView& v) {
  const std::array<std::pair<QString, QString>, 5> rows{{
      {view::ViewTexts::receiverNumberLabel(), listValue(receiverNumberText(v.receiverNumber), v.receiverNumber)},
      {view::ViewTexts::pcFormatLabel(), listValue(pcFormatText(v.pcFormat), v.pcFormat)},
      {view::ViewTexts::handshakeLabel(), listValue(handshakeText(v.handshake), v.handshake)},
      {view::ViewTexts::ringsLabel(), listValue(ringsText(v.rings), v.rings)},
      {view::ViewTexts::ackWaitLabel(), listValue(ackWaitText(v.ackWait), v.ackWait)},
  }};
  qsizetype width = 0;
  for (const auto& r : rows) width = std::max(width, r.first.size());
  s += view::ViewTexts::receiverHeading();
  s += u'\n';
  for (const auto& r : rows) {
    s += kIndent;
    s += r.first;
    for (qsizetype n = r.first.size(); n < width + 2; ++n) s += u' ';
    s += r.second;
    s += u'\n';
  }
  appendCheckBox(s, v.heartbeat, view::ViewTexts::heartbeatCaption());
  appendCheckBox(s, v.antispamData, view::ViewTexts::spamDataCaption());
  appendCheckBox(s, v.sms, view::ViewTexts::smsCaption());
  appendCheckBox(s, v.antispamSms, view::ViewTexts::spamSmsCaption());
  appendCheckBox(s, v.speaker, view::ViewTexts::speakerCaption());
  appendCheckBox(s, v.russian, view::ViewTexts::russianCaption());
  appendCheckBox(s, v.comments, view::ViewTexts::commentsCaption());
  appendCheckBox(s, v.backlightOff, view::ViewTexts::backlightCaption());
  if (!v.model.isEmpty()) {
    s += kIndent;
    s += view::ViewTexts::modelLabel();
    s += u' ';
    s += v.model;
    s += u'\n';
  }
  s += kIndent;
  if (v.firmware.isEmpty()) {
    s += text::LinkTexts::firmwareUnknown();
  } else {
    s += text::LinkTexts::firmwarePrefix();
    s += v.firmware;
  }
  s += u'\n';
}

constexpr int kColumns = 6;

using Cells = std::array<QStringView, PhoneRow::kCells>;

Cells captions(const QStringList& names) {
  Cells c{};
  for (int i = 0; i < kColumns; ++i) c[static_cast<size_t>(i)] = names.at(i);
  return c;
}

// One line straight into the text, every column but the last padded to its width and two blanks.
void appendLine(QString& s, const Cells& row, const std::array<qsizetype, kColumns>& width) {
  s += kIndent;
  for (size_t c = 0; c + 1 < kColumns; ++c) {
    s += row[c];
    for (qsizetype n = row[c].size(); n < width[c] + 2; ++n) s += u' ';
  }
  s += row[kColumns - 1];
  s += u'\n';
}

// The telephone list's columns, each as wide as its longest text. Appended in place: a string for
// every cell and line cost more than the rest of `show`.
void appendPhoneTable(QString& s, const Cells& head, const std::vector<PhoneRow>& phones) {
  std::array<qsizetype, kColumns> width{};
  auto measure = [&](const Cells& row) {
    for (size_t c = 0; c < kColumns; ++c) width[c] = std::max(width[c], row[c].size());
  };
  measure(head);
  for (const PhoneRow& p : phones) measure(p.cells());
  appendLine(s, head, width);
  for (const PhoneRow& p : phones) appendLine(s, p.cells(), width);
}

}  // namespace

QString showText(const ConfigView& v) {
  // The settings take about 600 characters and a telephone's line about 70: one buffer for all.
  size_t phones = 0;
  for (const ExpanderView& e : v.expanders) phones += e.phones.size() + 3;
  QString s;
  s.reserve(1024 + 80 * static_cast<qsizetype>(phones));
  appendSettings(s, v);
  // Made once, not per expander.
  const QStringList names = view::ViewTexts::phoneColumns();
  const Cells head = captions(names);
  const QString gsm = view::ViewTexts::gsmHeading(), sim = view::ViewTexts::simHeading();
  const QString count = view::ViewTexts::phoneCountHint();
  s += view::ViewTexts::treeCaption() + u'\n';
  for (const ExpanderView& e : v.expanders) {
    // The heading the main window shows above an expander's telephone list.
    s += gsm;
    s += slotChar(e.slot);
    s += sim;
    s += e.sim;
    s += u'\n';
    s += kIndent;
    s += count;
    s += QString::number(e.phones.size());
    s += u'\n';
    if (!e.phones.empty()) appendPhoneTable(s, head, e.phones);
  }
  return s;
}

}  // namespace orbisk::cli
