#include "core/exchange/phone_csv.h"

#include <QFile>

#include "core/exchange/csv_text.h"
#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_fields.h"
#include "core/exchange/phone_header.h"
#include "core/files/regular_file.h"
#include "core/image/cp1251.h"
#include "core/image/settings_lists.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"

namespace orbisk {
namespace {

constexpr qint64 kMaxCsvBytes = 16 * 1024 * 1024;  // far above 16 x 200 telephones

QStringList phoneFields(const ConfigImage& img, int slot, int index) {
  const uint8_t* rec = img.record(slot, index);
  // The editor's decoding keeps a 16-symbol number that the list shows as empty.
  return {QString(slotChar(slot)),
          QString::fromLatin1(raspactel(rec, Decoding::Editor)),
          QString::fromLatin1(numobject(rec)),
          QString::fromLatin1(kodsob(rec)),
          QString::fromLatin1(numzona(rec)),
          QString::fromLatin1(numrazdel(rec)),
          fromCp1251(commentText(rec))};
}

}  // namespace

QList<QStringList> phoneTableRows(const ConfigImage& img, uint16_t slotMask) {
  QList<QStringList> rows{csvHeaders()};
  for (int s = 0; s < kSlotCount; ++s) {
    if ((slotMask & (1u << s)) == 0) continue;
    const int count = usablePhoneCount(img, s);
    for (int i = 0; i < count; ++i) rows << phoneFields(img, s, i);
  }
  return rows;
}

QString phoneTableText(const ConfigImage& img, uint16_t slotMask, QChar separator, bool quoteValues) {
  const QList<QStringList> rows = phoneTableRows(img, slotMask);
  QString out = csvRow(rows.front(), separator);
  for (qsizetype r = 1; r < rows.size(); ++r) out += csvRow(rows.at(r), separator, quoteValues);
  return out;
}

QByteArray exportPhonesCsv(const ConfigImage& img, uint16_t slotMask, CsvStyle style) {
  if (style == CsvStyle::Excel) return toCp1251(phoneTableText(img, slotMask, u';', true));
  return phoneTableText(img, slotMask, u',').toUtf8();
}

ImportedPhones readPhonesCsv(const QByteArray& bytes) {
  return readPhonesText(decodeCsvBytes(bytes));
}

ImportedPhones readPhonesText(const QString& text, int targetSlot) {
  CsvTable table = splitCsv(text, detectSeparator(text));
  // The first line may be a title without the header's separator: the one that finds the
  // header row is the file's.
  if (!hasHeaderRow(table)) {
    const QChar first = table.separator;
    for (const QChar separator : {u',', u';', u'\t'}) {
      // Looked for in place first: splitting a file that has no header three times cost more
      // than the rest of an import.
      if (separator == first || !anyCsvField(text, separator, namesNumberColumn)) continue;
      table = splitCsv(text, separator);
      break;
    }
  }
  return readPhoneTable(table, targetSlot);
}

}  // namespace orbisk

namespace orbisk {

bool readCsvFile(const QString& path, QByteArray& bytes) {
  QFile f(path);
  if (!openRegularFile(f, QIODevice::ReadOnly) || f.size() > kMaxCsvBytes) return false;
  bytes = f.read(kMaxCsvBytes + 1);
  return bytes.size() <= kMaxCsvBytes && f.error() == QFileDevice::NoError;
}

SaveCause writeCsvFile(const QString& path, const QByteArray& bytes) {
  return writeAtomically(path, bytes, Placement::Replace);
}

}  // namespace orbisk
