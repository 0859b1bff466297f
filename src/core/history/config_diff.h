// What differs between two configurations, as the main window would show them: the settings by
// their panel labels and shown texts, the expanders in use, SIM numbers and telephone lists.
// The clock stamp, the signature, byte 2 and the unused areas never count.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

#include "core/image/config_image.h"
#include "core/view/config_view.h"

namespace orbisk {

struct SettingDiff {
  QString label;       // the settings panel's label or check box caption
  QString key;         // the name `show --json` gives it ("receiver_number", "options.sms")
  QString textA, textB;  // as the panel shows them
  QVariant valueA, valueB;  // as `show --json` gives them
};

struct PhoneDiff {
  PhoneRow a, b;
  QStringList fields;  // column captions of the fields that differ
};

enum class ExpanderStatus { Added, Removed, Changed };

struct ExpanderDiff {
  int slot = 0;
  ExpanderStatus status = ExpanderStatus::Changed;
  bool simDiffers = false;
  QString simA, simB;  // empty on the side the expander is missing from
  std::vector<PhoneRow> added, removed;
  std::vector<PhoneDiff> changed;
};

struct ConfigDiff {
  std::vector<SettingDiff> settings;
  std::vector<ExpanderDiff> expanders;  // slot order
  bool same() const { return settings.empty() && expanders.empty(); }
};

ConfigDiff compareViews(const ConfigView& a, const ConfigView& b);
inline ConfigDiff compareImages(const ConfigImage& a, const ConfigImage& b) {
  return compareViews(describe(a), describe(b));
}

// The differences as the comparison window groups them: a heading and its lines.
struct DiffGroup {
  QString heading;
  QStringList lines;
};
std::vector<DiffGroup> diffGroups(const ConfigDiff& d);
// The groups as text: headings, lines indented under them; the "same" text when nothing differs.
QString diffText(const ConfigDiff& d);

}  // namespace orbisk
