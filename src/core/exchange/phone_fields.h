// The columns of a telephone table and the checks that turn a row's texts into a record's
// inputs, undoing what spreadsheets do to data (lost leading zeros, formatted numbers).
#pragma once

#include <QStringList>

#include "core/exchange/csv_text.h"
#include "core/exchange/phone_csv.h"

namespace orbisk {

QStringList csvHeaders();
// The first row is the header; empty rows are skipped.
ImportedPhones readPhoneTable(const CsvTable& table, int targetSlot);

}  // namespace orbisk
