// The comparison as the window and `orbisk-cli diff` show it.
#include "core/history/config_diff.h"
#include "core/history/history_texts.h"
#include "core/image/settings_lists.h"
#include "core/image/view_texts.h"

namespace orbisk {
namespace {

QString shown(QStringView value) { return value.isEmpty() ? history::HistoryTexts::emptyValue() : value.toString(); }

QString change(const QString& label, const QString& a, const QString& b) {
  const QString head = label.endsWith(u':') ? label : label + u':';
  return head + u' ' + shown(a) + history::HistoryTexts::arrow() + shown(b);
}

// "79001234567 (объект 0001, код 130, ...)": the fields that hold something, by column caption.
// The cells after the number are named by their column captions.
QString phoneText(const PhoneRow& p, const QStringList& columns) {
  const auto values = p.cells();
  QStringList parts;
  for (size_t i = 1; i < values.size(); ++i)
    if (!values[i].isEmpty()) parts << columns.at(static_cast<qsizetype>(i)) + u' ' + values[i].toString();
  return parts.isEmpty() ? shown(p.number()) : shown(p.number()) + QStringLiteral(" (") + parts.join(QStringLiteral(", ")) + u')';
}

QString phoneChange(const PhoneDiff& c, const QStringList& columns) {
  const auto a = c.a.cells();
  const auto b = c.b.cells();
  QStringList parts;
  for (size_t i = 1; i < a.size(); ++i)
    if (a[i] != b[i])
      parts << columns.at(static_cast<qsizetype>(i)) + u' ' + shown(a[i]) + history::HistoryTexts::arrow() +
                   shown(b[i]);
  return history::HistoryTexts::phoneChanged() + shown(c.a.number()) + QStringLiteral(": ") +
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
