// What a technician can follow of a transfer: the time left, and the serial trace for support.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <memory>

#include "core/link/serial_trace.h"
#include "core/link/transfer_progress.h"
#include "support/link_fixture.h"
#include "support/qt_print.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

TEST(TransferProgress, BytesAndTimeLeftAtTheLineSpeed) {
  EXPECT_EQ(transferProgressText(12340, 102599), QStringLiteral("12 340 из 102 599 байт, осталось 12:33"));
  EXPECT_EQ(transferProgressText(0, 839), QStringLiteral("0 из 839 байт, осталось 0:07"));
  EXPECT_EQ(transferProgressText(839, 839), QStringLiteral("839 из 839 байт, осталось 0:00"));
  EXPECT_EQ(transferProgressText(0, 432000), QStringLiteral("0 из 432 000 байт, осталось 1:00:00"));
  EXPECT_EQ(secondsLeft(900, 800), 0);  // a total that was learnt late never goes negative
}

class TraceTest : public LinkFixture {
 protected:
  QStringList traced() {
    QFile f(dir.path("trace.log"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }
  TempCwd dir;
};

TEST_F(TraceTest, AReadLearnsItsTotalFromTheSlotHeadersAndAWriteKnowsItFirst) {
  loadSample();
  std::vector<long> totals;
  ui.onBytes = [&](long, long total) { totals.push_back(total); };
  ASSERT_TRUE(receiver->rddump2());
  // Everything but the records first, then each slot header adds its records.
  EXPECT_EQ(totals.front(), 6 + 8 + 16 * 2 + 128 + 16 + 9);
  EXPECT_EQ(ui.total, totals.front() + 20 * 32);
  EXPECT_EQ(ui.done, ui.total);

  totals.clear();
  state.expanderCount = 4;
  ASSERT_TRUE(receiver->wrdump2());
  EXPECT_EQ(totals.front(), totals.back());
  EXPECT_EQ(ui.total, 1 + 6 + 8 + 16 * 2 + 20 * 32 + 128 + 1);
  EXPECT_EQ(ui.done, ui.total);
}

TEST_F(TraceTest, EveryByteAndEveryStepOfAConversationIsTraced) {
  loadSample();
  receiver->link().setTraceFile(dir.path("trace.log"));
  ASSERT_TRUE(receiver->rddump1());
  engine.faults().silent = true;
  EXPECT_FALSE(receiver->clearEventBuffer());
  const QStringList lines = traced();
  ASSERT_GE(lines.size(), 8);
  const QRegularExpression shape(QStringLiteral(R"(^ *\d+\.\d{3} (open \S+ \(.*\)|close|purge|pause \d+ ms|time-out|)"
                                                R"((TX|RX)( [0-9A-F]{2})+  [ -~]+)$)"));
  for (const QString& l : lines) EXPECT_TRUE(shape.match(l).hasMatch()) << l.toStdString();
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("  0.000 open /dev/fake")));
  EXPECT_TRUE(lines.contains(QStringLiteral("  0.000 TX 52  R")));
  EXPECT_TRUE(lines.filter(QRegularExpression(QStringLiteral("RX 4F 4B 0D 0A  OK\\.\\.$"))).size() >= 1);
  EXPECT_EQ(lines.filter(QStringLiteral(" pause 500 ms")).size(), 1);  // the silent one never gets past its greeting
  EXPECT_TRUE(lines.filter(QStringLiteral(" TX 54  T")).size() == 1);
  // The silent receiver: five greetings, each ending in its time-out.
  EXPECT_EQ(lines.filter(QStringLiteral(" time-out")).size(), 5);
  EXPECT_EQ(lines.filter(QStringLiteral(" close")).size(), 2);
  EXPECT_TRUE(lines.last().endsWith(QStringLiteral(" close")));
}

TEST(SerialTrace, LongRunsAreCutIntoLinesOfThirtyTwoBytes) {
  TempCwd dir;
  {
    SerialTrace t(dir.path("t.log"));
    t.opened(QStringLiteral("/dev/x"), true, 1000, QStringLiteral("now"));
    for (int i = 0; i < 40; ++i) t.received(static_cast<uint8_t>(i), 1512);
    t.quiet();
    t.closed(2000);
  }
  QFile f(dir.path("t.log"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("  0.512 RX 00 01 02")));
  EXPECT_TRUE(lines[1].endsWith(QStringLiteral("1E 1F  ................................")));
  EXPECT_EQ(lines[2], QStringLiteral("  0.512 RX 20 21 22 23 24 25 26 27   !\"#$%&'"));
  EXPECT_EQ(lines[3], QStringLiteral("  1.000 close"));
}


TEST_F(TraceTest, AReadEstimatesItsTotalFromAnEarlierConfigurationUntilTheLastHeader) {
  loadSample();
  const long fixed = 6 + 8 + 16 * 2 + 128 + 16 + 9;
  auto earlier = std::make_unique<ConfigImage>();
  earlier->setPhoneCount(0, 200);
  earlier->setPhoneCount(15, 50);
  receiver->setReadEstimate(*earlier);
  std::vector<long> totals;
  ui.onBytes = [&](long, long total) { totals.push_back(total); };
  ASSERT_TRUE(receiver->rddump2());
  EXPECT_EQ(totals.front(), fixed + 250 * 32) << "the earlier counts, not the empty stream";
  EXPECT_GT(ui.estimates, 0);
  EXPECT_FALSE(ui.lastWasEstimate) << "the true total once every header came";
  EXPECT_EQ(ui.total, fixed + 20 * 32);
  EXPECT_EQ(ui.done, ui.total);
  EXPECT_EQ(estimatedProgressText(120, 360), QStringLiteral("120 из 360 байт, осталось 0:02 (оценка)"));

  // An estimate that was right is the true total from the first byte on.
  receiver->setReadEstimate(state.image);
  totals.clear();
  ASSERT_TRUE(receiver->rddump2());
  EXPECT_EQ(totals.front(), fixed + 20 * 32);
  EXPECT_EQ(totals.front(), totals.back());
}

}  // namespace
}  // namespace orbisk::test
