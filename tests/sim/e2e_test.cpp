// The link against halvorn-sim over a real line: its pseudo-terminal, and its TCP port.
#include <gtest/gtest.h>

#include <cstring>

#include "core/files/rcf_file.h"
#include "core/records/phone_codec.h"
#include "support/e2e_fixture.h"

namespace orbisk::test {
namespace {

TEST_F(EndToEnd, ReadAndWriteTheWholeConfiguration) {
  const QString sample = dir.path("sample.rcf");
  const QString saved = dir.path("written.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  auto served = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(sample, *served), ReadResult::Ok);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--load", sample, "--save-on-write", saved, "--channel-types", "0000660000000000"}));
  Receiver& r = receiverOn(sim.device());

  ASSERT_TRUE(r.rddump2()) << resultCode(r.outcome());
  EXPECT_TRUE(sameBytes(state.image, *served, off::kSettings, kImageSize));
  EXPECT_EQ(state.image[off::kExpanderCount], 4);
  EXPECT_EQ(state.channelTypes[4], '6');
  EXPECT_EQ(state.modelText, QStringLiteral("Halvorn 3320"));
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение успешно завершено"));

  // Another expander with a table, a changed setting, then the write.
  ConfigImage& img = state.image;
  img[off::kReceiverNumber] = 11;
  img.setMask(img.mask() | 0x0008);
  for (int i = 0; i < 40; ++i)
    packtel(img.record(3, i), "+7999" + QByteArray::number(1000000 + i), "0300E13000101", "e2e " + QByteArray::number(i));
  img.setPhoneCount(3, 40);
  state.expanderCount = 5;
  ASSERT_TRUE(r.guardedWrite()) << resultCode(r.outcome()) << " progress " << ui.progress.back() << " bytes " << ui.done << "/" << ui.total;
  EXPECT_EQ(ui.status(), QStringLiteral("Запись успешно завершена"));
  auto written = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(saved, *written), ReadResult::Ok);
  EXPECT_TRUE(sameBytes(*written, img, off::kSettings, off::kSims + off::kSimsSize));
  EXPECT_TRUE(sameBytes(*written, img, off::kTables, off::kTables + kTableSize * kSlotCount));
  EXPECT_EQ((*written)[off::kClock + 2], img[off::kClock + 2]);  // the hour of the stamp sent

  // The receiver now reports what was written.
  const ConfigImage before = state.image;
  ASSERT_TRUE(r.rddump2());
  EXPECT_TRUE(sameBytes(state.image, before, off::kSettings, kImageSize));
}

// A client that leaves ends its conversation: the next one is greeted afresh.
TEST_F(EndToEnd, TcpPortServesWholeReadsOneClientAfterAnother) {
  const QString sample = dir.path("sample.rcf");
  ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  auto served = std::make_unique<ConfigImage>();
  ASSERT_EQ(readImageFile(sample, *served), ReadResult::Ok);
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--load", sample, "--tcp", "0"}));
  ASSERT_TRUE(sim.device().startsWith(QStringLiteral("tcp://127.0.0.1:"))) << qPrintable(sim.device());
  Receiver& r = receiverOn(sim.device());
  for (int conversation = 0; conversation < 2; ++conversation) {
    state.image = *std::make_unique<ConfigImage>();
    ASSERT_TRUE(r.rddump2()) << "conversation " << conversation << ": " << resultCode(r.outcome());
    EXPECT_TRUE(sameBytes(state.image, *served, off::kSettings, kImageSize));
    EXPECT_EQ(ui.status(), QStringLiteral("Чтение успешно завершено"));
  }
}

TEST_F(EndToEnd, TcpPortOutOfRangeIsRefused) {
  QByteArray out;
  EXPECT_EQ(SimProcess::run({"--tcp", "65536"}, &out), 2);
  EXPECT_TRUE(out.isEmpty());
}

TEST_F(EndToEnd, SilentReceiver) {
  SimProcess sim;
  ASSERT_TRUE(sim.start({"--silent"}));
  Receiver& r = receiverOn(sim.device());
  EXPECT_FALSE(r.rddump2());
  EXPECT_EQ(r.outcome(), LinkOutcome::NoReceiver);
  EXPECT_EQ(ui.status(), QStringLiteral("Чтение неудачнo "));
  EXPECT_EQ(state.modelText, QStringLiteral("Halvorn 2010"));
}

TEST_F(EndToEnd, PortThatDoesNotExist) {
  Receiver& r = receiverOn(dir.path("no-such-port"));
  EXPECT_FALSE(r.rddump2());
  EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("Порт занят|error")});
}

}  // namespace
}  // namespace orbisk::test
