#include "core/exchange/phone_fields.h"

#include <QRegularExpression>
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
  const CsvRow& row;
  const ColumnMap& map;
  QStringList& errors;
  QStringList& notices;

  QString value(int column) const {
    const int k = map[static_cast<size_t>(column)];
    return k >= 0 && k < row.fields.size() ? row.fields.at(k) : QString();
  }
  void fail(int column, const QString& value, const QString& why) const {
    const QString said = looksLikeSpreadsheetNumber(value) ? text::ExchangeTexts::importSpreadsheetNumber() : why;
    errors << text::ExchangeTexts::importErrorAt().arg(row.line).arg(columnTitle(column), value, said);
  }
  void notice(int column, const QString& value, const QString& what) const {
    notices << text::ExchangeTexts::importErrorAt().arg(row.line).arg(columnTitle(column), value, what);
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
      ctx.fail(column, raw, text::ExchangeTexts::importNotHex());
      return std::nullopt;
    }
  }
  if (v.size() > width) {
    ctx.fail(column, raw, text::ExchangeTexts::importTooLong().arg(width));
    return std::nullopt;
  }
  return QByteArray(width - static_cast<int>(v.size()), '0') + v.toLatin1();
}

// "E" and "R" in front are the qualifier, so "E1" is E001 as "R1" is R001. Without a letter (a
// spreadsheet took the value for a number) it is an E event. Digits filled in are told.
std::optional<QByteArray> eventField(const RowContext& ctx) {
  const QString raw = ctx.value(kEvent);
  QString v = raw.trimmed().toUpper();
  char qualifier = 'E';
  if (v.startsWith(u'R') || v.startsWith(u'E')) {
    qualifier = v.front().toLatin1();
    v.remove(0, 1);
  }
  bool ok = v.size() <= 3;
  for (const QChar c : v) ok = ok && isHexDigit(c);
  if (!ok) {
    ctx.fail(kEvent, raw, text::ExchangeTexts::importBadQualifier());
    return std::nullopt;
  }
  const QByteArray event = QByteArray(1, qualifier) + QByteArray(3 - static_cast<int>(v.size()), '0') + v.toLatin1();
  if (!raw.trimmed().isEmpty() && event != raw.trimmed().toUpper().toLatin1())
    ctx.notice(kEvent, raw, text::ExchangeTexts::importEventExpanded().arg(QString::fromLatin1(event)));
  return event;
}

std::optional<QByteArray> numberField(const RowContext& ctx) {
  const QString raw = ctx.value(kNumber);
  QString v;
  for (const QChar c : raw) {
    // Blanks, brackets, dashes and dots are how people and spreadsheets format numbers.
    if (c.isSpace() || c == u'(' || c == u')' || c == u'-' || c == u'.') continue;
    if (!(c.isDigit() && c.unicode() < 0x80) && c != u'+' && c != u'*') {
      ctx.fail(kNumber, raw, text::ExchangeTexts::importBadNumber());
      return std::nullopt;
    }
    v += c;
  }
  if (v.size() > 16) {
    ctx.fail(kNumber, raw, text::ExchangeTexts::importNumberTooLong());
    return std::nullopt;
  }
  return v.toLatin1();
}

std::optional<QByteArray> commentField(const RowContext& ctx) {
  const QString raw = ctx.value(kComment);  // blanks at either end are the user's
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

std::optional<int> slotDigit(const QString& raw) {
  const QString v = raw.trimmed().toUpper();
  if (v.size() != 1 || !isHexDigit(v.front())) return std::nullopt;
  return static_cast<int>(char2bcd(v.front().toLatin1()));
}

std::optional<int> slotField(const RowContext& ctx) {
  const QString raw = ctx.value(kSlot);
  const auto slot = slotDigit(raw);
  if (!slot) ctx.fail(kSlot, raw, text::ExchangeTexts::importNotSlot());
  return slot;
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
  for (int c = 0; c < kColumnCount; ++c)
    if (!ctx.value(c).trimmed().isEmpty()) out.given |= 1u << c;
  return true;
}

// Fields beyond the header's are an error when they hold anything: a separator the row did
// not quote has cut a value short.
bool checkWidth(const RowContext& ctx, int width) {
  const qsizetype used = ctx.row.fields.size();
  for (qsizetype k = width; k < used; ++k) {
    if (ctx.row.fields.at(k).trimmed().isEmpty()) continue;
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
  for (qsizetype r = header.row + 1; r < table.rows.size(); ++r) {
    const CsvRow& row = table.rows.at(r);
    if (isEmptyRow(row)) continue;
    const RowContext ctx{row, header.map, out.errors, out.notices};
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
