#include "core/exchange/phone_fields.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <optional>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_header.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"

namespace orbisk {
namespace {

// A value as a spreadsheet writes a number it made of it: "7,91234E+10", "1.5E-3".
bool looksLikeSpreadsheetNumber(const QString& v) {
  static const QRegularExpression re(QStringLiteral("^[+-]?\\d+([.,]\\d+)?[eE][+-]\\d+$"));
  // Every refused value is asked: most hold no exponent, and no match is begun for them.
  return v.contains(u'e', Qt::CaseInsensitive) && re.match(v.trimmed()).hasMatch();
}

struct RowContext {
  const CsvTable& table;
  const CsvRow& row;
  const ColumnMap& map;
  QStringList& errors;
  QStringList& notices;

  // A view of the cell, so that a row's checks make no string unless they report one.
  QStringView value(int column) const {
    const int k = map[static_cast<size_t>(column)];
    return k >= 0 ? table.field(row, k) : QStringView();
  }
  void fail(int column, QStringView value, const QString& why) const {
    const QString v = value.toString();
    const QString said = looksLikeSpreadsheetNumber(v) ? text::ExchangeTexts::importSpreadsheetNumber() : why;
    errors << text::ExchangeTexts::importErrorAt().arg(row.line).arg(columnTitle(column), v, said);
  }
  void notice(int column, QStringView value, const QString& what) const {
    notices << text::ExchangeTexts::importErrorAt().arg(row.line).arg(columnTitle(column), value.toString(), what);
  }
};

bool isHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// An ASCII letter in upper case; anything beyond ASCII is no letter of a code.
char upperAscii(QChar c) {
  if (c.unicode() >= 0x80) return '\0';
  const char a = static_cast<char>(c.unicode());
  return a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a;
}

// The digits of v in upper case after as many zeros as make width characters.
void putPadded(QStringView v, qsizetype width, char* to) {
  const qsizetype pad = width - v.size();
  std::fill(to, to + pad, '0');
  for (qsizetype i = 0; i < v.size(); ++i) to[pad + i] = upperAscii(v[i]);
}

// Up to width hex digits into to, padded with leading zeros as a spreadsheet dropped them; empty
// is all zeros, as the editor fills empty cells.
bool hexField(const RowContext& ctx, int column, int width, char* to) {
  const QStringView raw = ctx.value(column);
  const QStringView v = raw.trimmed();
  for (const QChar c : v) {
    if (!isHexDigit(c)) {
      ctx.fail(column, raw, text::ExchangeTexts::importNotHex());
      return false;
    }
  }
  if (v.size() > width) {
    ctx.fail(column, raw, text::ExchangeTexts::importTooLong().arg(width));
    return false;
  }
  putPadded(v, width, to);
  return true;
}

// "E" and "R" in front are the qualifier, so "E1" is E001 as "R1" is R001. Without a letter (a
// spreadsheet took the value for a number) it is an E event. Digits filled in are told.
bool eventField(const RowContext& ctx, char* to) {
  const QStringView raw = ctx.value(kEvent);
  QStringView v = raw.trimmed();
  const bool given = !v.isEmpty();
  char qualifier = 'E';
  const bool lettered = given && (upperAscii(v.front()) == 'R' || upperAscii(v.front()) == 'E');
  if (lettered) {
    qualifier = upperAscii(v.front());
    v = v.mid(1);
  }
  bool ok = v.size() <= 3;
  for (const QChar c : v) ok = ok && isHexDigit(c);
  if (!ok) {
    ctx.fail(kEvent, raw, text::ExchangeTexts::importBadQualifier());
    return false;
  }
  to[0] = qualifier;
  putPadded(v, 3, to + 1);
  // The cell read as written only with its letter and all three digits.
  if (given && !(lettered && v.size() == 3))
    ctx.notice(kEvent, raw, text::ExchangeTexts::importEventExpanded().arg(QLatin1String(to, kEventChars.length)));
  return true;
}

std::optional<QByteArray> numberField(const RowContext& ctx) {
  const QStringView raw = ctx.value(kNumber);
  std::array<char, 16> digits{};
  qsizetype n = 0;
  for (const QChar c : raw) {
    // Blanks, brackets, dashes and dots are how people and spreadsheets format numbers.
    if (c.isSpace() || c == u'(' || c == u')' || c == u'-' || c == u'.') continue;
    if (!(c >= u'0' && c <= u'9') && c != u'+' && c != u'*') {
      ctx.fail(kNumber, raw, text::ExchangeTexts::importBadNumber());
      return std::nullopt;
    }
    if (n < static_cast<qsizetype>(digits.size())) digits[static_cast<size_t>(n)] = static_cast<char>(c.unicode());
    ++n;
  }
  if (n > static_cast<qsizetype>(digits.size())) {
    ctx.fail(kNumber, raw, text::ExchangeTexts::importNumberTooLong());
    return std::nullopt;
  }
  return QByteArray(digits.data(), n);
}

std::optional<QByteArray> commentField(const RowContext& ctx) {
  const QStringView raw = ctx.value(kComment);  // blanks at either end are the user's
  for (const QChar c : raw) {
    if (c.unicode() < 0x20) {
      ctx.fail(kComment, raw, text::ExchangeTexts::importControlChar());
      return std::nullopt;
    }
    if (!fitsCp1251(c)) {
      ctx.fail(kComment, raw, text::ExchangeTexts::importNotCp1251().arg(c));
      return std::nullopt;
    }
  }
  if (raw.size() > kCommentSize) {
    ctx.fail(kComment, raw, text::ExchangeTexts::importCommentTooLong());
    return std::nullopt;
  }
  return toCp1251(raw);
}

std::optional<int> slotDigit(QStringView raw) {
  const QStringView v = raw.trimmed();
  if (v.size() != 1 || !isHexDigit(v.front())) return std::nullopt;
  return static_cast<int>(char2bcd(upperAscii(v.front())));
}

std::optional<int> slotField(const RowContext& ctx) {
  const QStringView raw = ctx.value(kSlot);
  const auto slot = slotDigit(raw);
  if (!slot) ctx.fail(kSlot, raw, text::ExchangeTexts::importNotSlot());
  return slot;
}

bool readRow(const RowContext& ctx, int targetSlot, ImportedPhone& out) {
  const auto slot = targetSlot >= 0 ? std::optional<int>(targetSlot) : slotField(ctx);
  const auto number = numberField(ctx);
  std::array<char, kFieldStringLength> field{};
  auto cell = [&](int column, FieldChars at) { return hexField(ctx, column, at.length, field.data() + at.from); };
  const bool object = cell(kObject, kObjectChars);
  const bool event = eventField(ctx, field.data() + kEventChars.from);
  const bool zone = cell(kZone, kZoneChars);
  const bool partition = cell(kPartition, kPartitionChars);
  const auto comment = commentField(ctx);
  if (!slot || !number || !object || !event || !zone || !partition || !comment) return false;
  out.line = ctx.row.line;
  out.slot = *slot;
  out.number = *number;
  out.field = QByteArray(field.data(), static_cast<qsizetype>(field.size()));
  out.comment = *comment;
  for (int c = 0; c < kColumnCount; ++c)
    if (!ctx.value(c).trimmed().isEmpty()) out.given |= 1u << c;
  return true;
}

// Fields beyond the header's are an error when they hold anything: a separator the row did
// not quote has cut a value short.
bool checkWidth(const RowContext& ctx, int width) {
  const qsizetype used = ctx.row.width;
  for (qsizetype k = width; k < used; ++k) {
    if (ctx.table.field(ctx.row, k).trimmed().isEmpty()) continue;
    ctx.errors << text::ExchangeTexts::importErrorLine()
                      .arg(ctx.row.line)
                      .arg(text::ExchangeTexts::importExtraFields().arg(used).arg(width));
    return false;
  }
  return true;
}

}  // namespace

QStringList csvHeaders() {
  QStringList h;
  for (int c = 0; c < kColumnCount; ++c) h << columnTitle(c);
  return h;
}

ImportedPhones readPhoneTable(const CsvTable& table, int targetSlot) {
  ImportedPhones out;
  PhoneHeader header;
  if (!findHeader(table, targetSlot, header, out.errors, out.notices)) {
    if (header.row < 0)
      out.errors << (table.unclosedQuoteLine > 0 ? text::ExchangeTexts::importErrorLine()
                                                       .arg(table.unclosedQuoteLine)
                                                       .arg(text::ExchangeTexts::importUnclosedQuote())
                                                 : text::ExchangeTexts::importEmptyFile());
    return out;
  }
  std::array<int, kSlotCount> places{};
  out.rows.reserve(table.rows.size() - header.row - 1);
  for (qsizetype r = header.row + 1; r < table.rows.size(); ++r) {
    const CsvRow& row = table.rows.at(r);
    if (isEmptyRow(table, row)) continue;
    const RowContext ctx{table, row, header.map, out.errors, out.notices};
    // Rows refused still take their place, so the others keep theirs.
    const auto slot = targetSlot >= 0 ? std::optional<int>(targetSlot) : slotDigit(ctx.value(kSlot));
    ImportedPhone phone;
    if (slot) phone.place = places[static_cast<size_t>(*slot)]++;
    if (checkWidth(ctx, header.width) && readRow(ctx, targetSlot, phone)) out.rows << phone;
  }
  if (table.unclosedQuoteLine > 0)
    out.errors << text::ExchangeTexts::importErrorLine()
                      .arg(table.unclosedQuoteLine)
                      .arg(text::ExchangeTexts::importUnclosedQuote());
  if (out.errors.isEmpty() && out.rows.isEmpty()) out.errors << text::ExchangeTexts::importNoPhones();
  return out;
}

}  // namespace orbisk
