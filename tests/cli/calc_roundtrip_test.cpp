// A real spreadsheet between export and import: LibreOffice Calc opens the Excel export (and the
// .xlsx one) and saves it again, with its default options. Whatever it does to the data, no row may be changed
// without being told.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>
#include <random>

#include "core/exchange/phone_csv.h"
#include "core/exchange/phone_xlsx.h"
#include "core/files/rcf_file.h"
#include "core/files/safe_save.h"
#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"
#include "support/cli_binary.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

// 16 x 200 telephones as technicians type them: "+7...", numbers with a leading 0, service
// numbers with "*", full 16-digit ones; objects and zones with the hex digit E; comments with
// separators, quotes and digits only.
std::unique_ptr<ConfigImage> siteImage() {
  auto img = std::make_unique<ConfigImage>();
  std::mt19937 rng(23);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto digits = [&](int n) {
    QByteArray d;
    for (int i = 0; i < n; ++i) d += static_cast<char>('0' + pick(10));
    return d;
  };
  const char* hex = "0123456789ABCDEF";
  const QStringList comments{QStringLiteral("склад; север"), QStringLiteral("\"Ромашка\""), QStringLiteral("007"),
                             QStringLiteral("1,5"),          QStringLiteral("пост 2"),      QString()};
  ExpanderSet set;
  for (int s = 0; s < kSlotCount; ++s) {
    addExpanderAt(*img, set, s);
    for (int i = 0; i < kMaxPhones; ++i) {
      const QByteArray number = QList<QByteArray>{"+7" + digits(10), "0" + digits(pick(6) + 2), "*" + digits(3),
                                                  digits(16), digits(pick(8) + 3)}[pick(5)];
      QByteArray field;
      for (int k = 0; k < kFieldStringLength; ++k) field += k == 4 ? "ER"[pick(2)] : hex[pick(k < 4 ? 16 : 10)];
      if (pick(4) == 0) field.replace(1, 1, "E");  // objects such as "0E12"
      appendPhone(*img, s, number, field, toCp1251(comments[pick(static_cast<int>(comments.size()))]));
    }
  }
  return img;
}

QByteArray recordOf(const ImportedPhone& p) {
  uint8_t rec[kRecordSize];
  packtel(rec, p.number, p.field, p.comment);
  return QByteArray(reinterpret_cast<const char*>(rec), kRecordSize);
}

class CalcRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    if (cliBinary().isEmpty()) GTEST_SKIP() << "orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice Calc is not installed (libreoffice-calc-nogui)";
    img = siteImage();
    ASSERT_TRUE(saveReplacing(dir.path("site.rcf"), *img));
    const CliResult r = runCli({"export", dir.path("site.rcf"), "--excel", "--out", dir.path("sheet.csv")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
  }

  // Calc opens the file (";", '"', code page 1251, as its dialog offers it for this file) and
  // saves it as CSV the same way; quotedAsText is the option "Quoted field as text".
  QString throughCalc(bool quotedAsText) {
    const QString out = dir.path(quotedAsText ? "text" : "default");
    const QString options = QStringLiteral("59,34,34,1,,0,%1").arg(quotedAsText ? "true" : "false");
    const CliResult r = runProgram(
        soffice,
        {QStringLiteral("-env:UserInstallation=file://") + dir.path("profile"), "--headless", "--norestore",
         QStringLiteral("--infilter=CSV:") + options, "--convert-to", "csv:Text - txt - csv (StarCalc):59,34,34",
         "--outdir", out, dir.path("sheet.csv")},
        {}, 240000);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return out + QStringLiteral("/sheet.csv");
  }

  TempCwd dir;
  QString soffice;
  std::unique_ptr<ConfigImage> img;
};

// Calc's defaults make numbers of "+7282", "079", "0E12" and "007": every row that would be
// stored differently is named, and nothing is written.
TEST_F(CalcRoundTrip, WithCalcsDefaultsNoRowIsChangedSilently) {
  const QString saved = throughCalc(false);
  QByteArray bytes;
  ASSERT_TRUE(readCsvFile(saved, bytes));
  const CliResult r = runCli({"import", dir.path("site.rcf"), "--csv", saved, "--replace", "--out", dir.path("new.rcf")});

  // What each row would store if taken as it reads, against the telephone it was exported from.
  const ImportedPhones rows = readPhonesCsv(bytes);
  int altered = 0;
  for (const ImportedPhone& row : rows.rows) {
    const QByteArray was(reinterpret_cast<const char*>(img->record(row.slot, row.place)), kRecordSize);
    if (recordOf(row) == was) continue;
    ++altered;
    EXPECT_TRUE(r.err.contains(QStringLiteral("строка %1,").arg(row.line))) << "line " << row.line;
  }
  for (const QString& e : rows.errors) EXPECT_TRUE(r.err.contains(e)) << e.toStdString();
  std::printf("[ observed ] Calc's defaults: %d of %lld rows read back altered, %lld refused outright\n", altered,
              static_cast<long long>(rows.rows.size()), static_cast<long long>(rows.errors.size()));
  EXPECT_EQ(bytes.count('\n'), 1 + kSlotCount * kMaxPhones);  // every row kept, none cut or merged
  ASSERT_GT(altered + rows.errors.size(), 0);  // Calc did change something
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(QFileInfo::exists(dir.path("new.rcf")));
}

// With "Quoted field as text" the quoted export comes back whole: the tables byte for byte.
TEST_F(CalcRoundTrip, WithQuotedFieldsAsTextTheTablesComeBackWhole) {
  const QString saved = throughCalc(true);
  const CliResult r = runCli({"import", dir.path("site.rcf"), "--csv", saved, "--replace", "--out", dir.path("new.rcf")});
  ASSERT_EQ(r.status, 0) << r.err.left(2000).toStdString();
  ConfigImage back;
  ASSERT_EQ(readImageFile(dir.path("new.rcf"), back), ReadResult::Ok);
  for (int s = 0; s < kSlotCount; ++s)
    for (int i = 0; i < kMaxPhones; ++i)
      ASSERT_EQ(QByteArray(reinterpret_cast<const char*>(back.record(s, i)), kRecordSize),
                QByteArray(reinterpret_cast<const char*>(img->record(s, i)), kRecordSize))
          << "slot " << s << " telephone " << i;
}

// The .xlsx export opened in Calc and saved as .xlsx with its defaults: every cell is text, so
// all 16 x 200 telephones come back byte for byte, and no cell has turned into a number.
TEST_F(CalcRoundTrip, XlsxThroughCalcsDefaultsComesBackByteForByte) {
  if (!xlsxAvailable()) GTEST_SKIP() << "built without .xlsx";
  const CliResult exported = runCli({"export", dir.path("site.rcf"), "--xlsx", "--out", dir.path("sheet.xlsx")});
  ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
  const CliResult calc = runProgram(soffice,
                                    {QStringLiteral("-env:UserInstallation=file://") + dir.path("profile"), "--headless",
                                     "--norestore", "--convert-to", "xlsx", "--outdir", dir.path("calc"), dir.path("sheet.xlsx")},
                                    {}, 240000);
  ASSERT_EQ(calc.status, 0) << calc.err.toStdString();
  const QString saved = dir.path("calc/sheet.xlsx");
  QByteArray bytes;
  ASSERT_TRUE(readCsvFile(saved, bytes));
  ASSERT_TRUE(looksLikeXlsx(bytes));

  const CliResult r = runCli({"import", dir.path("site.rcf"), "--csv", saved, "--replace", "--out", dir.path("new.rcf")});
  ASSERT_EQ(r.status, 0) << r.err.left(2000).toStdString();
  EXPECT_FALSE(r.err.contains(QStringLiteral("число"))) << "a cell came back as a number";
  ConfigImage back;
  ASSERT_EQ(readImageFile(dir.path("new.rcf"), back), ReadResult::Ok);
  int same = 0;
  for (int s = 0; s < kSlotCount; ++s)
    for (int i = 0; i < kMaxPhones; ++i)
      same += QByteArray(reinterpret_cast<const char*>(back.record(s, i)), kRecordSize) ==
              QByteArray(reinterpret_cast<const char*>(img->record(s, i)), kRecordSize);
  std::printf("[ observed ] .xlsx through Calc's defaults: %d of %d telephones byte for byte\n", same,
              kSlotCount * kMaxPhones);
  EXPECT_EQ(same, kSlotCount * kMaxPhones);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(back.data()), kImageSize),
            QByteArray(reinterpret_cast<const char*>(img->data()), kImageSize));
}

}  // namespace
}  // namespace orbisk::test
