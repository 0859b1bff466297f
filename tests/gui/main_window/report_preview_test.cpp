// "Предварительный просмотр..." and "Печать..." on a 16 x 200 configuration: the pages arrive on
// the preview while the window keeps answering, closing stops the painting at once, and the print
// range is counted on the paper chosen in the print dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/main_window/report_controller.h"
#include "gui/main_window/preview_sheets.h"
#include "gui/main_window/report_preview_dialog.h"
#include "sim/sample_config.h"
#include "support/loop_gap_meter.h"
#include "support/main_window_fixture.h"
#include "support/pdf_tool.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

// Runs step on the open preview every few milliseconds until it answers true (it has closed the
// preview); a preview still open after a minute is closed and the test fails.
void withPreview(MainWindowFixture& f, const std::function<bool(ReportPreviewDialog&)>& step) {
  QElapsedTimer clock;
  clock.start();
  bool inStep = false;  // printing from the preview runs event loops of its own
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
    if (!preview || inStep) return;
    inStep = true;
    if (!step(*preview) && clock.elapsed() > 60000) {
      ADD_FAILURE() << "the preview was still open after a minute";
      preview->reject();
    }
    inStep = false;
  });
  poll.start(5);
  f.action("PreviewReport")->trigger();
}

MainWindowFixture& full(MainWindowFixture& f) {
  sim::buildFull(f.img());
  f.form->obrfile();
  return f;
}

// The pages of a printed PDF, read back by pdftotext: one text per page.
QStringList pdfPages(const QString& pdf) {
  QProcess p;
  p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {pdf, QStringLiteral("-")});
  p.waitForFinished(60000);
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
  pages.removeLast();  // after the last page's form feed
  return pages;
}

// The print dialog answered as a user would: another paper, a file to print to, a range.
void choose(QPrinter& printer, const QString& pdf, QPageSize::PageSizeId paper, int from = 0, int to = 0) {
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(paper));
  printer.setPrintRange(from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
  printer.setFromTo(from, to);
}

// The number of pages "Печать..." offers in its dialog for A4.
int printDialogPages(MainWindowFixture& f) {
  int pages = 0;
  f.form->report().runPrintDialog = [&pages](QPrintDialog& dialog) {
    pages = dialog.maxPage();
    return static_cast<int>(QDialog::Rejected);
  };
  f.action("PrintReport")->trigger();
  return pages;
}

TEST(ReportPreview, EveryPageArrivesWhileTheWindowAnswers) {
  MainWindowFixture f;
  const int printed = printDialogPages(full(f));
  ASSERT_GT(printed, 16 * 200 / 60);
  int shown = 0, arrived = 0;
  qint64 longest = 0;
  QString title, position, progressSeen;
  LoopGapMeter gaps;
  withPreview(f, [&](ReportPreviewDialog& preview) {
    title = preview.windowTitle();
    const QString progress = preview.findChild<QLabel*>(QStringLiteral("PreviewProgress"))->text();
    if (progress.startsWith(QStringLiteral("Подготовка страниц: "))) progressSeen = progress;
    if (!preview.filled()) return false;
    longest = gaps.longestMs();
    shown = preview.sheets().count();
    arrived = preview.sheets().arrived();
    position = preview.findChild<QLabel*>(QStringLiteral("PreviewPosition"))->text();
    preview.reject();
    return true;
  });
  EXPECT_EQ(title, QStringLiteral("Предварительный просмотр"));
  EXPECT_EQ(shown, printed);  // the same pages as the print dialog offers
  EXPECT_EQ(arrived, printed);
  EXPECT_EQ(position, QStringLiteral("стр. 1 из %1").arg(printed));
  EXPECT_TRUE(progressSeen.endsWith(QStringLiteral(" из %1").arg(printed))) << progressSeen.toStdString();
  // Painted on the window's thread the pages would hold it for seconds; the bound leaves room
  // for a loaded machine and the sanitizers.
  EXPECT_LT(longest, 250);
  EXPECT_FALSE(f.st().busy);
}

// The preview's workers alive in this process, by the name they run under (Linux only).
int previewWorkers() {
  int workers = 0;
#ifdef __linux__
  const QDir tasks(QStringLiteral("/proc/self/task"));
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile name(tasks.filePath(task + QStringLiteral("/comm")));
    workers += name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "ReportPreview";
  }
#endif
  return workers;
}

// Closed before the pages are counted, and in the middle of them: the worker ends with the
// window, nothing arrives afterwards (no use of a freed window under the sanitizers).
TEST(ReportPreview, ClosingStopsThePaintingAtOnce) {
  MainWindowFixture f;
  full(f);
  for (const bool afterFirstPage : {false, true}) {
    bool stillPainting = true;
    qint64 closing = -1;
    QElapsedTimer clock;
    withPreview(f, [&](ReportPreviewDialog& preview) {
      if (!preview.painting() || (afterFirstPage && preview.sheets().arrived() == 0)) return false;
      EXPECT_FALSE(preview.filled());
#ifdef __linux__
      // The name is right, so the count after closing sees the worker (it names itself as it starts).
      EXPECT_TRUE(QTest::qWaitFor([] { return previewWorkers() == 1; }, 5000));
#endif
      clock.start();
      preview.reject();
      stillPainting = preview.painting();
      closing = clock.elapsed();
      return true;
    });
    EXPECT_FALSE(stillPainting) << afterFirstPage;
    EXPECT_LT(closing, 500) << afterFirstPage;  // at most one page or the layout to wait for
    // Joined: the system thread itself is gone a moment later.
    EXPECT_TRUE(QTest::qWaitFor([] { return previewWorkers() == 0; }, 1000)) << afterFirstPage;
  }
}

// "Печать..." with A5 chosen in the dialog: the range the dialog offered was counted on A4, so it
// asks again with the pages of A5, keeping the range chosen; the last pages of A5 print.
TEST(ReportPreview, PrintRangeIsCountedOnThePaperChosen) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  MainWindowFixture f;
  full(f);
  const QString pdf = f.dir.path("a5.pdf");
  std::vector<int> offered;
  int keptFrom = 0;
  f.form->report().runPrintDialog = [&](QPrintDialog& dialog) {
    offered.push_back(dialog.maxPage());
    if (offered.size() == 2) keptFrom = dialog.fromPage();
    choose(*dialog.printer(), pdf, QPageSize::A5, dialog.maxPage() - 1, dialog.maxPage());
    return static_cast<int>(QDialog::Accepted);
  };
  f.action("PrintReport")->trigger();
  ASSERT_EQ(offered.size(), 2u);
  const int a4 = offered[0], a5 = offered[1];
  EXPECT_GT(a5, a4 * 3 / 2);
  EXPECT_EQ(keptFrom, a4 - 1);
  EXPECT_EQ(f.prompter.messages, QStringList{QStringLiteral(
                                     "На выбранной бумаге отчет занимает %1 стр. Выберите страницы для печати снова.")
                                                 .arg(a5)});
  const QStringList pages = pdfPages(pdf);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("стр. %1 из %2").arg(a5 - 1).arg(a5))) << pages[0].toStdString();
  EXPECT_TRUE(pages[1].contains(QStringLiteral("стр. %1 из %1").arg(a5)));
}

// "Печать..." in the preview prints every page of the paper chosen, and the preview then shows
// the pages of that paper.
TEST(ReportPreview, PrintFromThePreviewTakesEveryPageOfThePaperChosen) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  MainWindowFixture f;
  full(f);
  const QString pdf = f.dir.path("all.pdf");
  int offered = 0, a4 = 0, a5 = 0;
  f.form->report().runPrintDialog = [&](QPrintDialog& dialog) {
    offered = dialog.maxPage();
    choose(*dialog.printer(), pdf, QPageSize::A5);
    return static_cast<int>(QDialog::Accepted);
  };
  withPreview(f, [&](ReportPreviewDialog& preview) {
    if (!preview.filled()) return false;
    if (a4 == 0) {
      a4 = preview.sheets().count();
      preview.findChild<QPushButton*>(QStringLiteral("PreviewPrint"))->click();
      return false;
    }
    a5 = preview.sheets().count();
    preview.reject();
    return true;
  });
  EXPECT_EQ(offered, a4);
  EXPECT_GT(a5, a4 * 3 / 2);
  const QStringList pages = pdfPages(pdf);
  EXPECT_EQ(pages.size(), a5);
  EXPECT_TRUE(pages.value(a5 - 1).contains(QStringLiteral("стр. %1 из %1").arg(a5)));
  EXPECT_TRUE(f.prompter.messages.isEmpty());
}

}  // namespace
