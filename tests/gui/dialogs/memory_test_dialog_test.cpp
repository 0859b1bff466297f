#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <deque>

#include "gui/dialogs/memory_test_dialog.h"
#include "support/link_fixture.h"

using namespace orbisk;

namespace {

const QString kWarning = "Внимание!\nПри тестировании памяти весь\nбуфер событий будет очищен\n\nПродолжить?";
const QString kValuesStored =
    "В память занесены тестовые значения\nВыключите на некоторое время приемник и\n"
    "включите вновь. После 2-го сигнала (~5 сек)\nнажмите Читать";
const QString kPassed = "Тест успешно завершен!\n\n";
const QString kFaulty = "Ошибка!\nПриемник неисправен. Удачи!\n";
const QString kNoAnswer = "Не отвечает\nПопробуйте еще\n";

// Which buttons show, left to right, with their captions.
QStringList shownButtons(const TForm6& d) {
  QStringList out;
  for (QPushButton* b : {d.BTpamyes, d.BTpamread, d.BTpamok, d.BTpamcan})
    if (b->isVisible()) out.append(b->objectName() + "=" + b->text());
  return out;
}

const QStringList kWarningButtons = {"BTpamyes=Да", "BTpamcan=Нет"};
const QStringList kReadButtons = {"BTpamread=Читать", "BTpamcan=Отмена"};
const QStringList kOkOnly = {"BTpamok=OK"};

class MemoryTestDialogTest : public ::testing::Test {
 protected:
  void TearDown() override { dlg.hide(); }
  MemoryTestResult next(std::deque<MemoryTestResult>& q, int& calls) {
    ++calls;
    if (q.empty()) return MemoryTestResult::NoAnswer;
    const MemoryTestResult r = q.front();
    q.pop_front();
    return r;
  }

  std::deque<MemoryTestResult> step1Results, step2Results;
  int step1Calls = 0, step2Calls = 0;
  TForm6 dlg{[this] { return next(step1Results, step1Calls); },
             [this] { return next(step2Results, step2Calls); }};
};

TEST_F(MemoryTestDialogTest, OpensWithTheWarning) {
  dlg.show();
  EXPECT_EQ(dlg.windowTitle(), "Тестирование памяти");
  EXPECT_GE(dlg.width(), 448);
  EXPECT_GE(dlg.height(), 268);
  EXPECT_NE(dlg.minimumSize(), dlg.maximumSize()) << "sizeable";
  EXPECT_EQ(dlg.Memo1->toPlainText(), kWarning);
  EXPECT_TRUE(dlg.Memo1->isReadOnly());
  EXPECT_EQ(dlg.Memo1->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(dlg.Memo1->palette().color(QPalette::Base), dlg.palette().color(QPalette::Window));
  EXPECT_EQ(shownButtons(dlg), kWarningButtons);
  EXPECT_TRUE(dlg.BTpamcan->isDefault());
  EXPECT_EQ(dlg.BTpamread->geometry(), dlg.BTpamyes->geometry()) << "read takes the place of yes";
  // Where the form draws them; a wider font moves only what lies right of and below the text.
  EXPECT_EQ(dlg.Memo1->pos(), QPoint(48, 16));
  EXPECT_EQ(dlg.BTpamyes->x(), 96);
  EXPECT_TRUE(dlg.isSizeGripEnabled());
  EXPECT_EQ(step1Calls + step2Calls, 0);
}

TEST_F(MemoryTestDialogTest, SuccessThroughBothSteps) {
  step1Results = {MemoryTestResult::Done};
  step2Results = {MemoryTestResult::Done};
  dlg.show();
  dlg.BTpamyes->click();
  EXPECT_EQ(step1Calls, 1);
  EXPECT_EQ(dlg.Memo1->toPlainText(), kValuesStored);
  EXPECT_EQ(shownButtons(dlg), kReadButtons);

  dlg.BTpamread->click();
  EXPECT_EQ(step2Calls, 1);
  EXPECT_EQ(dlg.Memo1->toPlainText(), kPassed);
  EXPECT_EQ(shownButtons(dlg), kOkOnly);
  QTest::keyClick(&dlg, Qt::Key_Return);  // the only button left is the default one
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(MemoryTestDialogTest, FaultyMemoryLeavesOnlyOk) {
  step1Results = {MemoryTestResult::Done};
  step2Results = {MemoryTestResult::Faulty};
  dlg.show();
  dlg.BTpamyes->click();
  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kFaulty);
  EXPECT_EQ(shownButtons(dlg), kOkOnly);
  dlg.BTpamok->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(MemoryTestDialogTest, NoAnswerKeepsTheButtonsSoTheStepCanBeRepeated) {
  step1Results = {MemoryTestResult::NoAnswer, MemoryTestResult::Done};
  step2Results = {MemoryTestResult::NoAnswer, MemoryTestResult::Done};
  dlg.show();
  dlg.BTpamyes->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kNoAnswer);
  EXPECT_EQ(shownButtons(dlg), kWarningButtons);

  dlg.BTpamyes->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kValuesStored);
  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kNoAnswer);
  EXPECT_EQ(shownButtons(dlg), kReadButtons);

  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kPassed);
  EXPECT_EQ(step1Calls, 2);
  EXPECT_EQ(step2Calls, 2);
}

TEST_F(MemoryTestDialogTest, ClicksWhileAnotherConversationRunsDoNothing) {
  step1Results = {MemoryTestResult::NotStarted, MemoryTestResult::Done};
  step2Results = {MemoryTestResult::NotStarted};
  dlg.show();
  dlg.BTpamyes->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kWarning);
  EXPECT_EQ(shownButtons(dlg), kWarningButtons);

  dlg.BTpamyes->click();
  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kValuesStored);
  EXPECT_EQ(shownButtons(dlg), kReadButtons);
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(MemoryTestDialogTest, EveryShowingStartsAgainFromTheWarning) {
  step1Results = {MemoryTestResult::Done, MemoryTestResult::Done};
  step2Results = {MemoryTestResult::Faulty};
  dlg.show();
  dlg.BTpamyes->click();
  dlg.BTpamread->click();
  dlg.BTpamok->click();

  dlg.show();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kWarning);
  EXPECT_EQ(shownButtons(dlg), kWarningButtons);
  EXPECT_TRUE(dlg.BTpamcan->isDefault());
  EXPECT_FALSE(dlg.BTpamok->isDefault());

  dlg.BTpamyes->click();  // "Отмена" after step 1, "Нет" again on the next showing
  dlg.BTpamcan->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  dlg.show();
  EXPECT_EQ(shownButtons(dlg), kWarningButtons);
  QTest::keyClick(&dlg, Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Rejected) << "Enter answers No to the warning";
  EXPECT_EQ(step1Calls, 2);
}

TEST_F(MemoryTestDialogTest, EveryTextAndCaptionFits) {
  dlg.show();
  const QFontMetrics fm(dlg.Memo1->font());
  EXPECT_EQ(dlg.Memo1->font().pixelSize(), 13);
  const int room = dlg.Memo1->viewport()->width() - 2 * static_cast<int>(dlg.Memo1->document()->documentMargin());
  for (const QString& text : {kWarning, kValuesStored, kPassed, kFaulty, kNoAnswer}) {
    const QStringList lines = text.split('\n');
    for (const QString& line : lines) EXPECT_LE(fm.horizontalAdvance(line), room) << line.toStdString();
    EXPECT_LE(static_cast<int>(lines.size()) * fm.lineSpacing(), dlg.Memo1->viewport()->height());
  }
  dlg.BTpamcan->setText("Отмена");
  for (QPushButton* b : {dlg.BTpamyes, dlg.BTpamread, dlg.BTpamok, dlg.BTpamcan}) {
    SCOPED_TRACE(b->objectName().toStdString());
    b->show();
    EXPECT_GE(b->width(), b->sizeHint().width());
    EXPECT_GE(b->height(), b->sizeHint().height());
    EXPECT_TRUE(dlg.rect().contains(b->geometry()));
    EXPECT_GT(b->y(), dlg.Memo1->geometry().bottom());
  }
  EXPECT_LT(dlg.BTpamok->geometry().right(), dlg.BTpamcan->x());
  EXPECT_TRUE(dlg.rect().contains(dlg.Memo1->geometry()));
}

// The dialog over a real conversation with the simulated receiver.
class MemoryTestOverReceiver : public test::LinkFixture {
 protected:
  void TearDown() override { dlg.hide(); }
  TForm6 dlg{[this] { return receiver->memoryTestStep1(); }, [this] { return receiver->memoryTestStep2(); }};
};

TEST_F(MemoryTestOverReceiver, HealthyReceiverPasses) {
  dlg.show();
  dlg.BTpamyes->click();
  EXPECT_TRUE(engine.testValuesStored());
  EXPECT_EQ(ui.status(), "Тест памяти шаг 1 выполнен");
  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kPassed);
  EXPECT_EQ(ui.statuses, (QStringList{"Тест памяти ", "Тест памяти шаг 1 выполнен", "Тест памяти ",
                                      "Тест памяти шаг 2 выполнен"}));
  EXPECT_EQ(line.writes.size(), 2u);
  EXPECT_FALSE(line.open);
  EXPECT_FALSE(state.busy);
}

TEST_F(MemoryTestOverReceiver, FaultyMemoryIsReported) {
  engine.faults().faultyMemory = true;
  dlg.show();
  dlg.BTpamyes->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kValuesStored);
  dlg.BTpamread->click();
  EXPECT_EQ(dlg.Memo1->toPlainText(), kFaulty);
  EXPECT_EQ(shownButtons(dlg), kOkOnly);
  EXPECT_EQ(ui.status(), "Тест памяти - ошибка");
}

}  // namespace
