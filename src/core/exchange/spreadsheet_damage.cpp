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
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool looksLikeNumber(QStringView t) {
  qsizetype i = 0;
  const qsizetype n = t.size();
  auto digits = [&] {
    const qsizetype from = i;
    while (i < n && isDigit(t[i])) ++i;
    return i > from;
  };
  if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
  if (i == n || !isDigit(t[i])) return false;
  while (i < n && (isDigit(t[i]) || t[i] == u'.' || t[i] == u',')) ++i;
  if (i < n && (t[i] == u'e' || t[i] == u'E')) {
    ++i;
    if (i < n && (t[i] == u'+' || t[i] == u'-')) ++i;
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

Readings asNumbers(const QString& text) {
  Readings r;
  if (!looksLikeNumber(text)) return r;
  auto read = [&r](const QString& t) {
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && std::isfinite(v)) r.values[static_cast<size_t>(r.count++)] = v;
  };
  // Without a separator both readings are the text itself.
  if (!text.contains(u',') && !text.contains(u'.')) {
    read(text);
    return r;
  }
  read(QString(text).remove(u','));
  read(QString(text).remove(u'.').replace(u',', u'.'));
  return r;
}

bool sameNumberWrittenDifferently(const QString& was, const QString& now) {
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

struct Compared {
  int column = 0;
  QString was;
  QString now;
};

// What the table holds and what the row brings, for the columns the row gives: an empty cell or a
// column the file lacks is the user's, not a spreadsheet's doing.
int comparedValues(const uint8_t* rec, const ImportedPhone& row, std::array<Compared, 5>& out) {
  auto latin = [](const QByteArray& b) { return QString::fromLatin1(b); };
  int n = 0;
  auto add = [&](int column, auto was, auto now) {
    if (row.given & (1u << column)) out[static_cast<size_t>(n++)] = {column, was(), now()};
  };
  add(kNumber, [&] { return latin(raspactel(rec, Decoding::Editor)); }, [&] { return latin(row.number); });
  add(kObject, [&] { return latin(numobject(rec)); }, [&] { return latin(row.field.left(4)); });
  add(kZone, [&] { return latin(numzona(rec)); }, [&] { return latin(row.field.mid(8, 3)); });
  add(kPartition, [&] { return latin(numrazdel(rec)); }, [&] { return latin(row.field.mid(11, 2)); });
  add(kComment, [&] { return fromCp1251(commentText(rec)); }, [&] { return fromCp1251(row.comment); });
  return n;
}

}  // namespace

QStringList spreadsheetDamage(const ConfigImage& img, const ImportedPhones& rows) {
  QStringList errors;
  for (const ImportedPhone& row : rows.rows) {
    if (row.place >= usablePhoneCount(img, row.slot)) continue;
    std::array<Compared, 5> compared;
    const int n = comparedValues(img.record(row.slot, row.place), row, compared);
    for (int i = 0; i < n; ++i) {
      const Compared& c = compared[static_cast<size_t>(i)];
      if (!sameNumberWrittenDifferently(c.was, c.now)) continue;
      errors << text::ExchangeTexts::importErrorAt().arg(row.line).arg(
          columnTitle(c.column), c.now, text::ExchangeTexts::importDroppedByNumber().arg(c.was));
    }
  }
  return errors;
}

}  // namespace orbisk
