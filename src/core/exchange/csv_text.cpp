#include "core/exchange/csv_text.h"

#include <QStringDecoder>
#include <array>

#include "core/image/cp1251.h"

namespace orbisk {
namespace {

const QChar kQuote = u'"';

bool isLineBreak(QChar c) { return c == u'\n' || c == u'\r'; }

// Reads the field that begins at i; leaves i on the separator or line break after it. Unquoted
// text is a view of the text itself; only a quoted field is built, in scratch.
QStringView readField(const QString& text, qsizetype& i, QChar sep, int& line, bool& unclosed, QString& scratch) {
  scratch.clear();
  if (i < text.size() && text.at(i) == kQuote) {
    ++i;
    while (true) {
      if (i >= text.size()) {
        unclosed = true;
        return scratch;
      }
      const QChar c = text.at(i++);
      if (c == kQuote) {
        if (i < text.size() && text.at(i) == kQuote) {
          scratch += kQuote;
          ++i;
          continue;
        }
        break;
      }
      if (c == u'\n') ++line;
      scratch += c;
    }
  }
  // Unquoted text, or what a spreadsheet left after a closing quote, up to the separator: taken
  // in one piece, not a character at a time.
  const qsizetype from = i;
  while (i < text.size() && text.at(i) != sep && !isLineBreak(text.at(i))) ++i;
  const QStringView rest = QStringView(text).mid(from, i - from);
  if (rest.isEmpty()) return scratch;
  if (scratch.isEmpty()) return rest;
  return scratch.append(rest);
}

void skipLineBreak(const QString& text, qsizetype& i, int& line) {
  if (i < text.size() && text.at(i) == u'\r') ++i;
  if (i < text.size() && text.at(i) == u'\n') ++i;
  ++line;
}

}  // namespace

QString decodeCsvBytes(const QByteArray& bytes) {
  const QByteArray& body = bytes;
  if (body.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(body.mid(3));
  // "Unicode text" of spreadsheets: UTF-16 with its byte-order mark.
  if (body.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE).decode(body.mid(2));
  if (body.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE).decode(body.mid(2));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return fromCp1251(body);
}

QChar detectSeparator(const QString& text) {
  const std::array<QChar, 3> candidates{u',', u';', u'\t'};
  std::array<int, 3> counts{};
  bool quoted = false;
  for (const QChar c : text) {
    if (c == kQuote) quoted = !quoted;
    if (!quoted && isLineBreak(c)) break;
    if (quoted) continue;
    for (size_t k = 0; k < candidates.size(); ++k)
      if (c == candidates[k]) ++counts[k];
  }
  size_t best = 0;
  for (size_t k = 1; k < candidates.size(); ++k)
    if (counts[k] > counts[best]) best = k;
  return candidates[best];
}

namespace {

// Walks the text row by row: field(view) for every field, row(line) when a row ends. Stops at a
// quoted field that never ends and returns the line where its row begins, else 0.
template <typename Field, typename Row>
int walkCsv(const QString& text, QChar separator, Field field, Row row) {
  QString scratch;
  qsizetype i = 0;
  int line = 1;
  while (i < text.size()) {
    const int first = line;
    bool unclosed = false;
    while (true) {
      const QStringView value = readField(text, i, separator, line, unclosed, scratch);
      if (unclosed) return first;
      field(value);
      if (i < text.size() && text.at(i) == separator) {
        ++i;
        continue;
      }
      break;
    }
    skipLineBreak(text, i, line);
    row(first);
  }
  return 0;
}

}  // namespace

QStringView CsvTable::field(const CsvRow& row, qsizetype k) const {
  if (k < 0 || k >= row.width) return {};
  const qsizetype i = row.first + k;
  const qsizetype from = i == 0 ? 0 : ends_.at(i - 1);
  return QStringView(chars_.constData() + from, ends_.at(i) - from);
}

QStringList CsvTable::fields(const CsvRow& row) const {
  QStringList out;
  for (qsizetype k = 0; k < row.width; ++k) out << field(row, k).toString();
  return out;
}

void CsvTable::addField(QStringView value) {
  chars_.append(value);
  ends_ << chars_.size();
}

void CsvTable::endRow(int line) {
  const qsizetype first = rows.isEmpty() ? 0 : rows.last().first + rows.last().width;
  rows << CsvRow{line, first, ends_.size() - first};
}

void CsvTable::addRow(int line, const QStringList& fields) {
  for (const QString& f : fields) addField(f);
  endRow(line);
}

void CsvTable::reserve(qsizetype chars) {
  chars_.reserve(chars);
  ends_.reserve(chars / 4);
}

CsvTable splitCsv(const QString& text, QChar separator) {
  CsvTable table;
  table.separator = separator;
  table.reserve(text.size());
  table.unclosedQuoteLine = walkCsv(
      text, separator, [&](QStringView value) { table.addField(value); }, [&](int line) { table.endRow(line); });
  return table;
}

bool anyCsvField(const QString& text, QChar separator, const std::function<bool(QStringView)>& test) {
  bool inRow = false, found = false;
  walkCsv(
      text, separator, [&](QStringView value) { inRow = inRow || test(value); },
      [&](int) {
        found = found || inRow;
        inRow = false;
      });
  return found;  // a row cut short by an unclosed quote is not in the table, nor counted here
}

QString csvField(const QString& value, QChar separator, bool alwaysQuote) {
  const bool needsQuotes = alwaysQuote || value.contains(separator) || value.contains(kQuote) ||
                           value.contains(u'\n') || value.contains(u'\r');
  if (!needsQuotes) return value;
  QString quoted = value;
  quoted.replace(kQuote, QStringLiteral("\"\""));
  return kQuote + quoted + kQuote;
}

QString csvRow(const QStringList& fields, QChar separator, bool alwaysQuote) {
  QStringList out;
  out.reserve(fields.size());
  for (const QString& f : fields) out << csvField(f, separator, alwaysQuote);
  return out.join(separator) + QStringLiteral("\r\n");
}

}  // namespace orbisk
