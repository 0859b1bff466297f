// "Файл" › "Печать..." and "Экспорт в PDF...": the items, and the PDF written through the save
// dialog of the prompter, whole or not at all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "gui/main_window/preview_sheets.h"
#include "gui/main_window/report_preview_dialog.h"
#include "sim/sample_config.h"
#include "support/pdf_tool.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

QString pdfText(const QString& pdf) {
  QProcess p;
  p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {pdf, QStringLiteral("-")});
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(ReportWiring, FileMenuHoldsPrintAndPdfBeforeExit) {
  MainWindowFixture f;
  QMenu* file = f.form->findChild<QMenu*>(QStringLiteral("File1"));
  ASSERT_NE(file, nullptr);
  QStringList items;
  for (QAction* a : file->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  // After the file commands and the other features' items, last before "Выход".
  EXPECT_EQ(items.mid(0, 5), (QStringList{"Новый", "Открыть", "Сохранить", "Сохранить как", "-"}));
  EXPECT_EQ(items.mid(items.size() - 6),
            (QStringList{"-", "Печать...", "Предварительный просмотр...", "Экспорт в PDF...", "-", "Выход"}));
  EXPECT_EQ(f.action("PrintReport")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}

// The preview shows every page of the report (painted on the worker, the window answering).
TEST(ReportWiring, PreviewShowsEveryPage) {
  MainWindowFixture f;
  sim::buildFull(f.img());
  f.form->obrfile();
  int pages = -1;
  QString title;
  QTimer::singleShot(0, [&] {
    auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(preview, nullptr);
    title = preview->windowTitle();
    EXPECT_TRUE(QTest::qWaitFor([preview] { return preview->filled(); }, 60000));
    pages = preview->sheets().count();
    preview->reject();
  });
  f.action("PreviewReport")->trigger();
  EXPECT_EQ(title, QStringLiteral("Предварительный просмотр"));
  EXPECT_GT(pages, 16 * 200 / 60);
  EXPECT_FALSE(f.st().busy);
}

TEST(ReportWiring, ExportPdfWritesTheWindowsConfigurationAsShown) {
  ORBISK_SKIP_WITHOUT_PDFTOTEXT();
  MainWindowFixture f;
  sim::buildSample(f.img());
  sim::parseChannelTypes(sim::kSampleChannelTypes, f.st().channelTypes);
  f.form->obrfile();
  f.st().modified = true;
  const auto before = std::make_unique<ConfigImage>(f.img());
  f.prompter.saveChoices.push_back(f.dir.path("отчет.pdf"));
  f.action("ExportPdf")->trigger();

  EXPECT_EQ(f.prompter.pdfDialogs, 1);
  EXPECT_EQ(f.prompter.saveProposals, QStringList{"OrbData1.pdf"});
  EXPECT_TRUE(f.prompter.messages.isEmpty()) << f.prompter.messages.join('|').toStdString();
  EXPECT_TRUE(readAll(f.dir.path("отчет.pdf")).startsWith("%PDF-"));
  const QString text = pdfText(f.dir.path("отчет.pdf"));
  // The channel types of the last read come from the window, not the file.
  EXPECT_TRUE(text.contains(QStringLiteral("ТЛФ канал 4 тел:84957770004"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Halvorn 2010")));
  EXPECT_TRUE(text.contains(QStringLiteral("(не сохранена)")));
  EXPECT_TRUE(text.contains(QStringLiteral("Охрана пульт")));
  EXPECT_TRUE(f.img() == *before);
  EXPECT_TRUE(f.st().modified);
}

TEST(ReportWiring, CancelledOrUnwritablePdfLeavesNothing) {
  MainWindowFixture f;
  f.action("ExportPdf")->trigger();  // the dialog cancelled
  EXPECT_EQ(f.prompter.pdfDialogs, 1);
  EXPECT_TRUE(f.prompter.messages.isEmpty());

  const QString path = f.dir.path("no-such-folder/report.pdf");
  f.prompter.saveChoices.push_back(path);
  f.action("ExportPdf")->trigger();
  EXPECT_EQ(f.prompter.messages, QStringList{path + ": Не удалось записать отчет"});
  EXPECT_FALSE(QFileInfo::exists(path));

  f.st().busy = true;  // a transfer is running
  f.action("ExportPdf")->trigger();
  EXPECT_EQ(f.prompter.pdfDialogs, 2);
  f.st().busy = false;
}

TEST(ReportWiring, ExportCancelledInItsProgressWindowLeavesNoFileAndFreesTheWindow) {
  MainWindowFixture f;
  f.setExpanders({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 200);
  const QString path = f.dir.path("full.pdf");
  f.prompter.saveChoices.push_back(path);
  bool busyMeanwhile = false;
  // The first event the window handles while the pages are painted: "Отмена" in the progress window.
  QTimer::singleShot(0, f.form.get(), [&] {
    busyMeanwhile = f.st().busy;
    auto* progress = f.form->findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Отмена"));
    cancel->click();
  });
  f.action("ExportPdf")->trigger();

  EXPECT_TRUE(busyMeanwhile);  // no other command starts meanwhile
  EXPECT_FALSE(f.st().busy);
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(f.prompter.messages.isEmpty()) << f.prompter.messages.join('|').toStdString();
  EXPECT_EQ(f.form->findChild<QProgressDialog*>(), nullptr);
}
