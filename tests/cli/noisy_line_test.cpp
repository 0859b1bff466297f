// orbisk-cli on a noisy line: a seeded man-in-the-middle at the port flips, drops, duplicates
// and inserts bytes in both directions, or stalls the receiver's replies. Every conversation
// ends clean (the right data, exit 0), reported (a non-zero exit) or silent (exit 0 with wrong
// data). Verified writes and reads read twice must never be silent. The port seam sees the same
// byte stream a pseudo-terminal would carry; only the timing is the fake clock's.
//
// ORBISK_NOISE_SEEDS sets the conversations per cell (default 3); scripts/noisy_line.sh prints
// the whole matrix.
#include <gtest/gtest.h>

#include <QDir>
#include <cstdio>
#include <deque>
#include <memory>
#include <random>

#include "cli/cli_env.h"
#include "core/files/rcf_file.h"
#include "core/transfer/config_compare.h"
#include "sim/receiver_engine.h"
#include "sim/sample_config.h"
#include "support/backup_env.h"
#include "support/fake_clock.h"
#include "support/temp_dir.h"

namespace orbisk::test {
namespace {

enum class Fault { Flip, Drop, Duplicate, Insert, Stall };
constexpr Fault kFaults[] = {Fault::Flip, Fault::Drop, Fault::Duplicate, Fault::Insert, Fault::Stall};
constexpr const char* kFaultNames[] = {"flip", "drop", "duplicate", "insert", "stall"};
constexpr double kRates[] = {1e-4, 1e-3, 1e-2};
constexpr uint32_t kStallMs = 1500;  // longer than the 1 s block time-outs

// The receiver's engine behind a line that spoils bytes at a rate, in both directions.
class NoisyPort : public SerialPort {
 public:
  NoisyPort(sim::ReceiverEngine& engine, FakeClock& clock, Fault fault, double rate, std::mt19937& rng)
      : engine_(engine), clock_(clock), fault_(fault), rate_(rate), rng_(rng) {}
  PortOpen open(const QString&) override { return PortOpen::Ok; }
  void purge() override {
    while (!incoming_.empty() && static_cast<int32_t>(incoming_.front().first - clock_.now) <= 0) incoming_.pop_front();
  }
  bool write(const uint8_t* bytes, int n) override {
    uint32_t delay = 0;
    const QByteArray sent = spoil(QByteArray(reinterpret_cast<const char*>(bytes), n), false, delay);
    const QByteArray reply = engine_.feed(sent, clock_.now);
    uint32_t replyDelay = 0;
    const QByteArray heard = spoil(reply, true, replyDelay);
    for (char c : heard) incoming_.emplace_back(clock_.now + replyDelay, static_cast<uint8_t>(c));
    return true;
  }
  bool readByte(uint8_t& byte) override {
    if (!incoming_.empty() && static_cast<int32_t>(incoming_.front().first - clock_.now) <= 0) {
      byte = incoming_.front().second;
      incoming_.pop_front();
      return true;
    }
    clock_.advance(10);
    return false;
  }
  void close() override { engine_.reset(); }

 private:
  bool hit() { return std::uniform_real_distribution<double>(0, 1)(rng_) < rate_; }
  uint8_t anyByte() { return static_cast<uint8_t>(rng_() & 0xFF); }
  // Stalls hold back the receiver's replies from the spoiled byte on.
  QByteArray spoil(const QByteArray& in, bool fromReceiver, uint32_t& delay) {
    QByteArray out;
    for (char c : in) {
      if (!hit()) {
        out.append(c);
        continue;
      }
      switch (fault_) {
        case Fault::Flip: out.append(static_cast<char>(c ^ (1 << (rng_() % 8)))); break;
        case Fault::Drop: break;
        case Fault::Duplicate: out.append(c).append(c); break;
        case Fault::Insert: out.append(static_cast<char>(anyByte())).append(c); break;
        case Fault::Stall:
          if (fromReceiver) delay = kStallMs;
          out.append(c);
          break;
      }
    }
    return out;
  }

  sim::ReceiverEngine& engine_;
  FakeClock& clock_;
  Fault fault_;
  double rate_;
  std::mt19937& rng_;
  std::deque<std::pair<uint32_t, uint8_t>> incoming_;
};

enum class Op { Write, WriteUnverified, Read, ReadTwice };
constexpr Op kOps[] = {Op::Write, Op::WriteUnverified, Op::Read, Op::ReadTwice};
constexpr const char* kOpNames[] = {"write", "write --no-verify", "read", "read --verify"};

struct Cell {
  int clean = 0, reported = 0, silent = 0, checks = 0;  // checks: reads that exit 3 with one read
};

class NoisyLine : public ::testing::Test {
 protected:
  NoisyLine() {
    sim::buildSample(*sample);
    sim::SlotTypes types{};
    sim::parseChannelTypes(sim::kSampleChannelTypes, types);
    engine.setChannelTypes(types);
    auto copy = std::make_unique<ConfigImage>(*sample);
    EXPECT_EQ(writeImageFile(dir.path("sample.rcf"), WriteMode::CreateAlways, *copy), WriteResult::Ok);
    env.out = env.err = [](const QString&) {};
    env.readLine = [](QString&) { return false; };
    env.clock = &clock;
  }

  // One conversation; records its class in cell.
  void converse(Op op, Fault fault, double rate, std::mt19937& rng, Cell& cell) {
    const bool reading = op == Op::Read || op == Op::ReadTwice;
    engine.faults() = {};
    engine.reset();
    if (reading) engine.memory() = *sample;
    else engine.memory().resetStartup();  // a receiver holding something else
    env.ports = [&] { return std::make_unique<NoisyPort>(engine, clock, fault, rate, rng); };
    QFile::remove(dir.path("out.rcf"));
    QStringList args = reading ? QStringList{"read", "--port", "noisy", "--out", dir.path("out.rcf")}
                               : QStringList{"write", "--port", "noisy", dir.path("sample.rcf")};
    if (op == Op::ReadTwice) args << "--verify";
    if (op == Op::WriteUnverified) args << "--no-verify";
    clock.advance(1000);
    const int status = cli::run(args, env);
    if (status != 0) {
      ++cell.reported;
      if (op == Op::Read && status == cli::status::kSuspect) ++cell.checks;
      return;
    }
    (rightData(reading) ? cell.clean : cell.silent) += 1;
  }

  bool rightData(bool reading) {
    if (!reading) return sentDifferences(*sample, engine.memory()).isEmpty();
    const QByteArray saved = readAll(dir.path("out.rcf"));
    const auto* truth = reinterpret_cast<const char*>(sample->data());
    return saved.size() == kImageSize && saved.mid(off::kSettings) == QByteArray(truth + off::kSettings, kImageSize - off::kSettings);
  }

  TempCwd dir;
  BackupFolder backups{dir.path("backups")};
  FakeClock clock;
  sim::ReceiverEngine engine;
  std::unique_ptr<ConfigImage> sample = std::make_unique<ConfigImage>();
  cli::CliEnv env;
};

TEST_F(NoisyLine, VerifiedTransfersAreNeverSilentlyWrong) {
  const int seeds = std::max(1, qEnvironmentVariableIntValue("ORBISK_NOISE_SEEDS") ? qEnvironmentVariableIntValue("ORBISK_NOISE_SEEDS") : 3);
  std::printf("%-9s %-7s %-17s %6s %9s %7s %14s\n", "fault", "rate", "transfer", "clean", "reported", "silent",
              "caught-by-check");
  Cell totals[4];
  for (size_t f = 0; f < std::size(kFaults); ++f)
    for (double rate : kRates)
      for (size_t o = 0; o < std::size(kOps); ++o) {
        Cell cell;
        for (int seed = 0; seed < seeds; ++seed) {
          std::mt19937 rng(static_cast<unsigned>(seed * 1000003 + f * 7919 + o * 104729 + static_cast<int>(rate * 1e6)));
          converse(kOps[o], kFaults[f], rate, rng, cell);
        }
        std::printf("%-9s %-7g %-17s %6d %9d %7d %14s\n", kFaultNames[f], rate, kOpNames[o], cell.clean, cell.reported,
                    cell.silent, kOps[o] == Op::Read ? std::to_string(cell.checks).c_str() : "-");
        totals[o].clean += cell.clean;
        totals[o].reported += cell.reported;
        totals[o].silent += cell.silent;
        totals[o].checks += cell.checks;
      }
  for (size_t o = 0; o < std::size(kOps); ++o)
    std::printf("%-17s %-17s %6d %9d %7d %14s\n", "total", kOpNames[o], totals[o].clean, totals[o].reported,
                totals[o].silent, kOps[o] == Op::Read ? std::to_string(totals[o].checks).c_str() : "-");
  std::fflush(stdout);
  EXPECT_EQ(totals[0].silent, 0) << "verified writes";
  EXPECT_EQ(totals[3].silent, 0) << "reads read twice";
}

}  // namespace
}  // namespace orbisk::test
