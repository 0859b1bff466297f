// The built orbisk-cli writing reports: a PDF whose text poppler reads back whole, the 16 x 200
// configuration with the column captions on every page, HTML, and the refusals.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <memory>

#include "core/files/rcf_file.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "sim/sample_config.h"
#include "support/pdf_tool.h"
#include "support/cli_binary.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

// As runProgram, with two minutes for a report of a whole configuration.
CliResult run(const QString& program, const QStringList& args, const QProcessEnvironment& env = {}) {
  return runProgram(program, args, env, 120000);
}

class ReportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    cli = cliBinary();
    if (cli.isEmpty()) GTEST_SKIP() << "orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
#ifndef _WIN32
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext missing: scripts/deps.sh installs poppler-utils";
#endif
  }
  void save(const QString& name, ConfigImage& img) {
    ASSERT_EQ(writeImageFile(dir.path(name), WriteMode::CreateNew, img), WriteResult::Ok);
  }
  CliResult report(const QString& file, const QString& out) { return run(cli, {"report", file, "--out", out}); }
  QString pdfText(const QString& pdf, int page = 0) {
    QStringList args{"-layout"};
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return run(pdftotext, args << pdf << "-").out;
  }
  // A display-less session: no X or Wayland display and no platform chosen.
  static QProcessEnvironment headless() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    return env;
  }

  TempCwd dir;
  QString cli, pdftotext;
};

TEST_F(ReportCli, PdfHoldsCyrillicCommentAndFifteenSymbolNumberWhole) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  img->resetStartup();
  img->setMask(0x0004);
  (*img)[off::kExpanderCount] = 1;
  packtel_1(img->sim(2), "+79990001122");
  packtel(img->record(2, 0), "+78123456789012", "0042E13000101", toCp1251(QStringLiteral("Проходная №3")));
  img->setPhoneCount(2, 1);
  save("small.rcf", *img);

  // Without a display, even where the environment names one that is not there.
  QProcessEnvironment env = headless();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  const CliResult r = run(cli, {"report", "small.rcf", "--out", "small.pdf"}, env);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(readAll(dir.path("small.pdf")).startsWith("%PDF-"));
  const QString text = pdfText(dir.path("small.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("+78123456789012"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Проходная №3"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("GSM канал 2 тел:+79990001122")));
  EXPECT_TRUE(text.contains(QStringLiteral("Номер приемника:")));
  EXPECT_TRUE(text.contains(QStringLiteral("Необходимо прочитать настройки приемника")));
}

TEST_F(ReportCli, FullConfigurationRepeatsTheColumnCaptionsOnEveryPage) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  save("full.rcf", *img);
  const CliResult r = report("full.rcf", "full.pdf");
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QString info = run(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {dir.path("full.pdf")}).out;
  const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
  ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
  const int count = pages.captured(1).toInt();
  EXPECT_GT(count, 16 * 200 / 60);  // 3,200 rows do not fit on few pages
  const QRegularExpression captions(QStringLiteral("телефон +объект +код +зона +раздел +комментарии"));
  for (int page = 2; page <= count; ++page)
    EXPECT_TRUE(pdfText(dir.path("full.pdf"), page).contains(captions)) << "page " << page;
  const QString all = pdfText(dir.path("full.pdf"));
  EXPECT_TRUE(all.contains(QStringLiteral("+79031015199")));  // the last telephone of slot F
  EXPECT_TRUE(all.contains(QStringLiteral("Абонент 15-199")));
}

TEST_F(ReportCli, HtmlByItsExtensionAndOtherNamesRefused) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildSample(*img);
  save("sample.rcf", *img);
  for (const char* name : {"sample.html", "SAMPLE.HTM"}) {
    const CliResult r = report("sample.rcf", QString::fromLatin1(name));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString html = QString::fromUtf8(readAll(dir.path(QString::fromLatin1(name))));
    EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(html.contains(QStringLiteral("Магазин «Лето»")));
    EXPECT_TRUE(html.contains(QStringLiteral("Halvorn 3320")));  // named by its model digits
  }

  for (const char* name : {"sample.txt", "sample", "sample.pdf.bak"}) {
    const CliResult r = report("sample.rcf", QString::fromLatin1(name));
    EXPECT_EQ(r.status, 2) << name;
    EXPECT_TRUE(r.err.contains(QStringLiteral(".pdf, .html or .htm"))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path(QString::fromLatin1(name))));
  }
  writeAll(dir.path("broken.rcf"), QByteArray(100, 'x'));
  CliResult r = report("broken.rcf", "broken.pdf");
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(QFileInfo::exists(dir.path("broken.pdf")));
  r = report("sample.rcf", dir.path("no-such-folder/sample.pdf"));
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains(QStringLiteral("Не удалось записать отчет"))) << r.err.toStdString();
}

TEST_F(ReportCli, OtherCommandsNeedNoDisplayPlatform) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildSample(*img);
  save("sample.rcf", *img);
  // A platform that cannot start here would end the program if anything but the report loaded one.
  QProcessEnvironment env = headless();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  const CliResult r = run(cli, {"show", "sample.rcf"}, env);
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("Ademco_685")));
}

}  // namespace
}  // namespace orbisk::test
