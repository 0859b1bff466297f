#include "core/history/config_diff.h"

#include <array>

#include "core/history/history_texts.h"
#include "core/image/view_texts.h"
#include "core/link/link_texts.h"

namespace orbisk {
namespace {

// One setting of one configuration, as the panel shows it and as `show --json` names it.
struct Setting {
  QString label;
  QString key;
  QString text;
  QVariant value;
};

// A value the list has no item for is shown by its stored number, as `orbisk-cli show` does.
Setting listSetting(const QString& label, const char* key, const QString& item, int stored) {
  return {label, QString::fromLatin1(key), item.isEmpty() ? QStringLiteral("(%1)").arg(stored) : item, stored};
}

Setting checkSetting(const QString& caption, const char* option, bool checked) {
  return {caption, QStringLiteral("options.") + QLatin1String(option),
          checked ? history::HistoryTexts::checked() : history::HistoryTexts::unchecked(), checked};
}

Setting textSetting(const QString& label, const char* key, const QString& value) {
  return {label, QString::fromLatin1(key), value.isEmpty() ? history::HistoryTexts::emptyValue() : value, value};
}

std::vector<Setting> settingsOf(const ConfigView& v) {
  return {
      listSetting(view::ViewTexts::receiverNumberLabel(), "receiver_number", receiverNumberText(v.receiverNumber),
                  v.receiverNumber),
      listSetting(view::ViewTexts::pcFormatLabel(), "pc_format", pcFormatText(v.pcFormat), v.pcFormat),
      listSetting(view::ViewTexts::handshakeLabel(), "handshake", handshakeText(v.handshake), v.handshake),
      listSetting(view::ViewTexts::ringsLabel(), "rings", ringsText(v.rings), v.rings),
      listSetting(view::ViewTexts::ackWaitLabel(), "ack_wait", ackWaitText(v.ackWait), v.ackWait),
      checkSetting(view::ViewTexts::heartbeatCaption(), "heartbeat", v.heartbeat),
      checkSetting(view::ViewTexts::spamDataCaption(), "antispam_data", v.antispamData),
      checkSetting(view::ViewTexts::smsCaption(), "sms", v.sms),
      checkSetting(view::ViewTexts::spamSmsCaption(), "antispam_sms", v.antispamSms),
      checkSetting(view::ViewTexts::speakerCaption(), "speaker", v.speaker),
      checkSetting(view::ViewTexts::russianCaption(), "russian", v.russian),
      checkSetting(view::ViewTexts::commentsCaption(), "comments", v.comments),
      checkSetting(view::ViewTexts::backlightCaption(), "backlight_off", v.backlightOff),
      textSetting(view::ViewTexts::modelLabel(), "model", v.model),
      textSetting(text::LinkTexts::firmwarePrefix().trimmed(), "firmware", v.firmware),
  };
}

// The fields after the number, by column: what a change of a telephone is reported in.
QStringList differingFields(const PhoneRow& x, const PhoneRow& y, const QStringList& columns) {
  const auto fx = x.cells();
  const auto fy = y.cells();
  QStringList names;
  for (size_t i = 1; i < fx.size(); ++i)
    if (fx[i] != fy[i]) names << columns.at(static_cast<qsizetype>(i));
  return names;
}

// Telephones are matched by number. A number listed more than once is matched copy by copy:
// identical copies first, so a duplicate that stayed is never reported as changed.
void comparePhones(const std::vector<PhoneRow>& a, const std::vector<PhoneRow>& b, ExpanderDiff& d) {
  const QStringList columns = view::ViewTexts::phoneColumns();  // made once, not per changed field
  std::vector<bool> usedA(a.size()), usedB(b.size());
  auto pair = [&](bool exact) {
    for (size_t i = 0; i < a.size(); ++i) {
      for (size_t j = 0; j < b.size() && !usedA[i]; ++j) {
        if (usedB[j] || a[i].number() != b[j].number() || (exact && !(a[i] == b[j]))) continue;
        usedA[i] = usedB[j] = true;
        if (!exact) d.changed.push_back({a[i], b[j], differingFields(a[i], b[j], columns)});
      }
    }
  };
  pair(true);
  pair(false);
  for (size_t i = 0; i < a.size(); ++i)
    if (!usedA[i]) d.removed.push_back(a[i]);
  for (size_t j = 0; j < b.size(); ++j)
    if (!usedB[j]) d.added.push_back(b[j]);
}

const ExpanderView* inSlot(const ConfigView& v, int slot) {
  for (const ExpanderView& e : v.expanders)
    if (e.slot == slot) return &e;
  return nullptr;
}

bool compareExpander(const ExpanderView* a, const ExpanderView* b, int slot, ExpanderDiff& d) {
  static const ExpanderView kNone;
  d.slot = slot;
  d.status = !a ? ExpanderStatus::Added : !b ? ExpanderStatus::Removed : ExpanderStatus::Changed;
  const ExpanderView& ea = a ? *a : kNone;
  const ExpanderView& eb = b ? *b : kNone;
  d.simA = ea.sim;
  d.simB = eb.sim;
  d.simDiffers = ea.sim != eb.sim;
  comparePhones(ea.phones, eb.phones, d);
  return d.status != ExpanderStatus::Changed || d.simDiffers || !d.added.empty() || !d.removed.empty() ||
         !d.changed.empty();
}

}  // namespace

ConfigDiff compareViews(const ConfigView& a, const ConfigView& b) {
  ConfigDiff d;
  const std::vector<Setting> sa = settingsOf(a);
  const std::vector<Setting> sb = settingsOf(b);
  for (size_t i = 0; i < sa.size(); ++i)
    if (sa[i].value != sb[i].value) d.settings.push_back({sa[i].label, sa[i].key, sa[i].text, sb[i].text, sa[i].value, sb[i].value});
  for (int s = 0; s < kSlotCount; ++s) {
    const ExpanderView* ea = inSlot(a, s);
    const ExpanderView* eb = inSlot(b, s);
    if (!ea && !eb) continue;
    ExpanderDiff e;
    if (compareExpander(ea, eb, s, e)) d.expanders.push_back(std::move(e));
  }
  return d;
}

}  // namespace orbisk
