#include "sim/sim_options.h"

#include <QCommandLineParser>

namespace orbisk::sim {
namespace {

bool takeNumber(const QCommandLineParser& p, const QString& name, long min, long max, long& value, QString& message) {
  if (!p.isSet(name)) return true;
  bool ok = false;
  value = p.value(name).toLong(&ok);
  if (ok && value >= min && value <= max) return true;
  message = QStringLiteral("--%1: expected a number from %2 to %3").arg(name).arg(min).arg(max);
  return false;
}

void addOptions(QCommandLineParser& p) {
  p.setApplicationDescription(QStringLiteral(
      "Simulated Halvorn receiver on a pseudo-terminal, or with --tcp on a TCP port. Prints the port name to "
      "use on its first line."));
  p.addHelpOption();
  p.addOptions({
      {"load", "Serve the configuration in FILE (.rcf) instead of the sample.", "FILE"},
      {"save-on-write", "Save the receiver's memory to FILE after every accepted write.", "FILE"},
      {"sample", "Write the sample configuration to FILE and exit.", "FILE"},
      {"link", "Also make PATH a symbolic link to the device.", "PATH"},
      {"tcp", "Serve on 127.0.0.1:PORT instead of a pseudo-terminal (0: a free port); the first line is then "
              "tcp://127.0.0.1:PORT.", "PORT"},
      {"model", "Model digits the receiver reports (four characters, default 3320).", "DIGITS"},
      {"firmware", "Firmware version the receiver reports (four characters, default 2.07).", "TEXT"},
      {"channel-types", "Channel type of each slot, 16 characters; 6 and above is a telephone line "
                        "(default 0000660000000000).", "TYPES"},
      {"silent", "Answer nothing at all."},
      {"answer-on-try", "Answer a greeting only at its N-th try in each conversation.", "N"},
      {"refuse", "Send a zero byte instead of acknowledgements (greetings are still answered)."},
      {"refuse-after", "With --refuse: give N acknowledgements in each conversation first.", "N"},
      {"wrong-header", "Number slot SLOT's header in the read stream as the next slot.", "SLOT"},
      {"cut-after", "Stop the read stream after N bytes.", "N"},
      {"count-over-200", "Claim 255 telephones for slot SLOT in the read stream and send them.", "SLOT"},
      {"bad-clock", "Send a clock that is not valid BCD."},
      {"faulty-memory", "Fail the second step of the memory test."},
      {"flip-at", "Flip bit 6 of the read stream's byte at OFFSET (0 is the clock's first byte).", "OFFSET"},
      {"flip-reads", "With --flip-at: flip only in the first N reads.", "N"},
      {"trailing-bytes", "Send N bytes more after the identity block, as a shifted stream does.", "N"},
      {"flip-stored", "Take a write with one bit of its first telephone record flipped."},
      {"paced", "Send at the real line speed, 1200 baud (about 120 bytes a second)."},
      {"log-received", "Append every byte received from the PC to FILE.", "FILE"},
  });
}

bool takeFaults(const QCommandLineParser& p, SimFaults& f, QString& message) {
  f.silent = p.isSet("silent");
  f.refuse = p.isSet("refuse");
  f.badClock = p.isSet("bad-clock");
  f.faultyMemory = p.isSet("faulty-memory");
  f.flipStored = p.isSet("flip-stored");
  long v = 0;
  if (!takeNumber(p, "answer-on-try", 1, 1000000, v, message)) return false;
  if (p.isSet("answer-on-try")) f.answerOnTry = static_cast<int>(v);
  if (!takeNumber(p, "refuse-after", 0, 1000000, v, message)) return false;
  if (p.isSet("refuse-after")) f.refuseAfter = static_cast<int>(v);
  if (!takeNumber(p, "wrong-header", 0, 15, v, message)) return false;
  if (p.isSet("wrong-header")) f.wrongHeaderSlot = static_cast<int>(v);
  if (!takeNumber(p, "count-over-200", 0, 15, v, message)) return false;
  if (p.isSet("count-over-200")) f.countOver200Slot = static_cast<int>(v);
  if (!takeNumber(p, "cut-after", 0, 1L << 30, v, message)) return false;
  if (p.isSet("cut-after")) f.cutAfter = v;
  if (!takeNumber(p, "flip-at", 0, 1L << 30, v, message)) return false;
  if (p.isSet("flip-at")) f.flipAt = v;
  if (!takeNumber(p, "flip-reads", 0, 1000000, v, message)) return false;
  if (p.isSet("flip-reads")) f.flipReads = static_cast<int>(v);
  if (!takeNumber(p, "trailing-bytes", 0, 1000, v, message)) return false;
  if (p.isSet("trailing-bytes")) f.trailingBytes = static_cast<int>(v);
  return true;
}

}  // namespace

ParseResult parseSimOptions(const QStringList& args, SimOptions& o, QString& message) {
  QCommandLineParser p;
  addOptions(p);
  if (!p.parse(args)) {
    message = p.errorText();
    return ParseResult::Error;
  }
  if (p.isSet("help")) {
    message = p.helpText();
    return ParseResult::Exit;
  }
  if (!p.positionalArguments().isEmpty()) {
    message = QStringLiteral("unexpected argument: ") + p.positionalArguments().first();
    return ParseResult::Error;
  }
  o.load = p.value("load");
  o.saveOnWrite = p.value("save-on-write");
  o.sample = p.value("sample");
  o.link = p.value("link");
  o.model = p.value("model").toLatin1();
  o.firmware = p.value("firmware").toLatin1();
  o.channelTypes = p.value("channel-types").toLatin1();
  o.serve.paced = p.isSet("paced");
  o.serve.receivedLog = p.value("log-received");
  long port = 0;
  if (!takeNumber(p, "tcp", 0, 65535, port, message)) return ParseResult::Error;
  if (p.isSet("tcp")) o.tcpPort = static_cast<int>(port);
  if (p.isSet("channel-types") && o.channelTypes.size() != 16) {
    message = QStringLiteral("--channel-types: expected 16 characters");
    return ParseResult::Error;
  }
  return takeFaults(p, o.faults, message) ? ParseResult::Run : ParseResult::Error;
}

}  // namespace orbisk::sim
