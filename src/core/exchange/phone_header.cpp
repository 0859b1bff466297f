#include "core/exchange/phone_header.h"

#include "core/exchange/exchange_texts.h"

namespace orbisk {
namespace {

struct ColumnNames {
  QString russian;
  const char* english;  // as orbisk-cli show --json names it
  QStringList synonyms;
};

const std::array<ColumnNames, kColumnCount>& columnNames() {
  static const std::array<ColumnNames, kColumnCount> names{{
      {text::ExchangeTexts::csvSlotHeader(), "slot", text::ExchangeTexts::csvSlotSynonyms()},
      {text::ExchangeTexts::csvNumberHeader(), "number", text::ExchangeTexts::csvNumberSynonyms()},
      {text::ExchangeTexts::csvObjectHeader(), "object", text::ExchangeTexts::csvObjectSynonyms()},
      {text::ExchangeTexts::csvEventHeader(), "event", text::ExchangeTexts::csvEventSynonyms()},
      {text::ExchangeTexts::csvZoneHeader(), "zone", text::ExchangeTexts::csvZoneSynonyms()},
      {text::ExchangeTexts::csvPartitionHeader(), "partition", text::ExchangeTexts::csvPartitionSynonyms()},
      {text::ExchangeTexts::csvCommentHeader(), "comment", text::ExchangeTexts::csvCommentSynonyms()},
  }};
  return names;
}

// Every name of each column, case-folded once: the cells are folded a character at a time.
const std::array<QStringList, kColumnCount>& foldedNames() {
  static const std::array<QStringList, kColumnCount> folded = [] {
    std::array<QStringList, kColumnCount> f;
    for (int c = 0; c < kColumnCount; ++c) {
      const ColumnNames& n = columnNames()[static_cast<size_t>(c)];
      QStringList& out = f[static_cast<size_t>(c)];
      out << n.russian.toCaseFolded() << QString::fromLatin1(n.english).toCaseFolded();
      for (const QString& s : n.synonyms) out << s.toCaseFolded();
    }
    return f;
  }();
  return folded;
}

// The cell as simplified() would leave it, compared with a folded name ignoring case, without
// making a string: most cells are data and differ at their first letter.
bool sameName(QStringView cell, const QString& folded) {
  const qsizetype n = cell.size();
  qsizetype i = 0, k = 0;
  auto skipSpace = [&] {
    while (i < n && cell[i].isSpace()) ++i;
  };
  skipSpace();
  while (i < n) {
    QChar c = cell[i];
    if (c.isSpace()) {
      skipSpace();
      if (i == n) break;  // blanks at the end
      c = QChar(u' ');
    } else {
      ++i;
    }
    if (k == folded.size() || c.toCaseFolded() != folded[k]) return false;
    ++k;
  }
  return k == folded.size();
}

// The first letter of every name, folded: a cell that begins with none of them names no column,
// and most cells are data (a telephone, a code, a comment) that fail there.
bool mayBeName(QStringView cell) {
  static const QString letters = [] {
    QString s;
    for (const QStringList& column : foldedNames())
      for (const QString& name : column)
        if (!s.contains(name.front())) s += name.front();
    return s;
  }();
  for (const QChar c : cell)
    if (!c.isSpace()) return letters.contains(c.toCaseFolded());
  return false;
}

// Whether the cell is one of column c's names.
bool names(QStringView cell, int c) {
  for (const QString& name : foldedNames()[static_cast<size_t>(c)])
    if (sameName(cell, name)) return true;
  return false;
}

int columnOf(QStringView cell) {
  if (!mayBeName(cell)) return -1;
  for (int c = 0; c < kColumnCount; ++c)
    if (names(cell, c)) return c;
  return -1;
}

bool namesNumber(const CsvTable& table, const CsvRow& row) {
  for (qsizetype k = 0; k < row.width; ++k)
    if (namesNumberColumn(table.field(row, k))) return true;
  return false;
}

void readHeader(const CsvTable& table, const CsvRow& header, PhoneHeader& out, QStringList& errors, QStringList& notices) {
  out.map.fill(-1);
  out.width = static_cast<int>(header.width);
  for (int k = 0; k < header.width; ++k) {
    const QString cell = table.field(header, k).trimmed().toString();
    const int c = columnOf(cell);
    if (c < 0) {
      if (!cell.isEmpty())
        notices << text::ExchangeTexts::importErrorLine()
                       .arg(header.line)
                       .arg(text::ExchangeTexts::importUnknownColumn().arg(cell));
      continue;
    }
    if (out.map[static_cast<size_t>(c)] >= 0)
      errors << text::ExchangeTexts::importErrorLine()
                    .arg(header.line)
                    .arg(text::ExchangeTexts::importDuplicateColumn().arg(cell));
    out.map[static_cast<size_t>(c)] = k;
  }
}

}  // namespace

// As columnOf(cell) == kNumber, but most cells are data and fail at the number's own names.
bool namesNumberColumn(QStringView cell) {
  if (!mayBeName(cell) || !names(cell, kNumber)) return false;
  for (int c = 0; c < kNumber; ++c)
    if (names(cell, c)) return false;
  return true;
}

const QString& columnTitle(int column) { return columnNames()[static_cast<size_t>(column)].russian; }

bool isEmptyRow(const CsvTable& table, const CsvRow& row) {
  for (qsizetype k = 0; k < row.width; ++k)
    if (!table.field(row, k).trimmed().isEmpty()) return false;
  return true;
}

bool hasHeaderRow(const CsvTable& table) {
  for (const CsvRow& row : table.rows)
    if (namesNumber(table, row)) return true;
  return false;
}

bool findHeader(const CsvTable& table, int targetSlot, PhoneHeader& out, QStringList& errors, QStringList& notices) {
  qsizetype first = -1;
  for (qsizetype r = 0; r < table.rows.size() && out.row < 0; ++r) {
    if (isEmptyRow(table, table.rows.at(r))) continue;
    if (first < 0) first = r;
    if (namesNumber(table, table.rows.at(r))) out.row = r;
  }
  if (out.row < 0) out.row = first;
  if (out.row < 0) return false;
  const CsvRow& header = table.rows.at(out.row);
  const qsizetype before = errors.size();
  readHeader(table, header, out, errors, notices);
  auto missing = [&](int column) {
    errors << text::ExchangeTexts::importErrorLine()
                  .arg(header.line)
                  .arg(text::ExchangeTexts::importMissingColumn().arg(columnTitle(column)));
  };
  if (targetSlot < 0 && out.map[kSlot] < 0) missing(kSlot);
  if (out.map[kNumber] < 0) missing(kNumber);
  return errors.size() == before;
}

}  // namespace orbisk
