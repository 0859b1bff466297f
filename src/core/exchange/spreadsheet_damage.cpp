#include "core/exchange/spreadsheet_damage.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <QList>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_header.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"

namespace orbisk {
namespace {

// The values a spreadsheet may read in a text: "," and "." are a decimal point in one language
// and a thousands separator in another, so "1,5" may be 1.5 or 15.
QList<double> asNumbers(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^[+-]?\\d[\\d.,]*([eE][+-]?\\d+)?$"));
  QList<double> values;
  if (!re.match(text).hasMatch()) return values;
  for (const QString& t : {QString(text).remove(u','), QString(text).remove(u'.').replace(u',', u'.')}) {
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (ok && std::isfinite(v)) values << v;
  }
  return values;
}

bool sameNumberWrittenDifferently(const QString& was, const QString& now) {
  if (was == now) return false;
  for (const double a : asNumbers(was))
    for (const double b : asNumbers(now))
      if (std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), 1.0)) return true;
  return false;
}

struct Compared {
  int column;
  QString was;
  QString now;
};

std::array<Compared, 5> comparedValues(const uint8_t* rec, const ImportedPhone& row) {
  auto latin = [](const QByteArray& b) { return QString::fromLatin1(b); };
  return {{
      {kNumber, latin(raspactel(rec, Decoding::Editor)), latin(row.number)},
      {kObject, latin(numobject(rec)), latin(row.field.left(4))},
      {kZone, latin(numzona(rec)), latin(row.field.mid(8, 3))},
      {kPartition, latin(numrazdel(rec)), latin(row.field.mid(11, 2))},
      {kComment, fromCp1251(commentText(rec)), fromCp1251(row.comment)},
  }};
}

}  // namespace

QStringList spreadsheetDamage(const ConfigImage& img, const ImportedPhones& rows) {
  QStringList errors;
  for (const ImportedPhone& row : rows.rows) {
    if (row.place >= usablePhoneCount(img, row.slot)) continue;
    for (const Compared& c : comparedValues(img.record(row.slot, row.place), row)) {
      // An empty cell or a column the file lacks is the user's, not a spreadsheet's doing.
      if ((row.given & (1u << c.column)) == 0 || !sameNumberWrittenDifferently(c.was, c.now)) continue;
      errors << text::ExchangeTexts::importErrorAt().arg(row.line).arg(
          columnTitle(c.column), c.now, text::ExchangeTexts::importDroppedByNumber().arg(c.was));
    }
  }
  return errors;
}

}  // namespace orbisk
