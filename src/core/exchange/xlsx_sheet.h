// The XML parts of a workbook turned into rows of text, without any knowledge of zip archives
// or telephones.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/exchange/csv_text.h"

namespace orbisk {

// The shared strings (xl/sharedStrings.xml) in order; rich text runs joined, phonetic hints left
// out. False when the XML is broken.
bool readSharedStrings(const QByteArray& xml, QStringList& out);

// The part name of the first sheet, from xl/workbook.xml and its relationships.
QString firstSheetPart(const QByteArray& workbookXml, const QByteArray& relsXml);

struct SheetRows {
  CsvTable table;      // line = the sheet's row number
  QStringList notices;  // numeric cells, read as the plain number they hold
  QString error;       // the XML is broken or refers to a string that is not there
};

// The cells of a worksheet as text. A numeric cell becomes its plain decimal value, never in
// exponent form ("1.2E+10" reads "12000000000"), and is named in the notices.
SheetRows readSheetRows(const QByteArray& xml, const QStringList& shared);

// A number as a spreadsheet stores it ("7.9161234567E10", "12.50") written out plainly.
QString plainNumber(const QString& stored);

}  // namespace orbisk
