// Telephone tables through CSV: round trips, what spreadsheets do to the data, every error with
// its line, and that a failed import changes nothing.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "core/exchange/csv_text.h"
#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_find.h"
#include "core/exchange/phone_import.h"
#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"
#include "support/qt_print.h"

using namespace orbisk;

namespace {

constexpr uint16_t kAllSlots = 0xFFFF;

// Records as the editor writes them: any number of digits, "+" and "*" up to 16, any cells,
// comments with Cyrillic, separators, quotes and blanks at either end.
std::unique_ptr<ConfigImage> fullImage(unsigned seed) {
  auto img = std::make_unique<ConfigImage>();
  std::mt19937 rng(seed);
  const QString commentChars = QStringLiteral("абвгдеёжзЖЩЯ xyzABC019,;\"'-");
  const char* numberChars = "0123456789+*";
  const char* hex = "0123456789ABCDEF";
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  ExpanderSet set;
  for (int s = 0; s < kSlotCount; ++s) {
    addExpanderAt(*img, set, s);
    for (int i = 0; i < kMaxPhones; ++i) {
      QByteArray number;
      for (int k = pick(17); k > 0; --k) number += numberChars[pick(12)];
      QByteArray field;
      for (int k = 0; k < kFieldStringLength; ++k) field += k == 4 ? "ER"[pick(2)] : hex[pick(16)];
      QString comment;
      for (int k = pick(17); k > 0; --k) comment += commentChars.at(pick(static_cast<int>(commentChars.size()) - 1));
      appendPhone(*img, s, number, field, toCp1251(comment));
    }
  }
  return img;
}

ImportResult import(ConfigImage& img, const QByteArray& csv, ImportMode mode = ImportMode::Append) {
  auto out = std::make_unique<ConfigImage>();
  const ImportResult r = buildImport(img, expandersOf(img), readPhonesCsv(csv), mode, *out);
  if (r.ok()) img = *out;
  return r;
}

QByteArray packed(const QByteArray& number, const QByteArray& field, const QByteArray& comment) {
  uint8_t rec[kRecordSize];
  packtel(rec, number, field, comment);
  return QByteArray(reinterpret_cast<const char*>(rec), kRecordSize);
}

QByteArray recordBytes(const ConfigImage& img, int slot, int index) {
  return QByteArray(reinterpret_cast<const char*>(img.record(slot, index)), kRecordSize);
}

const QByteArray kHeader = "расширитель,телефон,объект,код,зона,раздел,комментарии\r\n";

}  // namespace

TEST(PhoneCsvRoundTrip, SixteenTimesTwoHundredComeBackByteForByteInBothStyles) {
  for (const CsvStyle style : {CsvStyle::Standard, CsvStyle::Excel}) {
    auto img = fullImage(12);
    // Leftovers of deleted telephones beyond the count must survive a replace too.
    removePhone(*img, 5, 17);
    const auto before = std::make_unique<ConfigImage>(*img);
    const QByteArray csv = exportPhonesCsv(*img, kAllSlots, style);
    const ImportResult r = import(*img, csv, ImportMode::Replace);
    ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
    EXPECT_EQ(r.total, kSlotCount * kMaxPhones - 1);
    EXPECT_TRUE(*img == *before);

    // Into an empty configuration: the tables and the expanders come back.
    auto fresh = std::make_unique<ConfigImage>();
    ASSERT_TRUE(import(*fresh, csv).ok());
    for (int s = 0; s < kSlotCount; ++s) {
      ASSERT_EQ(fresh->phoneCount(s), before->phoneCount(s));
      for (int i = 0; i < before->phoneCount(s); ++i) ASSERT_EQ(recordBytes(*fresh, s, i), recordBytes(*before, s, i));
    }
    EXPECT_EQ(fresh->mask(), 0xFFFF);
    EXPECT_EQ((*fresh)[off::kExpanderCount], 16);
  }
}

TEST(PhoneCsvRoundTrip, ExportWritesTheListsTextsAndTheEditorsNumber) {
  ConfigImage img;
  ExpanderSet set;
  addExpanderAt(img, set, 10);
  appendPhone(img, 10, "+7123", "12AFE13000501", toCp1251(QStringLiteral(" да, \"мы\" ")));
  appendPhone(img, 10, "1234567890123456", "0001R40100902", "");  // the list shows no number
  const QByteArray csv = exportPhonesCsv(img, kAllSlots, CsvStyle::Standard);
  EXPECT_EQ(QString::fromUtf8(csv), QString::fromUtf8(kHeader) +
                                        QStringLiteral("A,+7123,12AF,E130,005,01,\" да, \"\"мы\"\" \"\r\n"
                                                       "A,1234567890123456,0001,R401,009,02,\r\n"));
  const QByteArray excel = exportPhonesCsv(img, kAllSlots, CsvStyle::Excel);
  EXPECT_TRUE(excel.startsWith(toCp1251(QStringLiteral("расширитель;телефон;"))));
  EXPECT_TRUE(excel.contains(toCp1251(QStringLiteral(";\" да, \"\"мы\"\" \"\r\n"))));
  // Only the expanders asked for.
  EXPECT_EQ(exportPhonesCsv(img, 0x0001, CsvStyle::Standard), kHeader);
}

TEST(PhoneCsvImport, ExcelFileInCodePage1251IsRepairedNotRefused) {
  // What a spreadsheet saves: ";", code page 1251, leading zeros gone, formatted numbers, a
  // quoted comment holding the separator and a quote, columns in its own order and one extra.
  const QByteArray csv = toCp1251(QStringLiteral(
      "телефон;Расширитель;примечание;объект;код;зона;раздел;комментарии\r\n"
      "+7 (912) 345-67-89;3;x;12;130;5;1;\"склад; \"\"север\"\"\"\r\n"
      ";;;;;;;\r\n"
      "8.912.000.11.22;3;;FA0;R4;;;  пост  \r\n"
      "7 912 111-22-33;3;;0;e001;010;0a;\r\n"));
  ConfigImage img;
  const ImportResult r = import(img, csv);
  ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
  ASSERT_EQ(img.phoneCount(3), 3);
  EXPECT_EQ(recordBytes(img, 3, 0), packed("+79123456789", "0012E13000501", toCp1251(QStringLiteral("склад; \"север\""))));
  EXPECT_EQ(recordBytes(img, 3, 1), packed("89120001122", "0FA0R00400000", toCp1251(QStringLiteral("  пост  "))));
  EXPECT_EQ(recordBytes(img, 3, 2), packed("79121112233", "0000E0010100A", ""));
  EXPECT_EQ(img.mask(), 0x0008);
  EXPECT_EQ(img[off::kExpanderCount], 1);
}

TEST(PhoneCsvImport, Utf8WithMarkEnglishHeadersTabsAndAnEmptyNumber) {
  const QByteArray csv = "\xEF\xBB\xBF" "slot\tnumber\tcomment\tevent\n"
                         "\n"
                         "f\t+7999\t\"две, строки\"\tR\n"
                         "F\t\t пусто\t\n";
  ConfigImage img;
  const ImportResult r = import(img, csv);
  ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
  ASSERT_EQ(img.phoneCount(15), 2);
  EXPECT_EQ(recordBytes(img, 15, 0), packed("+7999", "0000R00000000", toCp1251(QStringLiteral("две, строки"))));
  EXPECT_EQ(recordBytes(img, 15, 1), packed("", "0000E00000000", toCp1251(QStringLiteral(" пусто"))));
  EXPECT_EQ(img.record(15, 1)[0], 0xB0);
}

// Column names are found whatever blanks a spreadsheet put around and inside them.
TEST(PhoneCsvImport, ColumnNamesWithStrayBlanks) {
  const QByteArray csv = "  Номер \t Телефона ;  slot;Comment  ;Номер Телефонах\r\n"
                         "+7999;2;ok;x\r\n";
  ConfigImage img;
  const ImportResult r = import(img, csv);
  ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
  ASSERT_EQ(img.phoneCount(2), 1);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(img.record(2, 0) + recfield::kComment), 3), QByteArray("ok\0", 3));
}

TEST(PhoneCsvImport, EveryErrorNamesItsLineAndNothingChanges) {
  auto img = fullImage(3);
  img->setPhoneCount(0, 5);
  const auto before = std::make_unique<ConfigImage>(*img);
  const QByteArray csv = kHeader +
                         "0,+7999,12G4,E130,005,01,ok\r\n"                      // line 2
                         "G,+7999,0001,E130,005,01,ok\r\n"                      // line 3
                         "0,+7(999)x,0001,E130,005,01,ok\r\n"                   // line 4
                         "0,12345678901234567,0001,E130,005,01,ok\r\n"          // line 5
                         "0,+7,12345,X130,1000,100,\"очень длинный текст\"\r\n"  // line 6
                         "0,+7,1,E1,1,1,\"∑\"\r\n"                             // line 7
                         "0,+7,1,E1,1,1,\"две\nстроки\"\r\n"                  // lines 8 and 9
                         "0,+7,1Ł,Œ01,1,1,ok\r\n"                              // line 10
                         "0,+7,1,E1,1,1,\"не закрыта\r\n";                     // line 11
  const ImportResult r = import(*img, csv, ImportMode::Replace);
  EXPECT_EQ(
      r.errors,
      (QStringList{
          QStringLiteral("строка 2, объект \"12G4\": допустимы только цифры 0-9 и буквы A-F"),
          QStringLiteral("строка 3, расширитель \"G\": ") + text::ExchangeTexts::importNotSlot(),
          QStringLiteral("строка 4, телефон \"+7(999)x\": ") + text::ExchangeTexts::importBadNumber(),
          QStringLiteral("строка 5, телефон \"12345678901234567\": ") + text::ExchangeTexts::importNumberTooLong(),
          QStringLiteral("строка 6, объект \"12345\": ") + text::ExchangeTexts::importTooLong().arg(4),
          QStringLiteral("строка 6, код \"X130\": ") + text::ExchangeTexts::importBadQualifier(),
          QStringLiteral("строка 6, зона \"1000\": ") + text::ExchangeTexts::importTooLong().arg(3),
          QStringLiteral("строка 6, раздел \"100\": ") + text::ExchangeTexts::importTooLong().arg(2),
          QStringLiteral("строка 6, комментарии \"очень длинный текст\": ") +
              text::ExchangeTexts::importCommentTooLong(),
          QStringLiteral("строка 7, комментарии \"∑\": ") +
              text::ExchangeTexts::importNotCp1251().arg(QStringLiteral("∑")),
          QStringLiteral("строка 8, комментарии \"две\nстроки\": ") + text::ExchangeTexts::importControlChar(),
          // Letters beyond ASCII are no hex digits nor a qualifier, whatever their low byte.
          QStringLiteral("строка 10, объект \"1Ł\": допустимы только цифры 0-9 и буквы A-F"),
          QStringLiteral("строка 10, код \"Œ01\": ") + text::ExchangeTexts::importBadQualifier(),
          QStringLiteral("строка 11: ") + text::ExchangeTexts::importUnclosedQuote(),
      }));
  EXPECT_TRUE(*img == *before);

  // Problems of the file as a whole.
  EXPECT_EQ(import(*img, "").errors, QStringList{text::ExchangeTexts::importEmptyFile()});
  EXPECT_EQ(import(*img, kHeader).errors, QStringList{text::ExchangeTexts::importNoPhones()});
  EXPECT_EQ(import(*img, "\r\nобъект,телефон,Телефон\r\n1,2,3\r\n").errors,
            (QStringList{QStringLiteral("строка 2: ") +
                             text::ExchangeTexts::importDuplicateColumn().arg(QStringLiteral("Телефон")),
                         QStringLiteral("строка 2: ") +
                             text::ExchangeTexts::importMissingColumn().arg(text::ExchangeTexts::csvSlotHeader())}));
  EXPECT_TRUE(*img == *before);
}

TEST(PhoneCsvImport, TwoHundredPerExpanderAppendAndReplace) {
  ConfigImage img;
  ExpanderSet set;
  addExpanderAt(img, set, 0);
  appendPhone(img, 0, "111", "0000E00000000", "old");
  QByteArray rows200 = kHeader;
  for (int i = 0; i < kMaxPhones; ++i) rows200 += "0," + QByteArray::number(i) + ",,,,,\r\n";

  // Append: the old one plus 200 is one too many, told at the row that does not fit (line 201).
  const auto before = std::make_unique<ConfigImage>(img);
  ImportResult r = import(img, rows200);
  EXPECT_EQ(r.errors, QStringList{QStringLiteral("строка 201: ") +
                                  text::ExchangeTexts::importTooManyPhones().arg(QStringLiteral("0"))});
  EXPECT_TRUE(img == *before);

  // Replace: exactly 200 fit, and the old telephone is gone.
  r = import(img, rows200, ImportMode::Replace);
  ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
  EXPECT_EQ(img.phoneCount(0), kMaxPhones);
  EXPECT_EQ(raspactel(img.record(0, 0), Decoding::Editor), "0");
  EXPECT_EQ(importSummary(r),
            (QStringList{text::ExchangeTexts::importSummaryReplace(),
                         text::ExchangeTexts::importSummarySlot().arg(QStringLiteral("0")).arg(200).arg(1).arg(200),
                         text::ExchangeTexts::importSummaryTotal().arg(200)}));

  // Replace touches only the expanders the file names; append goes after what is there.
  addExpanderAt(img, set, 1);
  appendPhone(img, 1, "222", "0000E00000000", "keep");
  r = import(img, kHeader + "1,333,,,,,new\r\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(img.phoneCount(1), 2);
  EXPECT_EQ(commentText(img.record(1, 0)), "keep");
  EXPECT_EQ(commentText(img.record(1, 1)), "new");
  EXPECT_EQ(img.phoneCount(0), kMaxPhones);
}

TEST(PhoneCsvImport, AddsAnExpanderAsTheAddCommandDoes) {
  ConfigImage img;
  ConfigImage expected;
  ExpanderSet set = expandersOf(expected);
  addExpanderAt(expected, set, 2);
  appendPhone(expected, 2, "1", "0000E00000000", "");
  ASSERT_TRUE(import(img, kHeader + "2,1,,,,,\r\n").ok());
  EXPECT_TRUE(img == expected);

  // Count 0 with mask bits the tree does not show: a write still sends them, so they stay.
  img = ConfigImage();
  img.setMask(0x00F0);
  ASSERT_TRUE(import(img, kHeader + "2,1,,,,,\r\n5,2,,,,,\r\n").ok());
  EXPECT_EQ(img.mask(), 0x00F4);
  EXPECT_EQ(img[off::kExpanderCount], 1);
  EXPECT_EQ(img.phoneCount(5), 1);

  // Count 16 while the mask lacks a bit: no room for another expander.
  img[off::kExpanderCount] = 16;
  img.setMask(0x7FFF);
  const auto before = std::make_unique<ConfigImage>(img);
  EXPECT_EQ(import(img, kHeader + "F,1,,,,,\r\n").errors,
            QStringList{text::ExchangeTexts::importNoRoomForExpander().arg(QStringLiteral("F"))});
  EXPECT_TRUE(img == *before);
}

TEST(PhoneCsvText, SplitsAndQuotesAsSpreadsheetsDo) {
  EXPECT_EQ(detectSeparator(QStringLiteral("a;b;\"c,d,e\"\nx,y,z,w")), u';');
  EXPECT_EQ(detectSeparator(QStringLiteral("a\tb,c\td")), u'\t');
  const CsvTable t = splitCsv(QStringLiteral("a,\"b\"\"c\",\"d\ne\"\r\n\r\nlast,"), u',');
  ASSERT_EQ(t.rows.size(), 3);
  EXPECT_EQ(t.fields(t.rows[0]), (QStringList{"a", "b\"c", "d\ne"}));
  EXPECT_EQ(t.rows[1].line, 3);
  EXPECT_EQ(t.fields(t.rows[1]), QStringList{""});
  EXPECT_EQ(t.rows[2].line, 4);
  EXPECT_EQ(t.fields(t.rows[2]), (QStringList{"last", ""}));
  EXPECT_TRUE(t.field(t.rows[2], 2).isNull());  // beyond the row, not the next row's field
  // What a spreadsheet leaves after a closing quote joins the quoted text.
  const CsvTable joined = splitCsv(QStringLiteral("\"ab\"cd,\"\"z,\"q\""), u',');
  EXPECT_EQ(joined.fields(joined.rows.at(0)), (QStringList{"abcd", "z", "q"}));
  EXPECT_EQ(csvRow({"a b", "c,d", "e\"f"}, u','), QStringLiteral("a b,\"c,d\",\"e\"\"f\"\r\n"));
  EXPECT_EQ(decodeCsvBytes(toCp1251(QStringLiteral("объект"))), QStringLiteral("объект"));
}

TEST(PhoneFind, SearchesNumberObjectAndCommentInOrderGoingRound) {
  ConfigImage img;
  appendPhone(img, 1, "+79120001", "ABCDE00000000", toCp1251(QStringLiteral("Склад")));
  appendPhone(img, 1, "555", "0000E00000000", "");
  appendPhone(img, 4, "777", "0000E00000000", toCp1251(QStringLiteral("склад 2")));
  const uint16_t slotMask = 0x0012;
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("СКЛАД"), std::nullopt), (PhonePlace{1, 0}));
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("склад"), PhonePlace{1, 0}), (PhonePlace{4, 0}));
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("склад"), PhonePlace{4, 0}), (PhonePlace{1, 0}));
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("bcd"), std::nullopt), (PhonePlace{1, 0}));
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("55"), std::nullopt), (PhonePlace{1, 1}));
  EXPECT_EQ(findPhone(img, 0x0002, QStringLiteral("777"), std::nullopt), std::nullopt);
  EXPECT_EQ(findPhone(img, slotMask, QStringLiteral("  "), std::nullopt), std::nullopt);
}
