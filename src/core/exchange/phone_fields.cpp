#include "core/exchange/phone_fields.h"

#include <array>
#include <optional>

#include "core/exchange/exchange_texts.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"

namespace orbisk {
namespace {

enum Column { kSlot, kNumber, kObject, kEvent, kZone, kPartition, kComment, kColumnCount };

struct ColumnNames {
  const QString& russian;
  const char* english;  // as orbisk-cli show --json names it
};

const std::array<ColumnNames, kColumnCount>& columnNames() {
  static const std::array<ColumnNames, kColumnCount> names{{
      {text::kCsvSlotHeader, "slot"},
      {text::kCsvNumberHeader, "number"},
      {text::kCsvObjectHeader, "object"},
      {text::kCsvEventHeader, "event"},
      {text::kCsvZoneHeader, "zone"},
      {text::kCsvPartitionHeader, "partition"},
      {text::kCsvCommentHeader, "comment"},
  }};
  return names;
}

int columnOf(const QString& header) {
  const QString h = header.trimmed();
  for (int c = 0; c < kColumnCount; ++c) {
    const ColumnNames& n = columnNames()[static_cast<size_t>(c)];
    if (h.compare(n.russian, Qt::CaseInsensitive) == 0 || h.compare(QLatin1String(n.english), Qt::CaseInsensitive) == 0)
      return c;
  }
  return -1;
}

using ColumnMap = std::array<int, kColumnCount>;  // column -> field index, -1 when absent

struct RowContext {
  const CsvRow& row;
  const ColumnMap& map;
  QStringList& errors;

  QString value(int column) const {
    const int k = map[static_cast<size_t>(column)];
    return k >= 0 && k < row.fields.size() ? row.fields.at(k) : QString();
  }
  void fail(int column, const QString& value, const QString& why) const {
    errors << text::kImportErrorAt.arg(row.line).arg(columnNames()[static_cast<size_t>(column)].russian, value, why);
  }
};

bool isHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

// Up to width hex digits, padded with leading zeros as a spreadsheet dropped them; empty is all
// zeros, as the editor fills empty cells.
std::optional<QByteArray> hexField(const RowContext& ctx, int column, const QString& raw, int width) {
  const QString v = raw.trimmed().toUpper();
  for (const QChar c : v) {
    if (!isHexDigit(c)) {
      ctx.fail(column, raw, text::kImportNotHex);
      return std::nullopt;
    }
  }
  if (v.size() > width) {
    ctx.fail(column, raw, text::kImportTooLong.arg(width));
    return std::nullopt;
  }
  return QByteArray(width - static_cast<int>(v.size()), '0') + v.toLatin1();
}

std::optional<QByteArray> eventField(const RowContext& ctx) {
  const QString raw = ctx.value(kEvent);
  QString v = raw.trimmed().toUpper();
  // "E" is a hex digit too: only a four-character value or "E" alone carries the letter E.
  // Without a letter (a spreadsheet took the value for a number) it is an E event.
  char qualifier = 'E';
  if (v.startsWith(u'R') || (v.startsWith(u'E') && (v.size() == 4 || v.size() == 1))) {
    qualifier = v.front().toLatin1();
    v.remove(0, 1);
  }
  bool ok = v.size() <= 3;
  for (const QChar c : v) ok = ok && isHexDigit(c);
  if (!ok) {
    ctx.fail(kEvent, raw, text::kImportBadQualifier);
    return std::nullopt;
  }
  return QByteArray(1, qualifier) + QByteArray(3 - static_cast<int>(v.size()), '0') + v.toLatin1();
}

std::optional<QByteArray> numberField(const RowContext& ctx) {
  const QString raw = ctx.value(kNumber);
  QString v;
  for (const QChar c : raw) {
    // Blanks, brackets, dashes and dots are how people and spreadsheets format numbers.
    if (c.isSpace() || c == u'(' || c == u')' || c == u'-' || c == u'.') continue;
    if (!(c.isDigit() && c.unicode() < 0x80) && c != u'+' && c != u'*') {
      ctx.fail(kNumber, raw, text::kImportBadNumber);
      return std::nullopt;
    }
    v += c;
  }
  if (v.size() > 16) {
    ctx.fail(kNumber, raw, text::kImportNumberTooLong);
    return std::nullopt;
  }
  return v.toLatin1();
}

std::optional<QByteArray> commentField(const RowContext& ctx) {
  const QString raw = ctx.value(kComment);  // blanks at either end are the user's
  for (const QChar c : raw) {
    if (c.unicode() < 0x20) {
      ctx.fail(kComment, raw, text::kImportControlChar);
      return std::nullopt;
    }
    if (!fitsCp1251(c)) {
      ctx.fail(kComment, raw, text::kImportNotCp1251.arg(c));
      return std::nullopt;
    }
  }
  if (raw.size() > kCommentSize) {
    ctx.fail(kComment, raw, text::kImportCommentTooLong);
    return std::nullopt;
  }
  return toCp1251(raw);
}

std::optional<int> slotField(const RowContext& ctx) {
  const QString raw = ctx.value(kSlot);
  const QString v = raw.trimmed().toUpper();
  if (v.size() != 1 || !isHexDigit(v.front())) {
    ctx.fail(kSlot, raw, text::kImportNotSlot);
    return std::nullopt;
  }
  return static_cast<int>(char2bcd(v.front().toLatin1()));
}

bool readRow(const RowContext& ctx, int targetSlot, ImportedPhone& out) {
  const auto slot = targetSlot >= 0 ? std::optional<int>(targetSlot) : slotField(ctx);
  const auto number = numberField(ctx);
  const auto object = hexField(ctx, kObject, ctx.value(kObject), 4);
  const auto event = eventField(ctx);
  const auto zone = hexField(ctx, kZone, ctx.value(kZone), 3);
  const auto partition = hexField(ctx, kPartition, ctx.value(kPartition), 2);
  const auto comment = commentField(ctx);
  if (!slot || !number || !object || !event || !zone || !partition || !comment) return false;
  out.line = ctx.row.line;
  out.slot = *slot;
  out.number = *number;
  out.field = *object + *event + *zone + *partition;
  out.comment = *comment;
  return true;
}

bool readHeader(const CsvRow& header, int targetSlot, ColumnMap& map, QStringList& errors) {
  map.fill(-1);
  for (int k = 0; k < header.fields.size(); ++k) {
    const int c = columnOf(header.fields.at(k));
    if (c < 0) continue;  // columns of the user's own are left alone
    if (map[static_cast<size_t>(c)] >= 0)
      errors << text::kImportErrorLine.arg(header.line).arg(text::kImportDuplicateColumn.arg(header.fields.at(k).trimmed()));
    map[static_cast<size_t>(c)] = k;
  }
  if (targetSlot < 0 && map[kSlot] < 0)
    errors << text::kImportErrorLine.arg(header.line).arg(text::kImportMissingColumn.arg(text::kCsvSlotHeader));
  if (map[kNumber] < 0)
    errors << text::kImportErrorLine.arg(header.line).arg(text::kImportMissingColumn.arg(text::kCsvNumberHeader));
  return errors.isEmpty();
}

bool isEmptyRow(const CsvRow& row) {
  for (const QString& f : row.fields)
    if (!f.trimmed().isEmpty()) return false;
  return true;
}

}  // namespace

QStringList csvHeaders() {
  QStringList h;
  for (const ColumnNames& n : columnNames()) h << n.russian;
  return h;
}

ImportedPhones readPhoneTable(const CsvTable& table, int targetSlot) {
  ImportedPhones out;
  qsizetype first = 0;
  while (first < table.rows.size() && isEmptyRow(table.rows.at(first))) ++first;
  if (first == table.rows.size()) {
    out.errors << (table.unclosedQuoteLine > 0
                       ? text::kImportErrorLine.arg(table.unclosedQuoteLine).arg(text::kImportUnclosedQuote)
                       : text::kImportEmptyFile);
    return out;
  }
  ColumnMap map;
  if (!readHeader(table.rows.at(first), targetSlot, map, out.errors)) return out;
  for (qsizetype r = first + 1; r < table.rows.size(); ++r) {
    const CsvRow& row = table.rows.at(r);
    if (isEmptyRow(row)) continue;
    ImportedPhone phone;
    if (readRow(RowContext{row, map, out.errors}, targetSlot, phone)) out.rows << phone;
  }
  if (table.unclosedQuoteLine > 0)
    out.errors << text::kImportErrorLine.arg(table.unclosedQuoteLine).arg(text::kImportUnclosedQuote);
  if (out.errors.isEmpty() && out.rows.isEmpty()) out.errors << text::kImportNoPhones;
  return out;
}

}  // namespace orbisk
