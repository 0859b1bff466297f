// Times whole-configuration transfers through the real serial port code (used by
// scripts/bench_link.sh against halvorn-sim; not a test).
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "core/state/main_state.h"
#include "core/state/prompter.h"
#include "core/files/rcf_file.h"
#include "core/link/any_port.h"
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
               "usage: orbisk-link-bench full FILE        write a configuration with 16 x 200 telephones\n"
               "       orbisk-link-bench read PORT [FILE] read the receiver, compare with FILE if given\n"
               "       orbisk-link-bench write PORT FILE  write FILE to the receiver\n");
  return 2;
}

int run(const QString& what, const QString& port, const QString& file) {
  auto state = std::make_unique<MainState>();
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
  Receiver receiver(*state, prompter, ui, anyPortFactory(), clock);
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
  std::printf("%s ok=%d bytes=%ld wall_s=%.3f cpu_s=%.3f line_s=%.1f status=%s\n", qPrintable(what), ok ? 1 : 0,
              ui.bytes, wall, cpu, ui.bytes * 10.0 / 1200.0, qPrintable(ui.status));
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  if (a.size() == 3 && a[1] == "full") {
    auto img = std::make_unique<ConfigImage>();
    sim::buildFull(*img);
    return writeImageFile(a[2], WriteMode::CreateAlways, *img) == WriteResult::Ok ? 0 : 1;
  }
  if (a.size() >= 3 && a[1] == "read") return run("read", a[2], a.size() > 3 ? a[3] : QString());
  if (a.size() == 4 && a[1] == "write") return run("write", a[2], a[3]);
  return usage();
}
