// The report painted on PDF pages and read back with poppler: page breaks neither drop nor repeat
// a row, a value wider than its room wraps instead of being cut, and a stopped report leaves the
// path as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QPdfWriter>
#include <QStandardPaths>
#include <memory>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/report/report_content.h"
#include "render/report_document.h"
#include "sim/sample_config.h"
#include "support/pdf_tool.h"
#include "support/cli_binary.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

ReportSource source(const QString& path = QStringLiteral("/tmp/full.rcf")) {
  ReportSource src;
  src.shortName = QStringLiteral("full");
  src.fullPath = path;
  src.made = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
  src.modelText = QStringLiteral("Halvorn 3320");
  return src;
}

QString pdfText(const QString& pdf) {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  return runProgram(tool, {pdf, QStringLiteral("-")}, {}, 60000).out;
}

TEST(ReportDocument, EveryRowOnceAcrossPageBreaksAndProgressCountsEveryPage) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  TempCwd dir;
  SaveCause error = SaveCause::None;
  std::vector<std::pair<int, int>> told;
  const auto progress = [&told](int done, int total) {
    told.emplace_back(done, total);
    return true;
  };
  ASSERT_EQ(writeReportPdf(reportContent(*img, source()), dir.path("full.pdf"), error, progress), ReportWrite::Written);
  ASSERT_GT(told.size(), 16u * 200 / 60);
  for (size_t i = 0; i < told.size(); ++i)
    EXPECT_EQ(told[i], std::make_pair(static_cast<int>(i + 1), static_cast<int>(told.size())));

  const QString text = pdfText(dir.path("full.pdf"));
  for (int s = 0; s < kSlotCount; ++s)
    for (int i = 0; i < kMaxPhones; ++i) {
      const QString number = wholeNumber(img->record(s, i));
      const QString comment = QStringLiteral("Абонент %1-%2").arg(s).arg(i);
      ASSERT_EQ(text.count(u'\n' + number + u'\n'), 1) << number.toStdString();
      ASSERT_EQ(text.count(u'\n' + comment + u'\n'), 1) << comment.toStdString();
    }
}

// A page that comes loose says whose it is and where it belongs: the file and the receiver's
// number on every page, "стр. N из M", and an expander's heading again where its table goes on.
TEST(ReportDocument, EveryPageNamesItsReportAndContinuedTablesTheirExpander) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  TempCwd dir;
  SaveCause error = SaveCause::None;
  const ReportContent content = reportContent(*img, source());
  ASSERT_EQ(writeReportPdf(content, dir.path("full.pdf"), error), ReportWrite::Written);
  QStringList pages = pdfText(dir.path("full.pdf")).split(u'\f');  // pdftotext ends each page with a form feed
  pages.removeLast();
  const int total = static_cast<int>(pages.size());
  ASSERT_GT(total, 16 * 200 / 60);
  int continued = 0;
  for (int page = 1; page <= total; ++page) {
    const QString& text = pages[page - 1];
    EXPECT_TRUE(text.contains(QStringLiteral("Файл: full"))) << "page " << page;
    EXPECT_TRUE(text.contains(QStringLiteral("Номер приемника: ") + content.headReceiver.section(u' ', -1))) << page;
    EXPECT_TRUE(text.contains(QStringLiteral("стр. %1 из %2").arg(page).arg(total))) << "page " << page;
    // A page that opens inside a table names the expander before its rows.
    const qsizetype firstRow = text.indexOf(QStringLiteral("Абонент "));
    if (page > 1 && firstRow >= 0 && text.indexOf(QStringLiteral("Количество телефонов")) < 0) {
      const qsizetype heading = text.indexOf(QStringLiteral(" (продолжение)"));
      EXPECT_TRUE(heading >= 0 && heading < firstRow) << "page " << page;
      continued += heading >= 0;
    }
  }
  EXPECT_GT(continued, 16);
}

// A print dialog's range: only those pages, numbered as in the whole report.
TEST(ReportDocument, PageRangePaintsOnlyThosePages) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  TempCwd dir;
  QPdfWriter pdf(dir.path("range.pdf"));
  pdf.setResolution(300);
  QPageRanges ranges;
  ranges.addRange(3, 4);
  int told = 0;
  ASSERT_TRUE(paintReport(reportContent(*img, source()), pdf, [&told](int done, int total) {
    EXPECT_EQ(total, 2);
    told = done;
    return true;
  }, ranges));
  EXPECT_EQ(told, 2);
  const QString text = pdfText(dir.path("range.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("стр. 3 из "))) << text.left(300).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("стр. 4 из ")));
  EXPECT_FALSE(text.contains(QStringLiteral("стр. 2 из ")));
  EXPECT_FALSE(text.contains(QStringLiteral("стр. 5 из ")));
}

TEST(ReportDocument, ValueWiderThanItsRoomWrapsWhole) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  auto img = std::make_unique<ConfigImage>();
  sim::buildSample(*img);
  TempCwd dir;
  // A path far wider than the page, without a space to break at.
  const QString path = QStringLiteral("/home/техник/") + QStringLiteral("объекты-").repeated(30) + QStringLiteral("конец.rcf");
  SaveCause error = SaveCause::None;
  ASSERT_EQ(writeReportPdf(reportContent(*img, source(path)), dir.path("wide.pdf"), error), ReportWrite::Written);
  QString text = pdfText(dir.path("wide.pdf"));
  text.remove(u'\n');
  EXPECT_TRUE(text.contains(path)) << text.left(2000).toStdString();
}

TEST(ReportDocument, StoppedOrUnwritableReportLeavesThePathAsItWas) {
  auto img = std::make_unique<ConfigImage>();
  sim::buildFull(*img);
  TempCwd dir;
  writeAll(dir.path("old.pdf"), "an older report");
  SaveCause error = SaveCause::None;
  int pages = 0;
  const auto stopAtTwo = [&pages](int done, int) { return (pages = done) < 2; };
  EXPECT_EQ(writeReportPdf(reportContent(*img, source()), dir.path("old.pdf"), error, stopAtTwo), ReportWrite::Stopped);
  EXPECT_EQ(pages, 2);  // no page painted after the stop
  EXPECT_EQ(error, SaveCause::None);
  EXPECT_EQ(readAll(dir.path("old.pdf")), QByteArray("an older report"));
  EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList{"old.pdf"});  // no temporary file left

  const QString nowhere = dir.path("no-such-folder/x.pdf");
  EXPECT_EQ(writeReportPdf(reportContent(*img, source()), nowhere, error), ReportWrite::Failed);
  EXPECT_EQ(error, SaveCause::NoFolder);
}

}  // namespace
}  // namespace orbisk::test
