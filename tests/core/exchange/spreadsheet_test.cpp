// What spreadsheets and people do to a telephone table, and that none of it changes data silently.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <memory>

#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_import.h"
#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"
#include "support/qt_print.h"

using namespace orbisk;

namespace {

const QString kAdvice = QStringLiteral("похоже, таблица превратила значение в число; при открытии CSV задайте столбцам тип "
                                       "\"Текст\" (или включите \"Поля в кавычках как текст\") и сохраните файл заново");

ImportResult importInto(ConfigImage& img, const QString& csv, ImportMode mode = ImportMode::Append) {
  auto out = std::make_unique<ConfigImage>();
  const ImportResult r = buildImport(img, expandersOf(img), readPhonesCsv(csv.toUtf8()), mode, *out);
  if (r.ok()) img = *out;
  return r;
}

}  // namespace

TEST(SpreadsheetImport, ShortEventsSynonymsUnknownColumnsAndTitleRows) {
  ConfigImage img;
  const ImportResult r = importInto(img, QStringLiteral(
      "Телефоны объекта Север, корпус 2\n"   // line 1: a title, without the header's separator
      ";;;\n"
      "Слот;Номер;Событие;Комментарий;Ответственный\n"  // line 3
      "1;+7001;E1;один;Иванов\n"
      "1;+7002;E01;два;\n"
      "1;+7003;E12;три;\n"
      "1;+7004;r1;четыре;\n"
      "1;+7005;e130;пять;\n"));
  ASSERT_TRUE(r.ok()) << r.errors.join(u'\n').toStdString();
  ASSERT_EQ(img.phoneCount(1), 5);
  const QList<QByteArray> events{"E001", "E001", "E012", "R001", "E130"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(kodsob(img.record(1, i)), events[i]) << i;
  EXPECT_EQ(fromCp1251(commentText(img.record(1, 0))), QStringLiteral("один"));
  EXPECT_EQ(r.notices, (QStringList{
                           QStringLiteral("строка 3: столбец \"Ответственный\" не известен и не импортируется"),
                           QStringLiteral("строка 4, код \"E1\": сохраняется как \"E001\""),
                           QStringLiteral("строка 5, код \"E01\": сохраняется как \"E001\""),
                           QStringLiteral("строка 6, код \"E12\": сохраняется как \"E012\""),
                           QStringLiteral("строка 7, код \"r1\": сохраняется как \"R001\""),
                       }));
  EXPECT_EQ(importSummary(r).mid(3), QStringList{QStringLiteral("Обратите внимание:")} + r.notices);
}

TEST(SpreadsheetImport, ExtraFieldsExponentFormsAndUtf16) {
  ConfigImage img;
  const auto before = std::make_unique<ConfigImage>(img);
  ImportResult r = importInto(img, QStringLiteral(
      "slot;number;comment\n"
      "2;+7001;склад; север\n"   // an unquoted separator cut the comment
      "2;7,91234E+10;x\n"
      "2;+7003;ok;;\n"));        // empty fields beyond the header are harmless
  EXPECT_EQ(r.errors, (QStringList{
                          QStringLiteral("строка 2: значений в строке больше, чем столбцов в заголовке (4 из 3): "
                                         "возможно, в комментарии есть разделитель без кавычек"),
                          QStringLiteral("строка 3, телефон \"7,91234E+10\": ") + kAdvice,
                      }));
  EXPECT_TRUE(img == *before);

  const QString text = QStringLiteral("slot\tnumber\tcomment\r\n3\t+7999\tсклад\r\n");
  for (auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
    QStringEncoder enc(encoding, QStringConverter::Flag::WriteBom);
    const ImportedPhones rows = readPhonesCsv(enc.encode(text));
    ASSERT_TRUE(rows.errors.isEmpty()) << rows.errors.join(u'\n').toStdString();
    ASSERT_EQ(rows.rows.size(), 1);
    EXPECT_EQ(rows.rows[0].number, "+7999");
    EXPECT_EQ(fromCp1251(rows.rows[0].comment), QStringLiteral("склад"));
  }
}

// A replace is compared with the list it replaces: values a spreadsheet made numbers of are
// refused with their lines; the zeros of fixed-width cells come back without a word.
TEST(SpreadsheetImport, ReplaceRefusesWhatASpreadsheetTurnedIntoNumbers) {
  ConfigImage img;
  ExpanderSet set;
  addExpanderAt(img, set, 4);
  appendPhone(img, 4, "+7282", "0012E13000501", "");
  appendPhone(img, 4, "079", "0E12E13000501", toCp1251(QStringLiteral("007")));
  appendPhone(img, 4, "555", "0001E13000501", "");
  const auto before = std::make_unique<ConfigImage>(img);
  const QString sheet = QStringLiteral(
      "расширитель;телефон;объект;код;зона;раздел;комментарии\n"
      "4;7282;12;E130;5;1;\n"
      "4;79;0;E130;5;1;7\n"
      "4;556;1;E130;5;1;\n");  // a real change
  ImportResult r = importInto(img, sheet, ImportMode::Replace);
  EXPECT_EQ(r.errors, (QStringList{
                          QStringLiteral("строка 2, телефон \"7282\": в текущем списке \"+7282\": ") + kAdvice,
                          QStringLiteral("строка 3, телефон \"79\": в текущем списке \"079\": ") + kAdvice,
                          QStringLiteral("строка 3, объект \"0000\": в текущем списке \"0E12\": ") + kAdvice,
                          QStringLiteral("строка 3, комментарии \"7\": в текущем списке \"007\": ") + kAdvice,
                      }));
  EXPECT_TRUE(img == *before);
  // A refused row keeps its place: the row after it is compared with the second telephone.
  r = importInto(img, QStringLiteral("расширитель;телефон\n4;+72G2\n4;79\n"), ImportMode::Replace);
  EXPECT_EQ(r.errors, (QStringList{
                          QStringLiteral("строка 2, телефон \"+72G2\": допустимы только цифры, \"+\" и \"*\""),
                          QStringLiteral("строка 3, телефон \"79\": в текущем списке \"079\": ") + kAdvice,
                      }));
  // Appended, the rows stand beside the list and are taken as they read.
  EXPECT_TRUE(importInto(img, sheet).ok());
}

// Either separator may be the decimal point; a text with a blank or a letter is no number.
TEST(SpreadsheetImport, NumbersAreReadWithEitherSeparatorAndNothingElse) {
  ConfigImage img;
  ExpanderSet set;
  addExpanderAt(img, set, 2);
  for (const char* comment : {"1.5", " 12", "12a", "3e", "1.000,5"})
    appendPhone(img, 2, "5", "0012E13000501", comment);
  const QString sheet = QStringLiteral(
      "расширитель;телефон;комментарии\n"
      "2;5;\"1,5\"\n"
      "2;5;12\n"
      "2;5;12\n"
      "2;5;3\n"
      "2;5;1000.5\n");
  EXPECT_EQ(importInto(img, sheet, ImportMode::Replace).errors,
            (QStringList{QStringLiteral("строка 2, комментарии \"1,5\": в текущем списке \"1.5\": ") + kAdvice,
                         QStringLiteral("строка 6, комментарии \"1000.5\": в текущем списке \"1.000,5\": ") + kAdvice}));
}
