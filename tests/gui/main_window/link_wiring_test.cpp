#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/link/receiver.h"
#include "gui/main_window/transfers_controller.h"
#include "support/main_window_fixture.h"
#include "gui/views/settings_panel.h"

using namespace orbisk;
using namespace orbisk::test;

TEST(LinkWiring, ReadButtonBringsTheReceiverIntoTheViews) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение успешно завершено"));
  EXPECT_FALSE(f.form->progressBar()->isVisible());
  EXPECT_FALSE(f.st().busy);
  EXPECT_FALSE(f.st().modified);
  EXPECT_EQ(f.v().TreeView1->topLevelItem(0)->text(0), QStringLiteral("Halvorn 3320"));
  EXPECT_GE(f.nodeCount(), 4);
  EXPECT_TRUE(f.v().Panel1->Label4->text().endsWith(QStringLiteral("  (приемник)")));
  EXPECT_TRUE(f.v().Panel1->Label5->text().endsWith(QStringLiteral("  (компьютер)")));
  EXPECT_TRUE(f.v().Panel1->isEnabled());
  EXPECT_FALSE(f.line.open);
}

TEST(LinkWiring, FirstActivationReadsAndAFailureIsForgotten) {
  MainWindowFixture f;
  f.engine.faults().silent = true;
  f.form->FormActivate();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение неудачнo "));
  EXPECT_EQ(f.form->transfers().receiver().outcome(), LinkOutcome::Ok);
  EXPECT_EQ(f.line.opens, 1);
  EXPECT_EQ(f.v().TreeView1->topLevelItemCount(), 1);  // the views were built anyway
}

TEST(LinkWiring, ClosingDuringAReadEndsItClosesThePortThenTheWindow) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.form->show();
  const auto before = std::make_unique<ConfigImage>(f.img());
  f.prompter.answers = {Answer::Yes};  // end the transfer and close
  QTimer::singleShot(0, f.form.get(), &QWidget::close);
  f.action("ToolButton6")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение неудачнo "));
  EXPECT_TRUE(f.img() == *before);
  EXPECT_FALSE(f.line.open);
  EXPECT_TRUE(f.form->isVisible());
  QApplication::processEvents();
  EXPECT_FALSE(f.form->isVisible());
}

TEST(LinkWiring, FactoryDefaultsFromTheToolBarMarkModifiedAndSendNothing) {
  MainWindowFixture f;
  f.img()[off::kHandshake] = 0x32;
  f.img()[off::kOptions] = 0x3F;
  f.action("ToolButton14")->trigger();
  EXPECT_EQ(f.img()[off::kHandshake], 0x12);
  EXPECT_EQ(f.img()[off::kOptions], 0);
  EXPECT_TRUE(f.st().modified) << "closing must ask before the old settings are lost";
  f.action("N1")->trigger();
  EXPECT_EQ(f.line.opens, 0);
}

TEST(LinkWiring, WriteWithoutExpandersAsksAndCancelSendsNothing) {
  MainWindowFixture f;
  f.form->obrfile();
  f.prompter.answers = {Answer::Cancel};
  f.action("ToolButton7")->trigger();
  ASSERT_EQ(f.prompter.questions.size(), 1);
  EXPECT_TRUE(f.prompter.questions[0].startsWith(QStringLiteral("     Список телефонов пуст. \n")));
  EXPECT_FALSE(f.prompter.lastAskHadNo);
  EXPECT_EQ(f.line.opens, 0);
}

TEST(LinkWiring, MenuTimeCommandsRunTheClockConversations) {
  MainWindowFixture f;
  f.action("N7")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение времени успешно завершено"));
  f.action("N25")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Время синхронизировано"));
  f.prompter.answers = {Answer::Yes};  // clearing the event buffer asks first
  f.action("N10")->trigger();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Стерто"));
  EXPECT_EQ(f.line.opens, 3);
}

TEST(LinkWiring, ServiceDigitsOpenTheMemoryTestWhichTalksToTheReceiver) {
  MainWindowFixture f;
  f.img()[off::kModel] = '3';
  f.form->obrfile();
  QString memo;
  QTimer::singleShot(0, [&] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->objectName(), QStringLiteral("TForm6"));
    dlg->findChild<QPushButton*>(QStringLiteral("BTpamyes"))->click();
    memo = f.form->statusText(1);
    dlg->reject();
  });
  QWidget* ruslang = f.form->findChild<QWidget*>(QStringLiteral("Cbruslang"));
  for (const char* key : {"7", "3", "1"}) QTest::keyClicks(ruslang, QString::fromLatin1(key));
  EXPECT_EQ(memo, QStringLiteral("Тест памяти шаг 1 выполнен"));
  EXPECT_TRUE(f.engine.testValuesStored());
  EXPECT_FALSE(f.st().busy);
}

TEST(LinkWiring, PortMenuOpensThePortDialogAndCancelKeepsThePort) {
  MainWindowFixture f;
  QTimer::singleShot(0, [] {
    auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->objectName(), QStringLiteral("TForm4"));
    dlg->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
  });
  f.action("N17")->trigger();
  EXPECT_EQ(f.st().portName, QStringLiteral("COM1"));
  EXPECT_EQ(f.form->statusText(0), QStringLiteral("COM1"));
}

TEST(LinkWiring, ProgressAndCancelBesideTheStatusText) {
  MainWindowFixture f;
  f.loadSampleReceiver();
  f.form->show();
  const auto before = std::make_unique<ConfigImage>(f.img());
  auto* label = f.form->findChild<QLabel*>(QStringLiteral("TransferLabel"));
  QPushButton* cancel = f.form->transfers().cancelButton();
  ASSERT_NE(label, nullptr);
  EXPECT_FALSE(cancel->isVisible());
  EXPECT_EQ(cancel->text(), QStringLiteral("Прервать"));
  EXPECT_EQ(cancel->shortcut(), QKeySequence(Qt::Key_Escape));
  // Pressed while the slot tables come in: the read ends at once, as a silent receiver ends it.
  QString shown;
  bool visibleMeanwhile = false;
  size_t sentAtCancel = 0;
  bool pressed = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (pressed || !f.st().busy || label->text().isEmpty()) return;
    pressed = true;
    shown = label->text();
    visibleMeanwhile = cancel->isVisible() && label->isVisible();
    sentAtCancel = f.line.writes.size();
    cancel->click();
  });
  poll.start(0);
  f.action("ToolButton6")->trigger();
  poll.stop();
  EXPECT_TRUE(visibleMeanwhile);
  EXPECT_TRUE(shown.contains(QStringLiteral(" из ")) && shown.contains(QStringLiteral("осталось"))) << shown.toStdString();
  EXPECT_EQ(f.form->statusText(1), QStringLiteral("Чтение неудачнo "));
  EXPECT_EQ(f.line.writes.size(), sentAtCancel);
  EXPECT_TRUE(f.img() == *before);
  EXPECT_FALSE(f.line.open);
  EXPECT_FALSE(f.st().busy);
  EXPECT_FALSE(cancel->isVisible());
  EXPECT_FALSE(label->isVisible());
}
