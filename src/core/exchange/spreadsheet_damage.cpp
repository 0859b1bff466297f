#include "core/exchange/spreadsheet_damage.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_header.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"

namespace orbisk {
namespace {

// What a spreadsheet takes for a number, ASCII digits only: [+-]digit[digits . ,]...[e[+-]digits].
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool looksLikeNumber(QByteArrayView t) {
  qsizetype i = 0;
  const qsizetype n = t.size();
  auto digits = [&] {
    const qsizetype from = i;
    while (i < n && isDigit(t[i])) ++i;
    return i > from;
  };
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  if (i == n || !isDigit(t[i])) return false;
  while (i < n && (isDigit(t[i]) || t[i] == '.' || t[i] == ',')) ++i;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == n;
}

// The values a spreadsheet may read in a text: "," and "." are a decimal point in one language
// and a thousands separator in another, so "1,5" may be 1.5 or 15.
struct Readings {
  std::array<double, 2> values{};
  int count = 0;
};

Readings asNumbers(QByteArrayView text) {
  Readings r;
  if (!looksLikeNumber(text)) return r;
  auto read = [&r](QByteArrayView t) {
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && std::isfinite(v)) r.values[static_cast<size_t>(r.count++)] = v;
  };
  // Without a separator both readings are the text itself.
  if (!text.contains(',') && !text.contains('.')) {
    read(text);
    return r;
  }
  read(text.toByteArray().replace(",", ""));
  read(text.toByteArray().replace(".", "").replace(',', '.'));
  return r;
}

bool sameNumberWrittenDifferently(QByteArrayView was, QByteArrayView now) {
  if (was == now) return false;
  const Readings a = asNumbers(was);
  if (a.count == 0) return false;
  const Readings b = asNumbers(now);
  for (int i = 0; i < a.count; ++i)
    for (int j = 0; j < b.count; ++j) {
      const double x = a.values[static_cast<size_t>(i)], y = b.values[static_cast<size_t>(j)];
      if (std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), 1.0)) return true;
    }
  return false;
}

// What the table holds and what the row brings for one column, code page 1251 bytes.
struct Compared {
  int column = 0;
  QByteArrayView was;
  QByteArrayView now;
};

// The table's values of one record, decoded into buffers of their own: a replacing import
// compares every row, and most rows differ in no column.
struct TableValues {
  std::array<char, 2 * kPackedNumberSize> number{};
  std::array<char, kFieldStringLength> field{};
  int numberLength = 0;
};

QByteArrayView chars(QByteArrayView field, FieldChars part) {
  return part.from + part.length <= field.size() ? field.sliced(part.from, part.length) : QByteArrayView();
}

// The columns the row gives: an empty cell or a column the file lacks is the user's, not a
// spreadsheet's doing.
int comparedValues(const uint8_t* rec, const ImportedPhone& row, TableValues& table, std::array<Compared, 5>& out) {
  table.numberLength = numberChars(rec, Decoding::Editor, table.number.data());
  fieldChars(rec, table.field.data());
  const QByteArrayView tableField(table.field.data(), kFieldStringLength);
  int n = 0;
  auto add = [&](int column, QByteArrayView was, QByteArrayView now) {
    if (row.given & (1u << column)) out[static_cast<size_t>(n++)] = {column, was, now};
  };
  add(kNumber, QByteArrayView(table.number.data(), table.numberLength), row.number);
  for (const auto& [column, part] : {std::pair{kObject, kObjectChars}, {kZone, kZoneChars}, {kPartition, kPartitionChars}})
    add(column, chars(tableField, part), chars(row.field, part));
  add(kComment, commentChars(rec), row.comment);
  return n;
}

}  // namespace

QStringList spreadsheetDamage(const ConfigImage& img, const ImportedPhones& rows) {
  QStringList errors;
  for (const ImportedPhone& row : rows.rows) {
    if (row.place >= usablePhoneCount(img, row.slot)) continue;
    TableValues table;
    std::array<Compared, 5> compared;
    const int n = comparedValues(img.record(row.slot, row.place), row, table, compared);
    for (int i = 0; i < n; ++i) {
      const Compared& c = compared[static_cast<size_t>(i)];
      if (!sameNumberWrittenDifferently(c.was, c.now)) continue;
      const QString now = fromCp1251(c.now.data(), static_cast<int>(c.now.size()));
      const QString was = fromCp1251(c.was.data(), static_cast<int>(c.was.size()));
      errors << text::ExchangeTexts::importErrorAt().arg(row.line).arg(
          columnTitle(c.column), now, text::ExchangeTexts::importDroppedByNumber().arg(was));
    }
  }
  return errors;
}

}  // namespace orbisk
