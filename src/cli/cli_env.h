// What orbisk-cli takes from its surroundings: streams, terminal facts, the port and the clock.
// main() fills it with the real ones; tests run the tool in-process with their own.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/link/link_clock.h"
#include "core/link/port_hooks.h"
#include "core/link/serial_port.h"

namespace orbisk {
class Receiver;
}

namespace orbisk::cli {

namespace status {
constexpr int kOk = 0;
constexpr int kReceiverFailed = 1;  // port or receiver failed; the text and result code are printed
constexpr int kUsage = 2;           // bad arguments, a file that cannot be read or written, a write declined
constexpr int kSuspect = 3;         // what was read looks damaged, or the receiver holds not what was written
constexpr int kInterrupted = 130;   // Ctrl+C, as shells report a command ended by SIGINT
}  // namespace status

struct CliEnv {
  std::function<void(const QString&)> out;  // standard output
  std::function<void(const QByteArray&)> outBytes;  // standard output, bytes as they are (unset: out)
  std::function<void(const QString&)> err;  // standard error
  // One line of standard input without its line end; false at end of input or when interrupted.
  std::function<bool(QString&)> readLine;
  bool inputIsTerminal = false;  // a question can be answered
  bool errorIsTerminal = false;  // a progress bar can be drawn
  PortFactory ports;
  // A factory of its own for each conversation of a backup, whose network ports tell their own
  // hooks why they failed; unset: every conversation uses ports.
  std::function<PortFactory(PortHooks)> portsWith;
  Clock* clock = nullptr;
  std::function<bool()> interrupted;  // Ctrl+C has been pressed
  // Told of the receiver whose conversation Ctrl+C must end at once (null when there is none):
  // the link's pauses do not look at the flag above.
  std::function<void(Receiver*)> abortTarget;
};

// Runs one command line (without the program name) and returns the exit status.
int run(const QStringList& args, CliEnv& env);

}  // namespace orbisk::cli
