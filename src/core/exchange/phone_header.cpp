#include "core/exchange/phone_header.h"

#include "core/exchange/exchange_texts.h"

namespace orbisk {
namespace {

struct ColumnNames {
  const QString& russian;
  const char* english;  // as orbisk-cli show --json names it
  const QStringList& synonyms;
};

const std::array<ColumnNames, kColumnCount>& columnNames() {
  static const std::array<ColumnNames, kColumnCount> names{{
      {text::kCsvSlotHeader, "slot", text::kCsvSlotSynonyms},
      {text::kCsvNumberHeader, "number", text::kCsvNumberSynonyms},
      {text::kCsvObjectHeader, "object", text::kCsvObjectSynonyms},
      {text::kCsvEventHeader, "event", text::kCsvEventSynonyms},
      {text::kCsvZoneHeader, "zone", text::kCsvZoneSynonyms},
      {text::kCsvPartitionHeader, "partition", text::kCsvPartitionSynonyms},
      {text::kCsvCommentHeader, "comment", text::kCsvCommentSynonyms},
  }};
  return names;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
// Compared in place: a QString made of the English name for every cell of every row cost more
// than the rest of reading a file.
bool sameName(const QString& a, QLatin1String b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// simplified() makes a new string even when there is nothing to do, as for most cells.
bool isSimple(const QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s.at(i);
    if (!c.isSpace()) continue;
    if (c != u' ' || i == 0 || i + 1 == s.size() || s.at(i + 1).isSpace()) return false;
  }
  return true;
}

int columnOf(const QString& header) {
  const QString h = isSimple(header) ? header : header.simplified();
  for (int c = 0; c < kColumnCount; ++c) {
    const ColumnNames& n = columnNames()[static_cast<size_t>(c)];
    if (sameName(h, n.russian) || sameName(h, QLatin1String(n.english))) return c;
    for (const QString& s : n.synonyms)
      if (sameName(h, s)) return c;
  }
  return -1;
}

bool namesNumber(const CsvRow& row) {
  for (const QString& f : row.fields)
    if (columnOf(f) == kNumber) return true;
  return false;
}

void readHeader(const CsvRow& header, PhoneHeader& out, QStringList& errors, QStringList& notices) {
  out.map.fill(-1);
  out.width = static_cast<int>(header.fields.size());
  for (int k = 0; k < header.fields.size(); ++k) {
    const QString cell = header.fields.at(k).trimmed();
    const int c = columnOf(cell);
    if (c < 0) {
      if (!cell.isEmpty()) notices << text::kImportErrorLine.arg(header.line).arg(text::kImportUnknownColumn.arg(cell));
      continue;
    }
    if (out.map[static_cast<size_t>(c)] >= 0)
      errors << text::kImportErrorLine.arg(header.line).arg(text::kImportDuplicateColumn.arg(cell));
    out.map[static_cast<size_t>(c)] = k;
  }
}

}  // namespace

const QString& columnTitle(int column) { return columnNames()[static_cast<size_t>(column)].russian; }

bool isEmptyRow(const CsvRow& row) {
  for (const QString& f : row.fields)
    if (!f.trimmed().isEmpty()) return false;
  return true;
}

bool hasHeaderRow(const CsvTable& table) {
  for (const CsvRow& row : table.rows)
    if (namesNumber(row)) return true;
  return false;
}

bool findHeader(const CsvTable& table, int targetSlot, PhoneHeader& out, QStringList& errors, QStringList& notices) {
  qsizetype first = -1;
  for (qsizetype r = 0; r < table.rows.size() && out.row < 0; ++r) {
    if (isEmptyRow(table.rows.at(r))) continue;
    if (first < 0) first = r;
    if (namesNumber(table.rows.at(r))) out.row = r;
  }
  if (out.row < 0) out.row = first;
  if (out.row < 0) return false;
  const CsvRow& header = table.rows.at(out.row);
  const qsizetype before = errors.size();
  readHeader(header, out, errors, notices);
  auto missing = [&](int column) {
    errors << text::kImportErrorLine.arg(header.line).arg(text::kImportMissingColumn.arg(columnTitle(column)));
  };
  if (targetSlot < 0 && out.map[kSlot] < 0) missing(kSlot);
  if (out.map[kNumber] < 0) missing(kNumber);
  return errors.size() == before;
}

}  // namespace orbisk
