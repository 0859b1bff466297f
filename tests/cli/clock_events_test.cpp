// clock and clear-events against the simulated receiver's engine on a fake line.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cli_fixture.h"
#include "core/link/clock_text.h"

namespace orbisk::test {
namespace {

using namespace cli::status;

class ClockCommand : public CliFixture {
 protected:
  // The receiver's clock runs on the same fake time as the PC's, 75 seconds behind it.
  ClockCommand() { engine.setClock(packClock(clock.pcBase.addSecs(-75)), 0); }
};

TEST_F(ClockCommand, CompareShowsBothClocksAndTheDifference) {
  EXPECT_EQ(run({"clock", "--port", "/dev/fake0"}), kOk) << err.toStdString();
  // The fixture lets a second pass before each command.
  EXPECT_EQ(out, QStringLiteral("31.12.09  23:57:53  (приемник)\n31.12.09  23:59:08  (компьютер)\n"
                                "Разница (приемник - компьютер): -75 с\n"))
      << out.toStdString();
  EXPECT_EQ(err, QStringLiteral("Чтение\nЧтение времени успешно завершено\n"));
}

TEST_F(ClockCommand, AClockThatIsNotADateIsShownButNotCompared) {
  engine.faults().badClock = true;
  EXPECT_EQ(run({"clock", "--port", "/dev/fake0"}), kOk);
  const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << out.toStdString();
  EXPECT_TRUE(lines[0].contains(QRegularExpression("[A-F]"))) << lines[0].toStdString();
}

TEST_F(ClockCommand, SyncSetsTheReceiversClock) {
  EXPECT_EQ(run({"clock", "--sync", "--port", "/dev/fake0"}), kOk) << err.toStdString();
  EXPECT_EQ(err, QStringLiteral("Запись\nВремя синхронизировано\n"));
  const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0].left(18), lines[1].left(18));
  const QDateTime receiver = unpackClock(engine.clockAt(clock.now));
  EXPECT_LE(std::abs(receiver.secsTo(clock.pcNow())), 1);
}

TEST_F(ClockCommand, FailuresGiveTheDesktopsTexts) {
  engine.faults().refuse = true;
  EXPECT_EQ(run({"clock", "--sync", "--port", "/dev/fake0"}), kReceiverFailed);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Запись неудачна\norbisk-cli: result code 2\n"))) << err.toStdString();
  EXPECT_TRUE(out.isEmpty());
  engine.faults().refuse = false;
  engine.faults().silent = true;
  EXPECT_EQ(run({"clock", "--port", "/dev/fake0"}), kReceiverFailed);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Приемник не подключен \norbisk-cli: result code 1\n")));
  line.openResult = PortOpen::Busy;
  EXPECT_EQ(run({"clock", "--port", "/dev/fake0"}), kReceiverFailed);
  // The port failure sets no result code of its own, so there is none to print.
  EXPECT_EQ(err, QStringLiteral("Порт занят: error\n"));
  line.openResult = PortOpen::SettingsRefused;
  EXPECT_EQ(run({"clock", "--port", "/dev/fake0"}), kReceiverFailed);
  EXPECT_EQ(err, QStringLiteral("orbisk-cli: the port refused its line settings\n"));
}

class ClearEvents : public CliFixture {
 protected:
  ClearEvents() { engine.setEventCount(37); }
};

TEST_F(ClearEvents, ClearsTheBuffer) {
  EXPECT_EQ(run({"clear-events", "--port", "/dev/fake0"}), kOk);
  EXPECT_EQ(err, QStringLiteral("Стерто\n"));  // the conversation opens with an empty text
  EXPECT_EQ(engine.eventCount(), 0);
}

TEST_F(ClearEvents, RefusedByTheReceiver) {
  engine.faults().refuse = true;
  EXPECT_EQ(run({"clear-events", "--port", "/dev/fake0"}), kReceiverFailed);
  EXPECT_EQ(err, QStringLiteral("Запись неудачна\norbisk-cli: result code 2\n"));
  EXPECT_EQ(engine.eventCount(), 37);
}

}  // namespace
}  // namespace orbisk::test
