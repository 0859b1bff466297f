// Telephone tables as rows of text: the columns, export of the tables and reading rows back
// into what the record packer takes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "core/files/atomic_write.h"
#include "core/image/config_image.h"

namespace orbisk {

// One telephone as read from a row, checked and ready for the record packer (code page 1251).
struct ImportedPhone {
  int line = 0;
  int slot = 0;
  int place = 0;  // among the file's rows of its slot, refused ones counted too
  unsigned given = 0;  // bit per column (slot, number, object, event, zone, partition, comment): the cell held a value
  QByteArray number;
  QByteArray field;  // the 13 cells of the editor
  QByteArray comment;
};

struct ImportedPhones {
  QList<ImportedPhone> rows;
  QStringList errors;  // every problem with its line; when not empty the rows are not to be used
  QStringList notices;  // what is taken differently from how a cell reads, or left out, with its line
};

enum class CsvStyle {
  Standard,  // UTF-8, ","
  Excel,     // code page 1251, ";", values quoted: what a spreadsheet on a Russian Windows opens directly
};

// The header row and then one row of cells per telephone of the slots in slotMask.
QList<QStringList> phoneTableRows(const ConfigImage& img, uint16_t slotMask);
// The header row and one row per telephone of the slotMask in mask, in slot and list order;
// quoteValues quotes every value of the telephones.
QString phoneTableText(const ConfigImage& img, uint16_t slotMask, QChar separator, bool quoteValues = false);
QByteArray exportPhonesCsv(const ConfigImage& img, uint16_t slotMask, CsvStyle style);

// Rows of a file: encoding and separator are detected.
ImportedPhones readPhonesCsv(const QByteArray& bytes);
// Rows of text already decoded (the clipboard). targetSlot >= 0 puts every row into that slot
// and makes the slot column unnecessary.
ImportedPhones readPhonesText(const QString& text, int targetSlot = -1);


// Whole file; false when it cannot be read or is far larger than 16 x 200 telephones can be.
bool readCsvFile(const QString& path, QByteArray& bytes);
// Through a temporary file and a rename, so a failure leaves no half-written file; a name taken
// by anything but a regular file is refused.
SaveCause writeCsvFile(const QString& path, const QByteArray& bytes);

}  // namespace orbisk
