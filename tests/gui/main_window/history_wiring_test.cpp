// Backups after the main window's transfers, the history window and the comparisons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <memory>

#include "gui/main_window/history_controller.h"
#include "core/files/file_commands.h"
#include "core/files/rcf_file.h"
#include "gui/dialogs/comparison_dialog.h"
#include "gui/dialogs/history_dialog.h"
#include "support/backup_env.h"
#include "support/main_window_fixture.h"

using namespace orbisk;
using namespace orbisk::test;

namespace {

QByteArray savedAs(const ConfigImage& img) {
  auto copy = std::make_unique<ConfigImage>(img);
  copy->stampSignature();
  return QByteArray(reinterpret_cast<const char*>(copy->data()), kImageSize);
}

QStringList topLevelTexts(QTreeWidget* tree) {
  QStringList texts;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(0);
  return texts;
}

}  // namespace

TEST(HistoryWiring, BackupAfterEveryGoodReadAndWriteNoneAfterAFailedOne) {
  MainWindowFixture f;
  const BackupFolder backups(f.dir.path("backups"));
  f.loadSampleReceiver();
  f.form->FormActivate();  // the first activation's read
  ASSERT_EQ(backups.files("read").size(), 1);
  EXPECT_EQ(readAll(backups.files("read").first()), savedAs(f.img()));
  EXPECT_TRUE(f.form->statusBar()->toolTip().startsWith(QStringLiteral("Резервная копия: ")));

  f.action("ToolButton6")->trigger();
  EXPECT_EQ(backups.files("read").size(), 2);
  f.prompter.answers = {Answer::Yes, Answer::No};  // write it, without reading it back
  f.action("ToolButton7")->trigger();
  ASSERT_EQ(backups.files("write").size(), 1);
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Запись успешно завершена"));
  // What was sent, clock stamp included.
  EXPECT_EQ(readAll(backups.files("write").first()), savedAs(f.img()));

  f.engine.faults().silent = true;
  f.action("ToolButton6")->trigger();
  f.action("ToolButton7")->trigger();
  EXPECT_EQ(backups.files("read").size(), 2);
  EXPECT_EQ(backups.files("write").size(), 1);
  EXPECT_TRUE(f.prompter.messages.isEmpty()) << f.prompter.messages.join('|').toStdString();
}

TEST(HistoryWiring, ABackupThatCannotBeKeptIsToldInATooltipNotInPanel1) {
  MainWindowFixture f;
  writeAll(f.dir.path("plain-file"), "x");
  const BackupFolder backups(f.dir.path("plain-file"));
  f.loadSampleReceiver();
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение успешно завершено"));
  EXPECT_EQ(f.form->statusBar()->toolTip(), QStringLiteral("Резервная копия не сохранена: ") + f.dir.path("plain-file"));
  EXPECT_TRUE(f.prompter.messages.isEmpty());
  EXPECT_GE(f.nodeCount(), 4);  // the read itself went through
}

TEST(HistoryWiring, CompareWithReceiverLeavesTheScreenAsItIs) {
  MainWindowFixture f;
  const BackupFolder backups(f.dir.path("backups"));
  f.loadSampleReceiver();
  f.action("ToolButton6")->trigger();
  ASSERT_TRUE(f.form->history().comparisonDialog() == nullptr);

  f.action("NCompareReceiver")->trigger();
  ASSERT_NE(f.form->history().comparisonDialog(), nullptr);
  EXPECT_TRUE(f.form->history().comparisonDialog()->isVisible());
  EXPECT_EQ(f.form->history().comparisonDialog()->verdict(), QStringLiteral("Конфигурации совпадают"));

  // The screen edited and unsaved, then compared: nothing of it changes.
  f.img()[off::kReceiverNumber] = 9;
  f.form->obrfile();
  f.st().modified = true;
  f.st().channelTypes.fill(0x31);
  f.st().modelText = QStringLiteral("edited");
  const auto before = std::make_unique<ConfigImage>(f.img());
  const int opens = f.line.opens;
  f.action("NCompareReceiver")->trigger();
  EXPECT_EQ(f.line.opens, opens + 1);
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение успешно завершено"));
  EXPECT_EQ(f.img(), *before);
  EXPECT_TRUE(f.st().modified);
  EXPECT_EQ(f.st().channelTypes[0], 0x31);
  EXPECT_EQ(f.st().modelText, QStringLiteral("edited"));
  EXPECT_EQ(f.v().TreeView1->topLevelItem(0)->text(0), QStringLiteral("Halvorn 3320"));  // views not rebuilt
  QTreeWidget* tree = f.form->history().comparisonDialog()->tree();
  ASSERT_EQ(topLevelTexts(tree), QStringList{QStringLiteral("Настройки приемника:")});
  EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Номер приемника: 9 → 3"));
  EXPECT_EQ(backups.files("read").size(), 3);  // what the receiver held is kept too

  // A failed read shows no comparison and keeps nothing.
  f.form->history().comparisonDialog()->close();
  f.engine.faults().silent = true;
  f.action("NCompareReceiver")->trigger();
  EXPECT_FALSE(f.form->history().comparisonDialog()->isVisible());
  EXPECT_EQ(f.img(), *before);
  EXPECT_EQ(backups.files("read").size(), 3);
}

TEST(HistoryWiring, HistoryListsBackupsAndOpensOneAsOpenDoes) {
  MainWindowFixture f;
  const BackupFolder backups(f.dir.path("backups"));
  f.loadSampleReceiver();
  f.action("ToolButton6")->trigger();
  f.prompter.answers = {Answer::Yes, Answer::No};
  f.action("ToolButton7")->trigger();
  f.prompter.questions.clear();  // the write's confirmation and verification
  f.action("NHistory")->trigger();
  HistoryDialog* h = f.form->history().historyDialog();
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(h->isVisible());
  ASSERT_EQ(h->table()->rowCount(), 2);
  EXPECT_EQ(h->table()->item(0, 1)->text(), QStringLiteral("запись"));  // newest first
  EXPECT_EQ(h->table()->item(1, 1)->text(), QStringLiteral("чтение"));
  EXPECT_EQ(h->table()->item(1, 2)->text(), QStringLiteral("3320"));
  EXPECT_EQ(h->table()->item(1, 4)->text(), QStringLiteral("4"));
  EXPECT_EQ(h->table()->item(0, 6)->text(), f.st().portName);  // the port each came from

  // The filter keeps the rows holding its text; what is chosen is always a row in view.
  h->filter()->setText(QStringLiteral("ЧТЕНИЕ"));
  EXPECT_TRUE(h->table()->isRowHidden(0));
  EXPECT_FALSE(h->table()->isRowHidden(1));
  EXPECT_EQ(h->selectedPath(), backups.files("read").first());
  h->filter()->setText(QStringLiteral("no such receiver"));
  EXPECT_TRUE(h->selectedPath().isEmpty());
  EXPECT_FALSE(h->findChild<QPushButton*>(QStringLiteral("HistoryOpen"))->isEnabled());
  h->filter()->clear();
  EXPECT_FALSE(h->table()->isRowHidden(0));

  // Compare the read backup with the edited screen.
  h->table()->selectRow(1);
  f.img()[off::kAckWait] = 3;
  h->findChild<QPushButton*>(QStringLiteral("HistoryCompare"))->click();
  ASSERT_NE(f.form->history().comparisonDialog(), nullptr);
  EXPECT_EQ(f.form->history().comparisonDialog()->tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Ожидание ACK: 3 → 2"));

  // Open it: the unsaved-changes prompt first (Cancel keeps everything), then as Open.
  f.st().modified = true;
  const QString working = QDir::currentPath();
  f.prompter.answers = {Answer::Cancel};
  h->findChild<QPushButton*>(QStringLiteral("HistoryOpen"))->click();
  EXPECT_EQ(f.prompter.questions, QStringList{FileCommandTexts::askSaveChanges()});
  EXPECT_EQ(f.img()[off::kAckWait], 3);
  f.action("NHistory")->trigger();
  h->table()->selectRow(1);
  f.prompter.answers = {Answer::No};
  h->findChild<QPushButton*>(QStringLiteral("HistoryOpen"))->click();
  EXPECT_FALSE(h->isVisible());
  EXPECT_FALSE(f.st().modified);
  EXPECT_EQ(f.img()[off::kAckWait], 2);
  EXPECT_EQ(QDir::currentPath(), working);  // the working folder stays the user's

  // As an untitled copy: an edit and Ctrl+S ask for a name and never rewrite the backup.
  const QByteArray backup = readAll(backups.files("read").first());
  EXPECT_TRUE(f.st().untitled);
  EXPECT_EQ(f.st().filePath, QDir::toNativeSeparators(working + u'/' + QFileInfo(backups.files("read").first()).completeBaseName()));
  f.img()[off::kAckWait] = 4;
  f.st().modified = true;
  f.prompter.saveChoices = {f.dir.path("site.rcf")};
  f.action("SaveM")->trigger();
  EXPECT_EQ(f.prompter.saveDialogs, 1);
  EXPECT_EQ(readAll(backups.files("read").first()), backup);
  EXPECT_EQ(readAll(f.dir.path("site.rcf"))[off::kAckWait], 4);
}

TEST(HistoryWiring, ASaveOverAFileIsListedAsTheVersionItReplaced) {
  MainWindowFixture f;
  const BackupFolder backups(f.dir.path("backups"));
  f.st().untitled = false;
  f.st().filePath = f.dir.path("site.rcf");
  f.action("SaveM")->trigger();
  f.img()[off::kAckWait] = 4;
  f.action("SaveM")->trigger();
  f.action("NHistory")->trigger();
  ASSERT_EQ(f.form->history().historyDialog()->table()->rowCount(), 1);
  EXPECT_EQ(f.form->history().historyDialog()->table()->item(0, 1)->text(), QStringLiteral("до сохранения"));
  EXPECT_NE(readAll(backups.files("replaced").first())[off::kAckWait], 4);
}

TEST(HistoryWiring, CompareWithFileAndItsRefusals) {
  MainWindowFixture f;
  f.setExpanders({0, 1}, 3);
  auto other = std::make_unique<ConfigImage>(f.img());
  other->setPhoneCount(1, 2);
  ASSERT_EQ(writeImageFile(f.dir.path("other.rcf"), WriteMode::CreateNew, *other), WriteResult::Ok);
  f.prompter.openChoices = {f.dir.path("other.rcf")};
  f.action("NCompareFile")->trigger();
  ASSERT_NE(f.form->history().comparisonDialog(), nullptr);
  QTreeWidget* tree = f.form->history().comparisonDialog()->tree();
  EXPECT_EQ(topLevelTexts(tree), QStringList{QStringLiteral("Расширитель 1: изменен")});
  EXPECT_EQ(tree->topLevelItem(0)->text(1), QStringLiteral("различий: 1"));
  EXPECT_TRUE(tree->topLevelItem(0)->child(0)->text(0).startsWith(QStringLiteral("- телефон 1002 (объект 0001")));
  // In a narrow window the line wraps onto more rows rather than being cut.
  f.form->history().comparisonDialog()->resize(260, 400);
  f.form->history().comparisonDialog()->show();
  QApplication::processEvents();
  EXPECT_GT(tree->visualItemRect(tree->topLevelItem(0)->child(0)).height(), 2 * tree->fontMetrics().height());
  EXPECT_FALSE(f.st().modified);

  writeAll(f.dir.path("short.rcf"), "short");
  f.prompter.openChoices = {f.dir.path("short.rcf")};
  f.action("NCompareFile")->trigger();
  f.prompter.openChoices = {f.dir.path("missing.rcf")};
  f.action("NCompareFile")->trigger();
  EXPECT_EQ(f.prompter.messages, (QStringList{QStringLiteral("Это файл не для программы Orbisk"),
                                              QStringLiteral("Не могу открыть файл")}));
  f.action("NCompareFile")->trigger();  // cancelled: nothing at all
  EXPECT_EQ(f.prompter.messages.size(), 2);
}
