// The tool bar's read and write through the checked transfers: the questions that keep a
// configuration from being replaced, written or cut off without the operator's word.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>
#include <QTimer>
#include <memory>

#include "gui/main_window/history_controller.h"
#include "support/backup_env.h"
#include "support/main_window_fixture.h"

namespace orbisk::test {
namespace {

constexpr long kReceiverNumberAt = 6;

TEST(CheckedTransferWiring, ReadingOverUnsavedEditsAsksFirst) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.img()[off::kReceiverNumber] = 9;
  f.st().modified = true;
  f.prompter.answers = {Answer::Cancel};
  f.action("ToolButton6")->trigger();
  ASSERT_EQ(f.prompter.questions.size(), 1);
  EXPECT_EQ(f.prompter.questions[0], QStringLiteral("Файл был изменен. Сохранить изменения?"));
  EXPECT_EQ(f.line.opens, 0);
  EXPECT_EQ(f.img()[off::kReceiverNumber], 9);
  f.prompter.answers = {Answer::No};  // replace them
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.img()[off::kReceiverNumber], 3);
}

TEST(CheckedTransferWiring, ADamagedReadIsShownNotTakenAndCanBeReadAgain) {
  MainWindowFixture f;
  const BackupFolder backups(f.dir.path("backups"));
  f.loadSampleReceiver();
  const auto before = std::make_unique<ConfigImage>(f.img());
  f.engine.faults().flipAt = kReceiverNumberAt;
  f.engine.faults().flipReads = 1;
  f.prompter.answers = {Answer::Cancel};
  f.action("ToolButton6")->trigger();
  ASSERT_EQ(f.prompter.questions.size(), 1);
  EXPECT_TRUE(f.prompter.questions[0].contains(QStringLiteral("номер приемника = 0x43")));
  EXPECT_TRUE(f.prompter.questions[0].endsWith(QStringLiteral("Конфигурация не принята. Прочитать снова?")));
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Прочитанная конфигурация похоже повреждена:"));
  EXPECT_TRUE(f.img() == *before);
  EXPECT_EQ(backups.files("suspect").size(), 1);

  f.engine.faults().flipReads = 1;
  f.prompter.answers = {Answer::Yes};  // the second read is clean
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.line.opens, 3);
  EXPECT_EQ(f.img()[off::kReceiverNumber], 3);
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение успешно завершено"));
}

TEST(CheckedTransferWiring, WriteNamesFileAndPortThenVerifiesWhenAsked) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.action("ToolButton6")->trigger();
  const int opens = f.line.opens;
  f.prompter.answers = {Answer::Cancel};
  f.action("ToolButton7")->trigger();
  ASSERT_EQ(f.prompter.questions.size(), 1);
  // What the write changes against the backup the read before it kept.
  const QString backup = f.form->statusBar()->toolTip().mid(QStringLiteral("Резервная копия: ").size());
  EXPECT_EQ(f.prompter.questions[0], QStringLiteral("Записать конфигурацию OrbData1 в приемник на порту ") + f.st().portName +
                                         QStringLiteral("?\n\nИзменения против последней резервной копии этого порта (") +
                                         backup + QStringLiteral("):\nКонфигурации совпадают"));
  EXPECT_EQ(f.line.opens, opens);

  f.engine.faults().flipStored = true;
  f.prompter.answers = {Answer::Yes, Answer::Yes};
  f.action("ToolButton7")->trigger();
  EXPECT_EQ(f.prompter.questions.last(), QStringLiteral("Проверить запись чтением?"));
  ASSERT_EQ(f.prompter.messages.size(), 1);
  EXPECT_TRUE(f.prompter.messages[0].contains(QStringLiteral("отличается: расширитель 0, телефон 1")));

  f.engine.faults().flipStored = false;
  f.prompter.answers = {Answer::Yes, Answer::Yes};
  f.action("ToolButton7")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Запись проверена чтением: приемник хранит записанную конфигурацию"));
}

TEST(CheckedTransferWiring, ClosingDuringATransferAsksAndNoLetsItFinish) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.form->show();
  f.prompter.answers = {Answer::Cancel};
  QTimer::singleShot(0, f.form.get(), &QWidget::close);
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.prompter.questions.value(0), QStringLiteral("Идет обмен с приемником. Прервать его и закрыть программу?"));
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение успешно завершено"));
  QApplication::processEvents();
  EXPECT_TRUE(f.form->isVisible());
}

TEST(CheckedTransferWiring, ADamagedReadIsNeverComparedWithTheScreen) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.engine.faults().flipAt = kReceiverNumberAt;
  f.action("NCompareReceiver")->trigger();
  EXPECT_TRUE(f.form->history().comparisonDialog() == nullptr);
  ASSERT_EQ(f.prompter.messages.size(), 1);
  EXPECT_TRUE(f.prompter.messages[0].contains(QStringLiteral("номер приемника = 0x43")));
}

}  // namespace
}  // namespace orbisk::test
