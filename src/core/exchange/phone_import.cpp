#include "core/exchange/phone_import.h"

#include "core/exchange/exchange_texts.h"
#include "core/exchange/spreadsheet_damage.h"
#include "core/image/settings_lists.h"
#include "core/records/phone_table.h"

namespace orbisk {
namespace {

// Counts per slot and the 200 limit, told at the first row that does not fit.
void planSlots(const ConfigImage& img, const ImportedPhones& rows, ImportResult& r) {
  for (const ImportedPhone& row : rows.rows) {
    SlotImport& s = r.perSlot[static_cast<size_t>(row.slot)];
    s.rows += 1;
    const int base = r.mode == ImportMode::Replace ? 0 : usablePhoneCount(img, row.slot);
    if (base + s.rows == kMaxPhones + 1)
      r.errors << text::ExchangeTexts::importErrorLine().arg(row.line).arg(
          text::ExchangeTexts::importTooManyPhones().arg(slotChar(row.slot)));
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SlotImport& s = r.perSlot[static_cast<size_t>(slot)];
    s.before = usablePhoneCount(img, slot);
    s.after = s.rows == 0 ? s.before : (r.mode == ImportMode::Replace ? 0 : s.before) + s.rows;
    r.total += s.rows;
  }
}

bool addMissingExpanders(ConfigImage& out, ExpanderSet set, ImportResult& r) {
  // With a count of 0 the tree shows no expander, yet a write still sends the mask: an import
  // into one slot must not take the others' bits off the receiver, so it only ever adds bits.
  set.mask = static_cast<uint16_t>(set.mask | out.mask());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    SlotImport& s = r.perSlot[static_cast<size_t>(slot)];
    if (s.rows == 0 || set.inUse(slot)) continue;
    if (!addExpanderAt(out, set, slot)) {
      r.errors << text::ExchangeTexts::importNoRoomForExpander().arg(slotChar(slot));
      return false;
    }
    s.added = true;
  }
  return true;
}

}  // namespace

ImportResult buildImport(const ConfigImage& img, const ExpanderSet& expanders, const ImportedPhones& rows, ImportMode mode,
                         ConfigImage& out) {
  ImportResult r;
  r.mode = mode;
  r.errors = rows.errors;
  r.notices = rows.notices;
  if (mode == ImportMode::Replace) r.errors << spreadsheetDamage(img, rows);
  out = img;
  if (!r.ok()) return r;
  planSlots(img, rows, r);
  if (r.ok() && addMissingExpanders(out, expanders, r)) {
    if (mode == ImportMode::Replace)
      for (int slot = 0; slot < kSlotCount; ++slot)
        if (r.perSlot[static_cast<size_t>(slot)].rows > 0) out.setPhoneCount(slot, 0);
    // A count byte above 200 from a file would refuse every append: start from what is usable.
    for (int slot = 0; slot < kSlotCount; ++slot)
      if (r.perSlot[static_cast<size_t>(slot)].rows > 0) out.setPhoneCount(slot, usablePhoneCount(out, slot));
    for (const ImportedPhone& row : rows.rows) appendPhone(out, row.slot, row.number, row.field, row.comment);
  }
  if (!r.ok()) out = img;
  return r;
}

QStringList importSummary(const ImportResult& result) {
  QStringList lines;
  lines << (result.mode == ImportMode::Replace ? text::ExchangeTexts::importSummaryReplace()
                                               : text::ExchangeTexts::importSummaryAppend());
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotImport& s = result.perSlot[static_cast<size_t>(slot)];
    if (s.rows == 0) continue;
    QString line = text::ExchangeTexts::importSummarySlot().arg(slotChar(slot)).arg(s.rows).arg(s.before).arg(s.after);
    if (s.added) line += text::ExchangeTexts::importSummaryAdded();
    lines << line;
  }
  lines << text::ExchangeTexts::importSummaryTotal().arg(result.total);
  if (!result.notices.isEmpty()) lines << text::ExchangeTexts::importNoticesHeading() << result.notices;
  return lines;
}

}  // namespace orbisk
