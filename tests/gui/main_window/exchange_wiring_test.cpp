// Import, export, copy, paste and find as the main window offers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "core/exchange/exchange_texts.h"
#include "core/exchange/phone_xlsx.h"
#include "core/files/file_texts.h"
#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/records/phone_table.h"
#include "gui/dialogs/exchange_ui_texts.h"
#include "gui/dialogs/find_dialog.h"
#include "gui/dialogs/import_dialog.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

// Runs `answer` on the next modal dialog once it is up.
void onNextDialog(std::function<void(QDialog*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    answer(dlg);
  });
}

// "Импорт телефонов..." with "Заменить" chosen: the report the dialog showed before the import.
QString importReplacing(MainWindowFixture& f) {
  QString report;
  onNextDialog([&](QDialog* dlg) {
    auto* d = qobject_cast<ImportDialog*>(dlg);
    ASSERT_NE(d, nullptr);
    d->replaceChoice()->setChecked(true);
    report = d->report()->toPlainText();
    d->importButton()->click();
  });
  f.action("ImportPhones")->trigger();
  return report;
}

}  // namespace

TEST(ExchangeWiring, ImportShowsTheSummaryAndAddsTheExpanderAsTheAddCommandDoes) {
  MainWindowFixture f;
  f.setExpanders({0}, 2);
  writeAll(f.dir.path("in.csv"), "slot,number,object,comment\n1,+7111,12,new\n0,+7222,,\n");
  f.prompter.csvOpenChoices = {f.dir.path("in.csv")};
  const QString report = importReplacing(f);
  EXPECT_TRUE(report.startsWith(text::ExchangeTexts::importSummaryReplace())) << report.toStdString();
  EXPECT_TRUE(report.contains(text::ExchangeTexts::importSummarySlot().arg(QStringLiteral("1")).arg(1).arg(0).arg(1) +
                              text::ExchangeTexts::importSummaryAdded()));
  EXPECT_TRUE(f.st().modified);
  EXPECT_FALSE(f.st().busy);
  EXPECT_EQ(f.nodeCount(), 2);
  EXPECT_EQ(f.img().phoneCount(0), 1);

  // The same through "Добавить расширитель" and the editor's packer gives the same bytes.
  MainWindowFixture g;
  g.setExpanders({0}, 2);
  g.action("N34")->trigger();
  g.img().setPhoneCount(0, 0);
  appendPhone(g.img(), 0, "+7222", "0000E00000000", "");
  appendPhone(g.img(), 1, "+7111", "0012E00000000", "new");
  g.img()[off::kLastNode] = f.img()[off::kLastNode];
  EXPECT_TRUE(f.img() == g.img());
}

TEST(ExchangeWiring, ImportWithErrorsListsThemAndChangesNothing) {
  MainWindowFixture f;
  f.setExpanders({0}, 2);
  const ConfigImage before = f.img();
  writeAll(f.dir.path("bad.csv"), "slot,number,object\n0,+7111,12G4\n");
  f.prompter.csvOpenChoices = {f.dir.path("bad.csv")};
  QString report;
  bool importOffered = true;
  onNextDialog([&](QDialog* dlg) {
    auto* d = qobject_cast<ImportDialog*>(dlg);
    report = d->report()->toPlainText();
    importOffered = d->importButton()->isVisibleTo(d);
    d->reject();
  });
  f.action("ImportPhones")->trigger();
  EXPECT_EQ(report, QStringLiteral("строка 2, объект \"12G4\": допустимы только цифры 0-9 и буквы A-F"));
  EXPECT_FALSE(importOffered);
  EXPECT_TRUE(f.img() == before);
  EXPECT_FALSE(f.st().modified);

  // Nothing at all while another command runs.
  f.prompter.csvOpenChoices = {f.dir.path("bad.csv")};
  f.st().busy = true;
  f.action("ImportPhones")->trigger();
  f.action("ExportPhones")->trigger();
  EXPECT_EQ(f.prompter.csvOpenChoices.size(), 1u);
  f.st().busy = false;
}

TEST(ExchangeWiring, ExportOfTheSelectedExpanderForExcel) {
  MainWindowFixture f;
  f.setExpanders({0, 5}, 2);
  f.selectNode(2);
  f.prompter.csvSaveChoices = {f.dir.path("out.csv")};
  onNextDialog([](QDialog* dlg) {
    dlg->findChild<QRadioButton*>(QStringLiteral("ExportExcel"))->setChecked(true);
    dlg->accept();
  });
  f.action("ExportPhones")->trigger();
  EXPECT_EQ(f.prompter.saveProposals.value(0), QStringLiteral("OrbData1-5.csv"));
  const QString csv = fromCp1251(readAll(f.dir.path("out.csv")));
  EXPECT_EQ(csv, QStringLiteral("расширитель;телефон;объект;код;зона;раздел;комментарии\r\n"
                                "\"5\";\"1000\";\"0001\";\"E130\";\"001\";\"01\";\"c0\"\r\n"
                                "\"5\";\"1001\";\"0001\";\"E130\";\"001\";\"01\";\"c1\"\r\n"));
  EXPECT_FALSE(f.st().busy);

  // An existing file is replaced only when the user says so.
  f.prompter.csvSaveChoices = {f.dir.path("out.csv")};
  f.prompter.answers = {Answer::Cancel};
  onNextDialog([](QDialog* dlg) { dlg->accept(); });
  f.action("ExportPhones")->trigger();
  EXPECT_EQ(fromCp1251(readAll(f.dir.path("out.csv"))), csv);
  EXPECT_EQ(f.prompter.questions, QStringList{text::FileTexts::askReplace()});
}

// The workbook choice proposes an .xlsx name, and the workbook imports back to the same lists.
TEST(ExchangeWiring, XlsxExportImportsBackUnchanged) {
  if (!xlsxAvailable()) GTEST_SKIP() << "built without .xlsx";
  MainWindowFixture f;
  f.setExpanders({0, 5}, 2);
  const ConfigImage before = f.img();
  f.prompter.csvSaveChoices = {f.dir.path("out.xlsx")};
  onNextDialog([](QDialog* dlg) {
    dlg->findChild<QRadioButton*>(QStringLiteral("ExportXlsx"))->setChecked(true);
    dlg->accept();
  });
  f.action("ExportPhones")->trigger();
  EXPECT_EQ(f.prompter.saveProposals.value(0), QStringLiteral("OrbData1.xlsx"));
  ASSERT_TRUE(readAll(f.dir.path("out.xlsx")).startsWith("PK"));

  f.prompter.csvOpenChoices = {f.dir.path("out.xlsx")};
  const QString report = importReplacing(f);
  EXPECT_TRUE(report.contains(text::ExchangeTexts::importSummaryTotal().arg(4))) << report.toStdString();
  EXPECT_TRUE(f.img() == before);
}

TEST(ExchangeWiring, CopyAndPasteBetweenExpanders) {
  MainWindowFixture f;
  f.setExpanders({0, 1}, 0);
  appendPhone(f.img(), 0, "+7 1", "0001E13000101", toCp1251(QStringLiteral("склад")));
  appendPhone(f.img(), 0, "+72", "00A1R13000101", "");
  f.form->obrfile();
  f.selectNode(1);
  f.action("CopyPhones")->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("расширитель\tтелефон\t")));
  f.selectNode(2);
  f.action("PastePhones")->trigger();
  ASSERT_EQ(f.img().phoneCount(1), 2);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(f.img().record(1, i)), 32),
              QByteArray(reinterpret_cast<const char*>(f.img().record(0, i)), 32));
  EXPECT_EQ(f.v().ListView1->topLevelItemCount(), 2);
  EXPECT_TRUE(f.st().modified);
}

TEST(ExchangeWiring, FindSelectsTheExpanderAndTheRowAndGoesOn) {
  MainWindowFixture f;
  f.setExpanders({2, 7}, 3);
  f.action("FindPhone")->trigger();
  auto* find = f.form->findChild<FindDialog*>();
  ASSERT_NE(find, nullptr);
  EXPECT_TRUE(find->isVisible());
  find->text()->setText(QStringLiteral("C1"));
  find->nextButton()->click();
  EXPECT_EQ(f.st().currentExpander, 2);
  EXPECT_EQ(f.st().currentPhoneIndex, 1);
  find->nextButton()->click();
  EXPECT_EQ(f.st().currentExpander, 7);
  EXPECT_EQ(f.st().currentPhoneIndex, 1);
  EXPECT_TRUE(f.v().ListView1->topLevelItem(1)->isSelected());
  find->text()->setText(QStringLiteral("нет такого"));
  find->nextButton()->click();
  EXPECT_EQ(f.prompter.messages, QStringList{ui::ExchangeUiTexts::notFound()});
  find->close();
}
