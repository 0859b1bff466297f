// The comparison as the window and `orbisk-cli diff` show it.
#include "core/history/config_diff.h"
#include "core/history/history_texts.h"
#include "core/image/settings_lists.h"
#include "core/image/view_texts.h"

namespace orbisk {
namespace {

QString shown(const QString& value) { return value.isEmpty() ? history::HistoryTexts::emptyValue() : value; }

QString change(const QString& label, const QString& a, const QString& b) {
  const QString head = label.endsWith(u':') ? label : label + u':';
  return head + u' ' + shown(a) + history::HistoryTexts::arrow() + shown(b);
}

// "79001234567 (объект 0001, код 130, ...)": the fields that hold something, by column caption.
QString phoneText(const PhoneRow& p, const QStringList& columns) {
  const QStringList values{p.object, p.event, p.zone, p.partition, p.comment};
  QStringList parts;
  for (qsizetype i = 0; i < values.size(); ++i)
    if (!values.at(i).isEmpty()) parts << columns.at(i + 1) + u' ' + values.at(i);
  return parts.isEmpty() ? shown(p.number) : shown(p.number) + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + u')';
}

QString phoneChange(const PhoneDiff& c, const QStringList& columns) {
  const QStringList a{c.a.object, c.a.event, c.a.zone, c.a.partition, c.a.comment};
  const QStringList b{c.b.object, c.b.event, c.b.zone, c.b.partition, c.b.comment};
  QStringList parts;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (a.at(i) != b.at(i))
      parts << columns.at(i + 1) + u' ' + shown(a.at(i)) + history::HistoryTexts::arrow() +
                   shown(b.at(i));
  return history::HistoryTexts::phoneChanged() + shown(c.a.number) + QStringLiteral(": ") +
         parts.join(QStringLiteral("; "));
}

QString statusText(ExpanderStatus s) {
  switch (s) {
    case ExpanderStatus::Added:
      return history::HistoryTexts::expanderAdded();
    case ExpanderStatus::Removed:
      return history::HistoryTexts::expanderRemoved();
    case ExpanderStatus::Changed: break;
  }
  return history::HistoryTexts::expanderChanged();
}

DiffGroup expanderGroup(const ExpanderDiff& e) {
  DiffGroup g{history::HistoryTexts::expanderHeading() + slotChar(e.slot) + QStringLiteral(": ") + statusText(e.status),
              {}};
  if (e.simDiffers) g.lines << change(history::HistoryTexts::simLabel(), e.simA, e.simB);
  const QStringList columns = view::ViewTexts::phoneColumns();  // made once, not per telephone
  for (const PhoneRow& p : e.removed) g.lines << history::HistoryTexts::phoneRemoved() + phoneText(p, columns);
  for (const PhoneRow& p : e.added) g.lines << history::HistoryTexts::phoneAdded() + phoneText(p, columns);
  for (const PhoneDiff& c : e.changed) g.lines << phoneChange(c, columns);
  return g;
}

}  // namespace

std::vector<DiffGroup> diffGroups(const ConfigDiff& d) {
  std::vector<DiffGroup> groups;
  if (!d.settings.empty()) {
    DiffGroup g{view::ViewTexts::receiverHeading(), {}};
    for (const SettingDiff& s : d.settings) g.lines << change(s.label, s.textA, s.textB);
    groups.push_back(std::move(g));
  }
  for (const ExpanderDiff& e : d.expanders) groups.push_back(expanderGroup(e));
  return groups;
}

QString diffText(const ConfigDiff& d) {
  if (d.same()) return history::HistoryTexts::same() + u'\n';
  QString s;
  for (const DiffGroup& g : diffGroups(d)) {
    s += g.heading + u'\n';
    for (const QString& line : g.lines) s += QStringLiteral("  ") + line + u'\n';
  }
  return s;
}

}  // namespace orbisk
