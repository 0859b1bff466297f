// The built orbisk-cli exporting and importing telephone tables, as a script would run it.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <memory>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_xlsx.h"
#include "core/files/rcf_file.h"
#include "core/files/safe_save.h"
#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_table.h"
#include "support/backup_env.h"
#include "support/cli_binary.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

struct CliRun {
  int status = -1;
  QByteArray out;
  QString err;
};

CliRun cli(const QStringList& args) {
  CapturedProcess p;
  p.start(cliBinary(), args);
  p.closeWriteChannel();
  CliRun r;
  if (!p.waitForFinished(60000)) return r;
  r.out = p.output();
  r.err = QString::fromUtf8(p.errors());
  if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
  return r;
}

class CliExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    if (cliBinary().isEmpty()) GTEST_SKIP() << "orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    // Two expanders, slots 2 and 9, with a comment a spreadsheet must quote.
    auto img = std::make_unique<ConfigImage>();
    ExpanderSet set;
    addExpanderAt(*img, set, 2);
    addExpanderAt(*img, set, 9);
    appendPhone(*img, 2, "+79120000001", "0012E13000501", toCp1251(QStringLiteral("склад; \"север\"")));
    appendPhone(*img, 2, "1234567890123456", "0001R40100902", "");
    appendPhone(*img, 9, "", "ABCDE00000000", toCp1251(QStringLiteral("  пост  ")));
    ASSERT_TRUE(saveReplacing(dir.path("conf.rcf"), *img));
    original = readAll(dir.path("conf.rcf"));
  }
  QStringList files() const { return QDir(dir.root()).entryList(QDir::Files | QDir::Hidden); }

  TempCwd dir;
  QByteArray original;
};

TEST_F(CliExchange, SpreadsheetRoundTripGivesTheSameFile) {
  CliRun r = cli({"export", "conf.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.startsWith("расширитель,телефон,объект,код,зона,раздел,комментарии\r\n2,+79120000001,0012,E130,005,01,"));

  // What a spreadsheet saves after opening the Excel export: zeros gone, quotes kept.
  r = cli({"export", "conf.rcf", "--excel", "--out", "phones.csv"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  QString sheet = fromCp1251(readAll(dir.path("phones.csv")));
  ASSERT_TRUE(sheet.contains(QStringLiteral(";\"0012\";\"E130\";\"005\";\"01\";")));
  sheet.replace(QStringLiteral(";\"0012\";\"E130\";\"005\";\"01\";"), QStringLiteral(";12;E130;5;1;"));
  writeAll(dir.path("edited.csv"), toCp1251(sheet));

  r = cli({"import", "conf.rcf", "--csv", "edited.csv", "--replace", "--out", "copy.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(text::ExchangeTexts::importSummaryReplace()));
  EXPECT_EQ(readAll(dir.path("copy.rcf")), original);
  EXPECT_EQ(readAll(dir.path("conf.rcf")), original);

  // Only one expander.
  r = cli({"export", "conf.rcf", "--slot", "9"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out.count('\n'), 2);
}

// The workbook export comes back whole through import; a damaged one changes nothing.
TEST_F(CliExchange, XlsxRoundTripAndDamagedWorkbook) {
  if (!xlsxAvailable()) {
    const CliRun r = cli({"export", "conf.rcf", "--xlsx", "--out", "phones.xlsx"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral(".xlsx is not available in this build")));
    return;
  }
  EXPECT_EQ(cli({"export", "conf.rcf", "--xlsx", "--excel"}).status, 2);
  CliRun r = cli({"export", "conf.rcf", "--xlsx", "--out", "phones.xlsx"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  r = cli({"import", "conf.rcf", "--csv", "phones.xlsx", "--replace", "--out", "copy.rcf"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(readAll(dir.path("copy.rcf")), original);

  writeAll(dir.path("cut.xlsx"), readAll(dir.path("phones.xlsx")).left(900));
  r = cli({"import", "conf.rcf", "--csv", "cut.xlsx"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains(text::ExchangeTexts::xlsxBroken()));
  EXPECT_EQ(readAll(dir.path("conf.rcf")), original);
}

TEST_F(CliExchange, ImportInPlaceAddsAnExpanderAndErrorsChangeNothing) {
  writeAll(dir.path("more.csv"), "slot,number\n9,+7111\nc,+7222\n");
  CliRun r = cli({"import", "conf.rcf", "--csv", "more.csv"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  ConfigImage after;
  ASSERT_EQ(readImageFile(dir.path("conf.rcf"), after), ReadResult::Ok);
  EXPECT_EQ(after.phoneCount(9), 2);
  EXPECT_EQ(after.phoneCount(12), 1);
  EXPECT_EQ(after.mask(), 0x1204);
  EXPECT_EQ(after[off::kExpanderCount], 3);
  const QByteArray updated = readAll(dir.path("conf.rcf"));

  writeAll(dir.path("bad.csv"), "slot,number,object\n2,+7111,12G4\nX,+7,1\n");
  r = cli({"import", "conf.rcf", "--csv", "bad.csv"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("строка 2, объект \"12G4\": допустимы только цифры 0-9 и буквы A-F")));
  EXPECT_TRUE(r.err.contains(QStringLiteral("строка 3, расширитель \"X\"")));
  EXPECT_EQ(readAll(dir.path("conf.rcf")), updated);
  EXPECT_EQ(files(), (QStringList{"bad.csv", "conf.rcf", "more.csv"}));

  EXPECT_EQ(cli({"import", "conf.rcf"}).status, 2);
  EXPECT_EQ(cli({"import", "conf.rcf", "--csv", "missing.csv"}).status, 2);
  EXPECT_EQ(cli({"export", "conf.rcf", "--slot", "G"}).status, 2);
  EXPECT_EQ(cli({"export", "conf.rcf", "--slot", "5"}).status, 2);
}

// --out never replaces what is not a regular file, writes through a link, and an import in place
// keeps the configuration it replaces in the backups.
TEST_F(CliExchange, OutputsThatAreNotFilesAreRefusedLinksWrittenThroughReplacedFilesKept) {
  const BackupFolder backups(dir.path("backups"));
  const QString refused = QStringLiteral(": Не сохраняется: это не обычный файл (папка, устройство или канал)\n");
  writeAll(dir.path("more.csv"), "slot,number\n9,+7111\n");
#ifdef _WIN32
  // Device names open the device in any folder; Windows has no FIFOs to make.
  const QStringList notFiles{"NUL", "nul.csv", "COM1", dir.root()};
#else
  const QByteArray fifo = QFile::encodeName(dir.path("pipe"));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  CliRun r = cli({"export", "conf.rcf", "--out", "pipe"});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, QStringLiteral("pipe") + refused);
  // A device of its own, like /dev/null (root only), and a folder.
  QStringList notFiles{"pipe", dir.root()};
  if (::mknod(QFile::encodeName(dir.path("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) notFiles << "null";
#endif
  for (const QString& out : notFiles) {
    const CliRun r = cli({"import", "conf.rcf", "--csv", "more.csv", "--out", out});
    EXPECT_EQ(r.status, 2) << out.toStdString();
    EXPECT_EQ(r.err, out + refused);
  }
#ifdef _WIN32
}
#else
  struct stat st {};
  ASSERT_EQ(::stat(fifo.constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // Symbolic links (a Windows shortcut is no link to write through).
  ASSERT_TRUE(QFile::link(dir.path("conf.rcf"), dir.path("link.rcf")));
  r = cli({"import", "link.rcf", "--csv", "more.csv"});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(QFileInfo(dir.path("link.rcf")).isSymLink());
  EXPECT_NE(readAll(dir.path("conf.rcf")), original);
  ASSERT_EQ(backups.files("replaced").size(), 1);
  EXPECT_EQ(readAll(backups.files("replaced").first()), original);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("Резервная копия: ") + backups.files("replaced").first())) << r.err.toStdString();
}
#endif

}  // namespace
}  // namespace orbisk::test
