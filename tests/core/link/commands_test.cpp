#include <gtest/gtest.h>

#include <cstring>

#include "core/link/clock_text.h"
#include "support/link_fixture.h"

namespace orbisk::test {
namespace {

TEST(ClockText, PcClockPackingAndTexts) {
  const QDateTime t(QDate(2009, 12, 31), QTime(23, 59, 7));
  EXPECT_EQ(pcClockText(t), QStringLiteral("31.12.09  23:59:07"));
  EXPECT_EQ(packClock(t), (ClockBytes{0x07, 0x59, 0x23, 0x31, 0x12, 0x09}));
  EXPECT_EQ(pcClockText(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 0))), QStringLiteral("04.03.21  05:06:00"));
  const uint8_t valid[] = {0x07, 0x59, 0x23, 0x31, 0x12, 0x09};
  EXPECT_EQ(receiverClockText(valid), QStringLiteral("31.12.09  23:59:07"));
  const uint8_t bad[] = {0xFA, 0x0B, 0x99, 0x3C, 0xD1, 0x00};
  EXPECT_EQ(receiverClockText(bad), QStringLiteral("3C.D1.00  99:0B:FA"));
  EXPECT_EQ(unpackClock(packClock(t)).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
            QStringLiteral("31.12.2009 23:59:07"));
  EXPECT_FALSE(unpackClock(ClockBytes{0x07, 0x59, 0x23, 0x31, 0x02, 0x09}).isValid());  // 31 February
}

TEST(FirmwareText, ShowsTheCharactersBeforeTheFirstZero) {
  ConfigImage img;
  EXPECT_EQ(firmwareVersionText(img), QStringLiteral("Необходимо прочитать настройки приемника"));
  std::memcpy(img.data() + off::kFirmware, "2.07", 4);
  EXPECT_EQ(firmwareVersionText(img), QStringLiteral("Версия приемника: 2.07"));
  img[off::kFirmware + 2] = 0;
  EXPECT_EQ(firmwareVersionText(img), QStringLiteral("Версия приемника: 2."));
}

class CommandsTest : public LinkFixture {};

TEST_F(CommandsTest, CompareClocksShowsBothAndStoresNothing) {
  const ConfigImage before = state.image;
  EXPECT_TRUE(receiver->rddump1());
  EXPECT_EQ(line.allWritten(), QByteArray("RT"));
  EXPECT_EQ(ui.label4, QStringLiteral("24.06.21  10:15:30  (приемник)"));
  EXPECT_EQ(ui.label5, QStringLiteral("31.12.09  23:59:07  (компьютер)"));
  EXPECT_EQ(ui.statuses, QStringList({QStringLiteral("Чтение"), QStringLiteral("Чтение времени успешно завершено")}));
  EXPECT_TRUE(state.image == before);
}

TEST_F(CommandsTest, CompareClocksFailureTexts) {
  engine.faults().silent = true;
  EXPECT_FALSE(receiver->rddump1());
  EXPECT_EQ(ui.status(), QStringLiteral("Приемник не подключен "));

  // Greeted, but the clock never comes.
  detachEngine();
  line.arrive("OK\r\n", clock.now + 5);
  EXPECT_FALSE(receiver->rddump1());
  EXPECT_EQ(resultCode(receiver->outcome()), 2);
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo"));
}

TEST_F(CommandsTest, SetClockStampsTheImageAndShowsTheSameTimeTwice) {
  EXPECT_TRUE(receiver->wrdump1());
  const ClockBytes stamp = packClock(QDateTime(QDate(2009, 12, 31), QTime(23, 59, 7)));
  EXPECT_EQ(std::memcmp(state.image.data(), stamp.data(), 6), 0);
  EXPECT_EQ(engine.clockAt(clock.now), stamp);
  EXPECT_EQ(ui.label4, QStringLiteral("31.12.09  23:59:07  (приемник)"));
  EXPECT_EQ(ui.label5, QStringLiteral("31.12.09  23:59:07  (компьютер)"));
  EXPECT_EQ(ui.status(), QStringLiteral("Время синхронизировано"));
  EXPECT_EQ(line.writes[1], QByteArray("T"));
}

TEST_F(CommandsTest, RefusedClockSettingKeepsTheNewStamp) {
  engine.faults().refuse = true;
  EXPECT_FALSE(receiver->wrdump1());
  EXPECT_EQ(ui.status(), QStringLiteral("Запись неудачна"));
  EXPECT_EQ(state.image[off::kClock + 2], 0x23);
  EXPECT_TRUE(ui.label4.isEmpty());
}

TEST_F(CommandsTest, ClearEventBuffer) {
  engine.setEventCount(12);
  ui.label4 = QStringLiteral("untouched");
  EXPECT_TRUE(receiver->clearEventBuffer());
  EXPECT_EQ(engine.eventCount(), 0);
  EXPECT_EQ(line.allWritten(), QByteArray("PD"));
  EXPECT_EQ(ui.statuses, QStringList({QString(), QStringLiteral("Стерто")}));
  EXPECT_EQ(ui.label4, QStringLiteral("untouched"));

  engine.setEventCount(3);
  engine.faults().refuse = true;
  EXPECT_FALSE(receiver->clearEventBuffer());
  EXPECT_EQ(engine.eventCount(), 3);
  EXPECT_EQ(ui.status(), QStringLiteral("Запись неудачна"));
}

TEST_F(CommandsTest, FirmwareMessageComesFromTheImage) {
  receiver->showFirmwareVersion();
  EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Необходимо прочитать настройки приемника")});
  EXPECT_EQ(line.opens, 0);
}

TEST_F(CommandsTest, MemoryTestPassesBothSteps) {
  EXPECT_EQ(receiver->memoryTestStep1(), MemoryTestResult::Done);
  EXPECT_EQ(ui.statuses, QStringList({QStringLiteral("Тест памяти "), QStringLiteral("Тест памяти шаг 1 выполнен")}));
  EXPECT_EQ(line.allWritten(), QByteArray("AT#X1\r"));
  EXPECT_EQ(receiver->memoryTestStep2(), MemoryTestResult::Done);
  EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти шаг 2 выполнен"));
  EXPECT_EQ(ui.visibility, (std::vector<bool>{true, false, true, false}));
  EXPECT_TRUE(ui.progress.empty());  // the bar is shown where it stood
  EXPECT_FALSE(state.busy);
  EXPECT_FALSE(line.open);
}

TEST_F(CommandsTest, MemoryTestFaultsAndSilence) {
  engine.faults().faultyMemory = true;
  EXPECT_EQ(receiver->memoryTestStep1(), MemoryTestResult::Done);
  EXPECT_EQ(receiver->memoryTestStep2(), MemoryTestResult::Faulty);
  EXPECT_EQ(resultCode(receiver->outcome()), 4);
  EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти - ошибка"));

  engine.faults().silent = true;
  EXPECT_EQ(receiver->memoryTestStep1(), MemoryTestResult::NoAnswer);
  EXPECT_EQ(receiver->memoryTestStep2(), MemoryTestResult::NoAnswer);
  EXPECT_EQ(resultCode(receiver->outcome()), 1);
}

TEST_F(CommandsTest, MemoryTestWithoutAPort) {
  line.openResult = PortOpen::Busy;
  EXPECT_EQ(receiver->memoryTestStep1(), MemoryTestResult::NoAnswer);
  EXPECT_EQ(ui.status(), QStringLiteral("Тест памяти - ошибка"));
  receiver->link().setOutcome(LinkOutcome::HeaderMissing);  // left by an earlier read whose slot header never came
  EXPECT_EQ(receiver->memoryTestStep2(), MemoryTestResult::Faulty);
  state.busy = true;
  EXPECT_EQ(receiver->memoryTestStep1(), MemoryTestResult::NotStarted);
}

}  // namespace
}  // namespace orbisk::test
