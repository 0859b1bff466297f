// halvorn-sim: a simulated Halvorn receiver on a pseudo-terminal or a TCP port, for trying
// Orbisk without one.
#include <csignal>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>

#include "core/files/rcf_file.h"
#include "sim/receiver_engine.h"
#include "sim/sample_config.h"
#include "sim/sim_options.h"
#include "sim/steady_time.h"
#include "sim/tcp_server.h"
#ifndef _WIN32
#include "sim/pty_server.h"
#endif

using namespace orbisk;
using namespace orbisk::sim;

namespace {

std::atomic<bool> g_stop{false};

void onSignal(int) { g_stop.store(true); }

void installSignals() {
#ifdef _WIN32
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
#else
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;  // no restart: poll() must return so the loop sees the request
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
#endif
}

int fail(const QString& message) {
  std::fprintf(stderr, "halvorn-sim: %s\n", qPrintable(message));
  return 2;
}

bool writeSample(const QString& path) {
  auto img = std::make_unique<ConfigImage>();
  buildSample(*img);
  return writeImageFile(path, WriteMode::CreateAlways, *img) == WriteResult::Ok;
}

// Written beside the target and renamed, so a reader never sees half a file.
void saveMemory(const ReceiverEngine& engine, const QString& path) {
  auto copy = std::make_unique<ConfigImage>(engine.memory());
  const QString part = path + QStringLiteral(".part");
  if (writeImageFile(part, WriteMode::CreateAlways, *copy) != WriteResult::Ok ||
      std::rename(part.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0)
    std::fprintf(stderr, "halvorn-sim: cannot save %s\n", qPrintable(path));
}

bool setUpEngine(ReceiverEngine& engine, const SimOptions& o, QString& error) {
  ConfigImage& m = engine.memory();
  if (o.load.isEmpty()) buildSample(m);
  else if (readImageFile(o.load, m, ReadAccess::ReadOnly) != ReadResult::Ok) {
    error = QStringLiteral("cannot read configuration file ") + o.load;
    return false;
  }
  for (int s = 0; s < kSlotCount; ++s)
    if (m.phoneCount(s) > kMaxPhones) m.setPhoneCount(s, kMaxPhones);
  if (!o.model.isEmpty()) engine.setModel(o.model);
  else if (m[off::kModel] == 0) engine.setModel(kSampleModel);
  if (!o.firmware.isEmpty()) engine.setFirmware(o.firmware);
  else if (m[off::kFirmware] == 0) engine.setFirmware(kSampleFirmware);
  SlotTypes types{};
  parseChannelTypes(o.channelTypes.isEmpty() ? kSampleChannelTypes : o.channelTypes, types);
  engine.setChannelTypes(types);
  engine.setClock(packClock(QDateTime::currentDateTime()), steadyMs());
  engine.setEventCount(37);
  engine.faults() = o.faults;
  return true;
}

// Prints the port name the client opens on the first line, then answers until stopped.
template <typename Server>
void announceAndServe(Server& server, const QString& name, ReceiverEngine& engine, const SimOptions& o) {
  if (!o.saveOnWrite.isEmpty()) engine.setOnCommit([&] { saveMemory(engine, o.saveOnWrite); });
  installSignals();
  std::printf("%s\n", qPrintable(name));
  std::fflush(stdout);
  server.serve(engine, o.serve, g_stop);
}

int serveTcp(ReceiverEngine& engine, const SimOptions& o) {
  TcpServer server;
  QString message;
  if (!server.open(static_cast<quint16>(o.tcpPort), message)) return fail(message);
  announceAndServe(server, server.portName(), engine, o);
  return 0;
}

int servePty(ReceiverEngine& engine, const SimOptions& o) {
#ifdef _WIN32
  (void)engine;
  (void)o;
  return fail(QStringLiteral("no pseudo-terminals on Windows: use --tcp PORT"));
#else
  PtyServer server;
  QString message;
  if (!server.open(message)) return fail(message);
  if (!o.link.isEmpty() && !server.makeLink(o.link, message)) return fail(message);
  announceAndServe(server, server.slavePath(), engine, o);
  return 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  SimOptions options;
  QString message;
  switch (parseSimOptions(app.arguments(), options, message)) {
    case ParseResult::Exit: std::printf("%s", qPrintable(message)); return 0;
    case ParseResult::Error: return fail(message);
    case ParseResult::Run: break;
  }
  if (!options.sample.isEmpty())
    return writeSample(options.sample) ? 0 : fail(QStringLiteral("cannot write ") + options.sample);

  ReceiverEngine engine;
  if (!setUpEngine(engine, options, message)) return fail(message);
  return options.tcpPort >= 0 ? serveTcp(engine, options) : servePty(engine, options);
}
