// What a spreadsheet does to values it takes for numbers: "+7282" saved as "7282", "079" as
// "79", "0E12" as "0". Found by comparing a replacing import with the list it replaces.
#pragma once

#include <QStringList>

#include "core/exchange/phone_csv.h"

namespace orbisk {

// Each row is compared with the telephone at its place in the list (the order export writes).
// A value that differs from the one there but reads as the same number is told with its line.
QStringList spreadsheetDamage(const ConfigImage& img, const ImportedPhones& rows);

}  // namespace orbisk
