// Reading a workbook: the zip archive through libzip, its XML parts through xlsx_sheet.
#include <zip.h>

#include <memory>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_fields.h"
#include "core/exchange/phone_xlsx.h"
#include "core/exchange/xlsx_sheet.h"

namespace orbisk {
namespace {

// No part of a workbook of 16 x 200 telephones comes near this; a larger one is refused before
// it is unpacked, so an archive that inflates to gigabytes costs nothing.
constexpr zip_uint64_t kMaxPartBytes = 32 * 1024 * 1024;

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct EntryCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

Zip openZip(const QByteArray& bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* src = zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
  zip_t* z = src ? zip_open_from_source(src, ZIP_RDONLY, &error) : nullptr;
  if (src && !z) zip_source_free(src);
  zip_error_fini(&error);
  return Zip(z);
}

// The part's bytes; false when it is missing, too large or damaged.
bool readPart(zip_t* z, const QString& name, QByteArray& out) {
  zip_stat_t st;
  zip_stat_init(&st);
  const QByteArray n = name.toUtf8();
  if (zip_stat(z, n.constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) || st.size > kMaxPartBytes) return false;
  std::unique_ptr<zip_file_t, EntryCloser> f(zip_fopen(z, n.constData(), 0));
  if (!f) return false;
  out.resize(static_cast<qsizetype>(st.size));
  const zip_int64_t got = zip_fread(f.get(), out.data(), st.size);
  char extra = 0;
  return got == static_cast<zip_int64_t>(st.size) && zip_fread(f.get(), &extra, 1) == 0;
}

}  // namespace

bool xlsxAvailable() { return true; }

ImportedPhones readPhonesXlsx(const QByteArray& bytes) {
  ImportedPhones broken;
  broken.errors << text::ExchangeTexts::xlsxBroken();
  const Zip z = openZip(bytes);
  if (!z) return broken;
  QByteArray workbook, rels, strings, sheet;
  QStringList shared;
  readPart(z.get(), QStringLiteral("xl/workbook.xml"), workbook);
  readPart(z.get(), QStringLiteral("xl/_rels/workbook.xml.rels"), rels);
  // A workbook of numbers only has no shared strings at all.
  if (readPart(z.get(), QStringLiteral("xl/sharedStrings.xml"), strings) && !readSharedStrings(strings, shared))
    return broken;
  if (!readPart(z.get(), firstSheetPart(workbook, rels), sheet)) return broken;
  const SheetRows rows = readSheetRows(sheet, shared);
  if (!rows.error.isEmpty()) {
    broken.errors = QStringList{rows.error};
    return broken;
  }
  ImportedPhones out = readPhoneTable(rows.table, -1);
  out.notices = rows.notices + out.notices;
  return out;
}

}  // namespace orbisk
