// read and write against the simulated receiver's engine on a fake line: files, questions,
// failures, Ctrl+C and the progress bar.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <functional>
#include <memory>

#include "cli/terminal_ui.h"
#include "cli_fixture.h"
#include "core/files/rcf_file.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/records/phone_codec.h"

namespace orbisk::test {
namespace {

using namespace cli::status;

class ReadCommand : public CliFixture {
 protected:
  int read() { return run({"read", "--port", "/dev/fake0", "--out", backup}); }
  QString backup = dir.path("backup.rcf");
};

TEST_F(ReadCommand, SavesWhatTheReceiverHoldsAsSaveWould) {
  EXPECT_EQ(read(), kOk) << err.toStdString();
  EXPECT_EQ(err, QStringLiteral("Чтение\nЧтение успешно завершено\n"));
  EXPECT_TRUE(out.isEmpty());
  const QByteArray saved = readAll(backup);
  ASSERT_EQ(saved.size(), kImageSize);
  EXPECT_EQ(saved.mid(off::kSig1, 4), QByteArray("$5\0x", 4));
  EXPECT_EQ(saved[off::kExpanderCount], 4);
  EXPECT_EQ(std::memcmp(saved.constData() + off::kSettings, engine.memory().data() + off::kSettings,
                        kImageSize - off::kSettings),
            0);
  EXPECT_EQ(filesInDir(), QStringList{"backup.rcf"});
  EXPECT_FALSE(line.open);
}

TEST_F(ReadCommand, ReplacesAnOlderFileWhole) {
  writeAll(backup, QByteArray(kImageSize + 5000, '\xEE'));
  EXPECT_EQ(read(), kOk);
  EXPECT_EQ(QFileInfo(backup).size(), kImageSize);  // nothing of the longer old file stays behind
}

TEST_F(ReadCommand, FailuresLeaveTheOutputAsItWas) {
  writeAll(backup, "old backup");
  engine.faults().wrongHeaderSlot = 3;
  EXPECT_EQ(read(), kReceiverFailed);
  EXPECT_EQ(err, QStringLiteral("Чтение\nЧтение неудачнo \norbisk-cli: result code 5\n"));

  engine.faults().wrongHeaderSlot = -1;
  engine.faults().silent = true;
  EXPECT_EQ(read(), kReceiverFailed);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Чтение неудачнo \norbisk-cli: result code 20\n"))) << err.toStdString();

  EXPECT_EQ(readAll(backup), "old backup");
  EXPECT_EQ(filesInDir(), QStringList{"backup.rcf"});
}

TEST_F(ReadCommand, PortThatCannotBeHad) {
  line.openResult = PortOpen::Busy;
  EXPECT_EQ(read(), kReceiverFailed);
  EXPECT_EQ(err, QStringLiteral("Порт занят: error\nЧтение неудачнo \norbisk-cli: result code 20\n"));
  EXPECT_FALSE(QFileInfo::exists(backup));
}

TEST_F(ReadCommand, AnOutputThatCouldNotBeSavedIsFoundBeforeTheRead) {
  backup = dir.path("no-such-folder/backup.rcf");
  EXPECT_EQ(read(), kUsage);
  EXPECT_EQ(err, backup + QStringLiteral(": Не сохраняется\n"));
  backup = dir.root();
  EXPECT_EQ(read(), kUsage);
  EXPECT_EQ(line.opens, 0);
}

TEST_F(ReadCommand, AWriteProtectedBackupIsNotReplaced) {
  writeAll(backup, "kept");
  QFile::setPermissions(backup, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  if (QFileInfo(backup).isWritable()) GTEST_SKIP() << "running with rights that ignore file permissions";
  EXPECT_EQ(read(), kUsage);
  EXPECT_EQ(readAll(backup), "kept");
  EXPECT_EQ(line.opens, 0);
}

TEST_F(ReadCommand, CtrlCClosesThePortAndLeavesNoFile) {
  writeAll(backup, "old backup");
  interruptAfterPolls = 300;  // well inside the slot tables
  EXPECT_EQ(read(), kInterrupted);
  EXPECT_EQ(err, QStringLiteral("Чтение\norbisk-cli: interrupted\n"));
  EXPECT_EQ(line.opens, 1);
  EXPECT_EQ(line.closes, 1);
  EXPECT_FALSE(line.open);
  EXPECT_EQ(readAll(backup), "old backup");
  EXPECT_EQ(filesInDir(), QStringList{"backup.rcf"});
}

TEST_F(ReadCommand, ProgressBarOnlyOnATerminal) {
  EXPECT_EQ(read(), kOk);
  EXPECT_FALSE(err.contains(u'\r'));
  env.errorIsTerminal = true;
  EXPECT_EQ(read(), kOk);
  EXPECT_TRUE(err.contains(QStringLiteral(" bytes  ~ "))) << err.toStdString();
  // The bar is wiped before the outcome, which stands on a line of its own.
  EXPECT_TRUE(err.contains(QStringLiteral("\rЧтение успешно завершено\n"))) << err.toStdString();
}

TEST(ProgressLine, BytesAndTimeLeftAtTheLineSpeed) {
  EXPECT_EQ(cli::progressLine(0, 108000), QStringLiteral("[>                       ]   0%  0/108000 bytes  ~ 15:00 left"));
  EXPECT_EQ(cli::progressLine(54000, 108000),
            QStringLiteral("[============>           ]  50%  54000/108000 bytes  ~ 7:30 left"));
  EXPECT_TRUE(cli::progressLine(0, 432000).endsWith(QStringLiteral("~ 1:00:00 left")));
  EXPECT_TRUE(cli::progressLine(900, 800).startsWith(QStringLiteral("[========================] 100%  800/800")));
}

class WriteCommand : public CliFixture {
 protected:
  WriteCommand() {
    img->resetStartup();
    img->setMask(0x0001);
    (*img)[off::kExpanderCount] = 1;
    packtel(img->record(0, 0), "+79001234567", "0042E13000101", "cli");
    img->setPhoneCount(0, 1);
  }
  int write(QStringList extra = {}) {
    saveConfig(file, *img);
    return run(QStringList{"write", "--port", "/dev/fake0", file} + extra);
  }
  std::unique_ptr<ConfigImage> img = std::make_unique<ConfigImage>();
  QString file = dir.path("site.rcf");
};

TEST_F(WriteCommand, SendsTheFileAsTheDesktopWouldAfterOpeningIt) {
  (*img)[off::kReceiverNumber] = 0x11;  // shown, and so sent, as 2: and said so
  EXPECT_EQ(write({"--no-verify"}), kOk) << err.toStdString();
  EXPECT_EQ(err, file + QStringLiteral(": Значения вне допустимых пределов отправлены исправленными, как их "
                                       "показывает программа:\n  Номер приемника: 0x11 → 0x02\n"
                                       "Запись\nЗапись успешно завершена\n"));
  EXPECT_EQ(engine.writesTaken(), 1);
  const ConfigImage& m = engine.memory();
  EXPECT_EQ(m[off::kReceiverNumber], 2);
  EXPECT_EQ(m.phoneCount(0), 1);
  EXPECT_EQ(std::memcmp(m.record(0, 0), img->record(0, 0), kRecordSize), 0);
  EXPECT_EQ(readAll(file)[off::kReceiverNumber], 0x11);  // the file itself is not changed
}

TEST_F(WriteCommand, RefusesWhatOpenRefuses) {
  EXPECT_EQ(run({"write", "--port", "/dev/fake0", dir.path("gone.rcf")}), kUsage);
  EXPECT_EQ(err, dir.path("gone.rcf") + QStringLiteral(": Не могу открыть файл\n"));
  writeAll(file, QByteArray(kImageSize, '\0'));
  EXPECT_EQ(run({"write", "--port", "/dev/fake0", file}), kUsage);
  EXPECT_EQ(err, file + QStringLiteral(": Это файл не для программы Orbisk\n"));
  EXPECT_EQ(line.opens, 0);
}

TEST_F(WriteCommand, ReceiverFailuresGiveTheDesktopsTexts) {
  engine.faults().refuse = true;
  EXPECT_EQ(write(), kReceiverFailed);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Запись неудачна\norbisk-cli: result code 2\n"
                                          "orbisk-cli: Приемник мог сохранить конфигурацию не полностью.\n")))
      << err.toStdString();
  engine.faults().refuse = false;
  engine.faults().silent = true;
  EXPECT_EQ(write(), kReceiverFailed);
  EXPECT_TRUE(err.endsWith(QStringLiteral("Приемник не подключен \norbisk-cli: result code 1\n")));
  EXPECT_EQ(engine.writesTaken(), 0);
}

TEST_F(WriteCommand, CtrlCEndsTheWrite) {
  interruptAfterPolls = 8;  // greeted, waiting for the first record's acknowledgement
  EXPECT_EQ(write(), kInterrupted);
  EXPECT_EQ(err, QStringLiteral("Запись\norbisk-cli: interrupted\n"));
  EXPECT_FALSE(line.open);
  EXPECT_EQ(engine.writesTaken(), 0);
}

// A line that lets a test press Ctrl+C at the moment a given block is sent.
class CtrlCPort : public FakePort {
 public:
  CtrlCPort(FakeLine& line, std::function<void(const QByteArray&)> onWrite) : FakePort(line), onWrite_(std::move(onWrite)) {}
  bool write(const uint8_t* bytes, int n) override {
    const bool ok = FakePort::write(bytes, n);
    onWrite_(QByteArray(reinterpret_cast<const char*>(bytes), n));
    return ok;
  }

 private:
  std::function<void(const QByteArray&)> onWrite_;
};

TEST_F(WriteCommand, CtrlCInThePausesBetweenSlotsEndsTheWriteAtOnce) {
  Receiver* target = nullptr;
  env.abortTarget = [&](Receiver* r) { target = r; };
  uint32_t pressedAt = 0;
  env.ports = [&] {
    return std::make_unique<CtrlCPort>(line, [&](const QByteArray& sent) {
      if (sent != QByteArray("\x02\x00", 2) || !target) return;
      pressedAt = clock.now;
      interruptAfterPolls = 0;
      target->requestAbort();  // what the signal handler does
    });
  };
  EXPECT_EQ(write(), kInterrupted);
  ASSERT_NE(pressedAt, 0u);
  // Without the direct abort, thirteen more half-second pauses would pass before the link noticed.
  EXPECT_LT(clock.now - pressedAt, 1000u);
  EXPECT_FALSE(line.allWritten().endsWith('K'));
  EXPECT_EQ(engine.writesTaken(), 0);
  EXPECT_EQ(target, nullptr);  // no longer a target once the command has ended
}

class EmptyWrite : public WriteCommand {
 protected:
  EmptyWrite() { img->resetNew(); }
  const QString question = text::LinkTexts::emptyListQuestion();
};

TEST_F(EmptyWrite, WithoutATerminalOnlyYesWrites) {
  EXPECT_EQ(write(), kUsage);
  EXPECT_TRUE(err.startsWith(question + u'\n'));
  EXPECT_TRUE(err.contains(QStringLiteral("--yes")));
  EXPECT_EQ(line.opens, 0);

  EXPECT_EQ(write({"--yes"}), kOk) << err.toStdString();
  EXPECT_FALSE(err.contains(question));
  EXPECT_EQ(engine.writesTaken(), 1);
}

TEST_F(EmptyWrite, OnATerminalTheAnswerDecides) {
  env.inputIsTerminal = true;
  for (const char* yes : {"y", "YES", " yes "}) {
    input = {QString::fromUtf8(yes)};
    EXPECT_EQ(write(), kOk) << yes;
    EXPECT_TRUE(err.startsWith(question + QStringLiteral(" [y/N] ")));
  }
  EXPECT_EQ(engine.writesTaken(), 3);
  const int opens = line.opens;
  for (const char* no : {"n", "", "да"}) {
    input = {QString::fromUtf8(no)};
    EXPECT_EQ(write(), kUsage) << no;
    EXPECT_TRUE(err.endsWith(QStringLiteral("orbisk-cli: not written\n")));
  }
  input.clear();  // end of input
  EXPECT_EQ(write(), kUsage);
  EXPECT_EQ(line.opens, opens);
}

TEST_F(EmptyWrite, ACountAboveSixteenCountsAsNoExpanders) {
  (*img)[off::kExpanderCount] = 17;
  img->setMask(0xFFFF);
  EXPECT_EQ(write(), kUsage);
  EXPECT_TRUE(err.startsWith(question));
}

TEST_F(EmptyWrite, CtrlCAtTheQuestion) {
  env.inputIsTerminal = true;
  interruptAfterPolls = 0;  // the pending read of the answer returns with no line
  EXPECT_EQ(write(), kInterrupted);
  EXPECT_TRUE(err.endsWith(QStringLiteral("orbisk-cli: interrupted\n")));
  EXPECT_EQ(line.opens, 0);
}

}  // namespace
}  // namespace orbisk::test
