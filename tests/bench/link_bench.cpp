// Times whole-configuration transfers through the real serial port code (used by
// scripts/bench_link.sh against halvorn-sim; not a test).
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "support/conversation_state.h"
#include "core/state/prompter.h"
#include "core/files/rcf_file.h"
#include "core/link/any_port.h"
#include "core/link/protocol.h"
#include "core/link/receiver.h"
#include "sim/sample_config.h"

using namespace orbisk;

namespace {

class QuietPrompter : public Prompter {
 public:
  void message(const QString& t) override { std::fprintf(stderr, "%s\n", qPrintable(t)); }
  void messageCaptioned(const QString& c, const QString& t) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(c), qPrintable(t));
  }
  Answer ask(const QString&, bool) override { return Answer::Yes; }
  QString openFile(const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&) override { return {}; }
  QString savePdfFile(const QString&, const QString&) override { return {}; }
};

class ByteCount : public LinkUi {
 public:
  void bytesMoved(long done, long) override { bytes = done; }
  void setStatusText(const QString& t) override { status = t; }
  long bytes = 0;
  QString status;
};

int usage() {
  std::fprintf(stderr,
               "usage: orbisk-link-bench full FILE               write a configuration with 16 x 200 telephones\n"
               "       orbisk-link-bench sample FILE             write the simulator's sample configuration\n"
               "       orbisk-link-bench read PORT [FILE]        read the receiver, compare with FILE if given\n"
               "       orbisk-link-bench write PORT FILE         write FILE to the receiver\n"
               "       orbisk-link-bench paced-read PORT         the same against a receiver paced at 1200 baud,\n"
               "       orbisk-link-bench paced-write PORT FILE   with the bound and the share of a core\n");
  return 2;
}

constexpr double kByteS = 10.0 / 1200.0;  // one byte on the line: start, 8 data bits, stop
constexpr double kPauseS = proto::kPause / 100.0;
// Before "A", after the clock, after the settings, after each slot header, before the SIM numbers.
constexpr int kWritePauses = 4 + kSlotCount;

// The least a paced transfer can take: every byte the receiver sends a byte's time on the line
// (the PC's own bytes cost none on a pseudo-terminal) and the protocol's pauses; for the read
// also the listening after the identity block.
double boundSeconds(bool read, long bytes, const ConfigImage& img) {
  if (read) return static_cast<double>(proto::kAckLineSize + bytes) * kByteS + kPauseS + proto::kListenTimeout / 10.0;
  long records = 0;
  for (int s = 0; s < kSlotCount; ++s) records += std::min(img.phoneCount(s), kMaxPhones);
  const long acks = 1 + records + 2;  // the greeting, every record, the SIM numbers, "K"
  return kWritePauses * kPauseS + static_cast<double>(acks * proto::kAckLineSize) * kByteS;
}

int run(const QString& what, const QString& port, const QString& file, bool paced) {
  auto state = std::make_unique<test::ConversationState>();
  state->portName = port;
  auto expected = std::make_unique<ConfigImage>();
  if (!file.isEmpty() && readImageFile(file, *expected) != ReadResult::Ok) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
    return 1;
  }
  if (what == "write") {
    state->image = *expected;
    state->expanderCount = state->image[off::kExpanderCount];
  }
  QuietPrompter prompter;
  ByteCount ui;
  SteadyClock clock;
  Receiver receiver(*state, *state, prompter, ui, anyPortFactory(), clock);
  // A serial trace, to time a transfer with it on.
  receiver.link().setTraceFile(qEnvironmentVariable("ORBISK_BENCH_TRACE"));
  const std::clock_t cpu0 = std::clock();
  const auto wall0 = std::chrono::steady_clock::now();
  bool ok = what == "read" ? receiver.rddump2() : receiver.wrdump2();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
  const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
  if (ok && what == "read" && !file.isEmpty())
    ok = std::memcmp(state->image.data() + off::kSettings, expected->data() + off::kSettings,
                     kImageSize - off::kSettings) == 0;
  std::printf("%s ok=%d bytes=%ld wall_s=%.3f cpu_s=%.3f line_s=%.1f", qPrintable(what), ok ? 1 : 0, ui.bytes, wall,
              cpu, ui.bytes * kByteS);
  if (paced) {
    const double bound = boundSeconds(what == "read", ui.bytes, state->image);
    std::printf(" bound_s=%.3f ratio=%.4f core=%.2f%%", bound, wall / bound, 100.0 * cpu / wall);
  }
  std::printf(" status=%s\n", qPrintable(ui.status));
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  if (a.size() == 3 && (a[1] == "full" || a[1] == "sample")) {
    auto img = std::make_unique<ConfigImage>();
    if (a[1] == "full") sim::buildFull(*img);
    else sim::buildSample(*img);
    return writeImageFile(a[2], WriteMode::CreateAlways, *img) == WriteResult::Ok ? 0 : 1;
  }
  if (a.size() >= 3 && a[1] == "read") return run("read", a[2], a.size() > 3 ? a[3] : QString(), false);
  if (a.size() == 4 && a[1] == "write") return run("write", a[2], a[3], false);
  if (a.size() == 3 && a[1] == "paced-read") return run("read", a[2], QString(), true);
  if (a.size() == 4 && a[1] == "paced-write") return run("write", a[2], a[3], true);
  return usage();
}
