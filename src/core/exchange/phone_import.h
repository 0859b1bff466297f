// Putting rows of telephones into a configuration: checked as a whole, built in a copy, so that
// an import with any error changes nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/exchange/phone_csv.h"
#include "core/image/expander_set.h"

namespace orbisk {

enum class ImportMode { Append, Replace };

struct SlotImport {
  int rows = 0;    // telephones the file gives for this slot
  int before = 0;  // telephones the slot held
  int after = 0;
  bool added = false;  // the expander was not in use and is added
};

struct ImportResult {
  QStringList errors;  // empty = success
  QStringList notices;  // what the rows take differently from how their cells read
  std::array<SlotImport, kSlotCount> perSlot{};
  int total = 0;
  ImportMode mode = ImportMode::Append;
  bool ok() const { return errors.isEmpty(); }
};

// Writes rows into out, which starts as a copy of img; expanders are the ones in use (the
// main window's working set, or expandersOf(img)). On errors out is left as img was. A replace
// refuses values a spreadsheet made numbers of, found against the lists it replaces.
ImportResult buildImport(const ConfigImage& img, const ExpanderSet& expanders, const ImportedPhones& rows, ImportMode mode,
                         ConfigImage& out);

// The summary shown before an import is done: one line per expander, the total, then the notices.
QStringList importSummary(const ImportResult& result);

}  // namespace orbisk
