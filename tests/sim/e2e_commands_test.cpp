// The short receiver commands and the memory test against halvorn-sim over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "support/e2e_fixture.h"

namespace orbisk::test {
namespace {

TEST_F(EndToEnd, CompareSetAndCompareTheClockAgain) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--bad-clock"}));
  Receiver& r = receiverOn(sim.device());
  ASSERT_TRUE(r.rddump1());
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение времени успешно завершено"));
  EXPECT_TRUE(ui.label4.endsWith(QStringLiteral("  (приемник)")));
  EXPECT_TRUE(ui.label4.contains(QRegularExpression(QStringLiteral("[A-F]"))));  // not BCD

  SimProcess good;
  ASSERT_TRUE(good.start({}));
  receiverOn(good.device());
  ASSERT_TRUE(receiver->wrdump1());
  EXPECT_EQ(ui.status(), QStringLiteral("Время синхронизировано"));
  EXPECT_EQ(ui.label4.left(18), ui.label5.left(18));

  // The receiver keeps the clock it was given.
  ASSERT_TRUE(receiver->rddump1());
  EXPECT_EQ(ui.label4.left(8), ui.label5.left(8));  // the same date
}

TEST_F(EndToEnd, ClearTheEventBuffer) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({}));
  Receiver& r = receiverOn(sim.device());
  ASSERT_TRUE(r.clearEventBuffer());
  EXPECT_EQ(ui.status(), QStringLiteral("Стерто"));
}

TEST_F(EndToEnd, MemoryTestBothStepsHealthyAndFaulty) {
  {
    SimProcess sim;
    ASSERT_TRUE(sim.start({}));
    Receiver& r = receiverOn(sim.device());
    EXPECT_EQ(r.memoryTestStep1(), MemoryTestResult::Done);
    EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти шаг 1 выполнен"));
    EXPECT_EQ(r.memoryTestStep2(), MemoryTestResult::Done);
    EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти шаг 2 выполнен"));
  }
  SimProcess faulty;
  ASSERT_TRUE(faulty.start({"--faulty-memory"}));
  Receiver& r = receiverOn(faulty.device());
  EXPECT_EQ(r.memoryTestStep1(), MemoryTestResult::Done);
  EXPECT_EQ(r.memoryTestStep2(), MemoryTestResult::Faulty);
  EXPECT_EQ(r.outcome(), LinkOutcome::FaultyMemory);
  EXPECT_EQ(resultCode(r.outcome()), 4);
  EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти - ошибка"));
}

}  // namespace
}  // namespace orbisk::test
