// Telephone tables as .xlsx workbooks: every cell written as text, so a spreadsheet keeps the
// "+" and leading zeros of numbers, and every cell read back as the text it shows.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "core/exchange/phone_csv.h"
#include "core/image/config_image.h"

namespace orbisk {

// Whether this build reads and writes .xlsx (it needs libxlsxwriter and libzip).
bool xlsxAvailable();

// The header row and the telephones of the slots in slotMask, one sheet; empty when the build
// has no .xlsx or the workbook could not be made.
QByteArray exportPhonesXlsx(const ConfigImage& img, uint16_t slotMask);

// Rows of the first sheet, with the sheet's row numbers as line numbers.
ImportedPhones readPhonesXlsx(const QByteArray& bytes);

// A zip archive's signature: what .xlsx workbooks start with, and CSV text never does.
bool looksLikeXlsx(const QByteArray& bytes);

// Rows of a file of either kind, told apart by the content rather than the name.
ImportedPhones readPhonesFile(const QByteArray& bytes);

}  // namespace orbisk
