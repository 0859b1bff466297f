#include "core/exchange/xlsx_sheet.h"

#include <QLocale>
#include <QXmlStreamReader>
#include <cmath>

#include "core/exchange/exchange_texts.h"

namespace orbisk {
namespace {

// Columns past this one are kept only as one more field, enough for the table to see a row
// wider than its header without a far-off cell ("XFD7") costing thousands of fields.
constexpr int kMaxColumns = 64;

// All text of the element the reader stands on, phonetic runs (<rPh>) left out.
QString elementText(QXmlStreamReader& xml) {
  QString text;
  int depth = 1;
  while (depth > 0 && !xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      ++depth;
      if (xml.name() == u"rPh") {
        xml.skipCurrentElement();
        --depth;
      } else if (xml.name() == u"t") {
        text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        --depth;
      }
    } else if (xml.isEndElement()) {
      --depth;
    }
  }
  return text;
}

// "AB12" -> 27; -1 when the reference has no letters.
int columnOf(QStringView ref) {
  int col = 0;
  qsizetype i = 0;
  for (; i < ref.size() && ref[i].isLetter(); ++i) {
    const char16_t c = ref[i].toUpper().unicode();
    if (c < u'A' || c > u'Z') return -1;
    col = std::min(col * 26 + (c - u'A' + 1), 1 << 20);
  }
  return i == 0 ? -1 : col - 1;
}

// 27 -> "AB".
QString columnName(int column) {
  QString name;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) name.prepend(QChar(u'A' + (n - 1) % 26));
  return name;
}

struct Cell {
  int column = -1;
  QString type;
  QString value;  // <v>
  QString inlineText;  // <is>
};

Cell readCell(QXmlStreamReader& xml) {
  Cell c;
  c.column = columnOf(xml.attributes().value(QLatin1String("r")));
  c.type = xml.attributes().value(QLatin1String("t")).toString();
  while (xml.readNextStartElement()) {
    if (xml.name() == u"v") c.value = xml.readElementText();
    else if (xml.name() == u"is") c.inlineText = elementText(xml);
    else xml.skipCurrentElement();
  }
  return c;
}

// A sheet's row as it is read: cells may come in any order and leave columns out.
struct SheetRow {
  int line = 0;
  QStringList fields;
};

void putField(SheetRow& row, int column, const QString& text) {
  if (column >= kMaxColumns) {
    if (text.trimmed().isEmpty()) return;
    column = kMaxColumns;
  }
  while (row.fields.size() <= column) row.fields << QString();
  row.fields[column] = text;
}

// The text a cell shows; false when it names a shared string that is not there.
bool cellText(const Cell& c, const QStringList& shared, SheetRow& row, SheetRows& out) {
  if (c.type == u"s") {
    bool ok = false;
    const qsizetype i = c.value.toLongLong(&ok);
    if (!ok || i < 0 || i >= shared.size()) return false;
    putField(row, c.column, shared.at(i));
  } else if (c.type == u"inlineStr") {
    putField(row, c.column, c.inlineText);
  } else if ((c.type.isEmpty() || c.type == u"n") && !c.value.isEmpty()) {
    const QString plain = plainNumber(c.value);
    putField(row, c.column, plain);
    out.notices << text::ExchangeTexts::importErrorLine().arg(row.line).arg(
        text::ExchangeTexts::xlsxNumericCell().arg(columnName(c.column), plain));
  } else {
    putField(row, c.column, c.value);  // "str" (a formula's result), "b", "e", "d": as stored
  }
  return true;
}

}  // namespace

QString plainNumber(const QString& stored) {
  bool ok = false;
  const double d = stored.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(d)) return stored.trimmed();
  return QLocale::c().toString(d, 'f', QLocale::FloatingPointShortest);
}

bool readSharedStrings(const QByteArray& bytes, QStringList& out) {
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"si") out << elementText(xml);
  }
  return !xml.hasError();
}

QString firstSheetPart(const QByteArray& workbookXml, const QByteArray& relsXml) {
  QString id;
  QXmlStreamReader wb(workbookXml);
  while (id.isEmpty() && !wb.atEnd())
    if (wb.readNext() == QXmlStreamReader::StartElement && wb.name() == u"sheet")
      for (const QXmlStreamAttribute& a : wb.attributes())
        if (a.name() == u"id") id = a.value().toString();  // r:id, whatever the prefix
  QXmlStreamReader rels(relsXml);
  while (!id.isEmpty() && !rels.atEnd()) {
    if (rels.readNext() != QXmlStreamReader::StartElement || rels.attributes().value(QLatin1String("Id")) != id) continue;
    const QString target = rels.attributes().value(QLatin1String("Target")).toString();
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
  }
  return QStringLiteral("xl/worksheets/sheet1.xml");
}

SheetRows readSheetRows(const QByteArray& bytes, const QStringList& shared) {
  SheetRows out;
  out.table.separator = u',';
  QXmlStreamReader xml(bytes);
  int lastLine = 0;
  while (!xml.atEnd() && out.error.isEmpty()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"row") continue;
    SheetRow row;
    row.line = xml.attributes().value(QLatin1String("r")).toInt();
    if (row.line <= lastLine) row.line = lastLine + 1;  // rows without numbers follow on
    lastLine = row.line;
    int next = 0;
    while (xml.readNextStartElement()) {
      if (xml.name() != u"c") {
        xml.skipCurrentElement();
        continue;
      }
      Cell c = readCell(xml);
      if (c.column < 0) c.column = next;
      next = c.column + 1;
      if (!cellText(c, shared, row, out))
        out.error = text::ExchangeTexts::importErrorLine().arg(row.line).arg(text::ExchangeTexts::xlsxBroken());
    }
    out.table.addRow(row.line, row.fields);
  }
  if (xml.hasError() && out.error.isEmpty()) out.error = text::ExchangeTexts::xlsxBroken();
  return out;
}

}  // namespace orbisk
