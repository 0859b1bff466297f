// orbisk-cli: the receiver and configuration files from scripts and remote shells.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "cli/cli_application.h"
#include "cli/cli_env.h"
#include "cli/interrupt.h"
#include "core/link/link_clock.h"
#include "core/link/any_port.h"
#include "core/process/process_end.h"

using namespace orbisk;
using namespace orbisk::cli;

namespace {

void put(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  std::fflush(stream);
}

// Interrupted reads return at once (no SA_RESTART), which ends a question with no answer.
bool readStdinLine(QString& line) {
  char buf[256];
  if (!std::fgets(buf, sizeof buf, stdin)) return false;
  line = QString::fromLocal8Bit(buf).trimmed();
  return true;
}

// Windows: standard output in text mode would turn each "\r\n" a CSV line ends with into
// "\r\r\n"; the bytes go out as written, as on Linux, and a console shows UTF-8.
void rawStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

int runCommand(const QStringList& args) {
  installInterruptHandler();
  SteadyClock clock;
  CliEnv env;
  env.out = [](const QString& t) { put(stdout, t); };
  env.outBytes = [](const QByteArray& b) {
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
    std::fflush(stdout);
  };
  env.err = [](const QString& t) { put(stderr, t); };
  env.readLine = readStdinLine;
  env.inputIsTerminal = isatty(fileno(stdin)) != 0;
  env.errorIsTerminal = isatty(fileno(stderr)) != 0;
  PortHooks hooks;
  hooks.cancelled = interruptRequested;
  hooks.failed = [](const QString& port, const QString& cause) { put(stderr, port + QStringLiteral(": ") + cause + u'\n'); };
  env.ports = anyPortFactory(hooks);
  env.portsWith = anyPortFactory;
  env.clock = &clock;
  env.interrupted = interruptRequested;
  env.abortTarget = setInterruptTarget;
  return run(args, env);
}

}  // namespace

int main(int argc, char** argv) {
  rawStandardStreams();
  int status = 0;
  {
    const auto app = makeApplication(argc, argv);
    status = runCommand(app->arguments().mid(1));
  }
  if (status == status::kInterrupted) exitAsInterrupted();
  return endProcess(status);
}
