// Telephone tables through .xlsx: the cells a spreadsheet may leave (shared, inline and rich
// strings, numbers), the row numbers of errors, and damaged workbooks that must change nothing.
#include <gtest/gtest.h>

#include <memory>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_fields.h"
#include "core/exchange/phone_import.h"
#include "core/exchange/phone_xlsx.h"
#include "core/exchange/xlsx_sheet.h"
#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_table.h"

using namespace orbisk;

namespace {

QByteArray sheet(const QByteArray& rows) {
  return "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<sheetData>" + rows + "</sheetData></worksheet>";
}

TEST(XlsxSheet, CellsReadAsTheTextTheyShow) {
  QStringList shared;
  ASSERT_TRUE(readSharedStrings("<sst><si><t>телефон</t></si><si><r><t>+7</t></r><r><t xml:space=\"preserve\">912 </t></r>"
                                "<rPh><t>ふりがな</t></rPh></si></sst>",
                                shared));
  EXPECT_EQ(shared, (QStringList{QStringLiteral("телефон"), QStringLiteral("+7912 ")}));

  const SheetRows rows = readSheetRows(sheet("<row r=\"1\"><c r=\"B1\" t=\"s\"><v>0</v></c></row><row r=\"2\"/>"
                                             "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>1</v></c><c r=\"C4\"><v>7.9161234567E10</v></c>"
                                             "<c r=\"D4\" t=\"inlineStr\"><is><t>0012</t></is></c><c><v>12.50</v></c></row>"),
                                       shared);
  ASSERT_TRUE(rows.error.isEmpty());
  ASSERT_EQ(rows.table.rows.size(), 3);
  const CsvTable& t = rows.table;
  EXPECT_EQ(t.fields(t.rows[0]), (QStringList{QString(), QStringLiteral("телефон")}));
  EXPECT_EQ(t.rows[1].width, 0);  // a row without cells
  EXPECT_EQ(t.rows[2].line, 4);
  EXPECT_EQ(t.fields(t.rows[2]),
            (QStringList{QStringLiteral("+7912 "), QString(), "79161234567", "0012", "12.5"}));
  // Each number is named with its row and cell.
  ASSERT_EQ(rows.notices.size(), 2);
  EXPECT_TRUE(rows.notices[0].startsWith(QStringLiteral("строка 4: в ячейке C число, а не текст; читается как \"79161234567\"")));
  EXPECT_TRUE(rows.notices[1].contains(QStringLiteral("ячейке E")));
  EXPECT_EQ(plainNumber("1.2E+10"), "12000000000");
  EXPECT_EQ(plainNumber("-0.5"), "-0.5");
}

TEST(XlsxSheet, BrokenPartsAreErrorsAndFarCellsStayCheap) {
  EXPECT_EQ(readSheetRows(sheet("<row r=\"3\"><c t=\"s\"><v>5</v></c></row>"), {}).error,
            QStringLiteral("строка 3: ") + text::ExchangeTexts::xlsxBroken());
  EXPECT_FALSE(readSheetRows("<worksheet><sheetData><row>", {}).error.isEmpty());
  QStringList shared;
  EXPECT_FALSE(readSharedStrings("<sst><si><t>a</si>", shared));
  // The last column a sheet can have: one field past the table's, not 16,384.
  const SheetRows far = readSheetRows(sheet("<row r=\"2\"><c r=\"XFD2\" t=\"inlineStr\"><is><t>x</t></is></c></row>"), {});
  ASSERT_EQ(far.table.rows.size(), 1);
  EXPECT_EQ(far.table.rows[0].width, 65);
  EXPECT_EQ(firstSheetPart("<workbook xmlns:r=\"urn:r\"><sheets><sheet name=\"a\" r:id=\"rId3\"/></sheets></workbook>",
                           "<Relationships><Relationship Id=\"rId3\" Target=\"/xl/worksheets/x.xml\"/></Relationships>"),
            "xl/worksheets/x.xml");
}

// Errors name the sheet's row, even with empty rows and a title row above the header.
TEST(XlsxSheet, BadRowNamesItsSheetRow) {
  const SheetRows rows = readSheetRows(
      sheet("<row r=\"1\"><c t=\"inlineStr\"><is><t>Объект 12</t></is></c></row>"
            "<row r=\"3\"><c t=\"inlineStr\"><is><t>расширитель</t></is></c><c t=\"inlineStr\"><is><t>телефон</t></is></c></row>"
            "<row r=\"7\"><c t=\"inlineStr\"><is><t>2</t></is></c><c t=\"inlineStr\"><is><t>+7A1</t></is></c></row>"),
      {});
  const ImportedPhones phones = readPhoneTable(rows.table, -1);
  ASSERT_EQ(phones.errors.size(), 1);
  EXPECT_TRUE(phones.errors[0].startsWith(QStringLiteral("строка 7, телефон \"+7A1\""))) << phones.errors[0].toStdString();
}

class XlsxFile : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!xlsxAvailable()) GTEST_SKIP() << "built without .xlsx";
    ExpanderSet set;
    addExpanderAt(*img, set, 3);
    appendPhone(*img, 3, "+70012", "0E12E13000501", toCp1251(QStringLiteral("склад; \"север\"")));
    appendPhone(*img, 3, "0079", "0001R40100902", "007");
  }
  std::unique_ptr<ConfigImage> img = std::make_unique<ConfigImage>();
};

TEST_F(XlsxFile, ExportReadsBackAsTheSameTelephones) {
  const QByteArray book = exportPhonesXlsx(*img, 0xFFFF);
  ASSERT_TRUE(looksLikeXlsx(book));
  const ImportedPhones rows = readPhonesFile(book);
  ASSERT_TRUE(rows.errors.isEmpty()) << rows.errors.join(u'\n').toStdString();
  EXPECT_TRUE(rows.notices.isEmpty());  // every cell is text
  auto out = std::make_unique<ConfigImage>();
  ASSERT_TRUE(buildImport(*img, expandersOf(*img), rows, ImportMode::Replace, *out).ok());
  EXPECT_TRUE(*out == *img);
}

TEST_F(XlsxFile, DamagedWorkbookChangesNothing) {
  QByteArray book = exportPhonesXlsx(*img, 0xFFFF);
  book.truncate(book.size() / 2);
  for (const QByteArray& bad : {book, QByteArray("PK\x03\x04garbage")}) {
    const ImportedPhones rows = readPhonesFile(bad);
    EXPECT_EQ(rows.errors, QStringList{text::ExchangeTexts::xlsxBroken()});
    auto out = std::make_unique<ConfigImage>();
    EXPECT_FALSE(buildImport(*img, expandersOf(*img), rows, ImportMode::Append, *out).ok());
    EXPECT_TRUE(*out == *img);
  }
}

}  // namespace
