// Comma-separated text as spreadsheets read and write it (RFC 4180 quoting), without any
// knowledge of telephones.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace orbisk {

struct CsvRow {
  int line = 0;  // line of the text where the row begins, from 1
  qsizetype first = 0;  // the row's first field among the table's
  qsizetype width = 0;  // how many fields it has
};

// The fields' characters are kept one after another in one buffer: a list of a few hundred
// telephones would otherwise make a string for each of its thousands of cells.
struct CsvTable {
  QChar separator;
  QList<CsvRow> rows;
  int unclosedQuoteLine = 0;  // line where a quoted field begins that never ends; 0 = none

  // Field k of the row; empty beyond its width. Valid until the table changes.
  QStringView field(const CsvRow& row, qsizetype k) const;
  QStringList fields(const CsvRow& row) const;
  void addField(QStringView value);
  void endRow(int line);  // the fields added since the row before make a row
  void addRow(int line, const QStringList& fields);
  void reserve(qsizetype chars);

 private:
  QString chars_;
  QList<qsizetype> ends_;  // where each field ends in chars_
};

// UTF-16 with a byte-order mark; UTF-8 (with or without one) when the bytes are valid UTF-8;
// else code page 1251.
QString decodeCsvBytes(const QByteArray& bytes);
// The separator of the first line (",", ";" or tab), by which of them occurs most outside quotes.
QChar detectSeparator(const QString& text);
// Splits the whole text; quoted fields may hold separators, doubled quotes and line breaks.
CsvTable splitCsv(const QString& text, QChar separator);
// Whether a field of a whole row of splitCsv(text, separator) passes test, with nothing copied.
bool anyCsvField(const QString& text, QChar separator, const std::function<bool(QStringView)>& test);

// One field as it must be written: quoted when it holds the separator, a quote or a line break,
// or always (a spreadsheet told to take quoted fields as text then keeps "+7..." and "0012").
QString csvField(const QString& value, QChar separator, bool alwaysQuote = false);
// A whole row ending in CR LF.
QString csvRow(const QStringList& fields, QChar separator, bool alwaysQuote = false);

}  // namespace orbisk
