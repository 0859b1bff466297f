#include "core/exchange/csv_text.h"

#include <QStringDecoder>
#include <array>

#include "core/image/cp1251.h"

namespace orbisk {
namespace {

const QChar kQuote = u'"';

bool isLineBreak(QChar c) { return c == u'\n' || c == u'\r'; }

// Reads the field that begins at i; leaves i on the separator or line break after it.
QString readField(const QString& text, qsizetype& i, QChar sep, int& line, bool& unclosed) {
  QString value;
  if (i < text.size() && text.at(i) == kQuote) {
    ++i;
    while (true) {
      if (i >= text.size()) {
        unclosed = true;
        return value;
      }
      const QChar c = text.at(i++);
      if (c == kQuote) {
        if (i < text.size() && text.at(i) == kQuote) {
          value += kQuote;
          ++i;
          continue;
        }
        break;
      }
      if (c == u'\n') ++line;
      value += c;
    }
  }
  // Unquoted text, or what a spreadsheet left after a closing quote, up to the separator: taken
  // in one piece, not a character at a time.
  const qsizetype from = i;
  while (i < text.size() && text.at(i) != sep && !isLineBreak(text.at(i))) ++i;
  if (i == from) return value;
  if (value.isEmpty()) return text.mid(from, i - from);
  return value.append(QStringView(text).mid(from, i - from));
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

CsvTable splitCsv(const QString& text, QChar separator) {
  CsvTable table;
  table.separator = separator;
  qsizetype i = 0;
  int line = 1;
  while (i < text.size()) {
    CsvRow row;
    row.line = line;
    bool unclosed = false;
    while (true) {
      row.fields << readField(text, i, separator, line, unclosed);
      if (unclosed) {
        table.unclosedQuoteLine = row.line;
        return table;
      }
      if (i < text.size() && text.at(i) == separator) {
        ++i;
        continue;
      }
      break;
    }
    skipLineBreak(text, i, line);
    table.rows << std::move(row);
  }
  return table;
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
