// The commands that talk to the receiver: each runs one conversation of the shared link.
#include <algorithm>
#include <memory>

#include "core/state/main_state.h"
#include "cli/cli_backup.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "core/files/safe_save.h"
#include "cli/terminal_ui.h"
#include "core/files/file_texts.h"
#include "core/link/clock_text.h"
#include "core/link/receiver.h"

namespace orbisk::cli {
namespace {

bool interrupted(const CliEnv& env) { return env.interrupted && env.interrupted(); }

// One conversation's worth of the desktop's state, with the command line in place of its windows.
struct Session {
  Session(CliEnv& env, const CliArgs& args, bool assumeYes)
      : env_(env),
        prompter(env, assumeYes),
        ui(env),
        // Ctrl+C only sets a flag; the link's byte waits look at it here and end the conversation.
        receiver(state, prompter, ui, env.ports, *env.clock, [this, &env] {
          if (interrupted(env)) receiver.requestAbort();
        }) {
    state.portName = args.port;
    receiver.link().setTraceFile(args.trace);
    if (env.abortTarget) env.abortTarget(&receiver);
  }
  ~Session() {
    if (env_.abortTarget) env_.abortTarget(nullptr);
  }
  CliEnv& env_;
  MainState state;
  CliPrompter prompter;
  TerminalUi ui;
  Receiver receiver;
};

int finish(const Session& s, CliEnv& env, bool ok) {
  if (const SerialTrace* t = s.receiver.link().trace(); t && !t->healthy())
    env.err(QStringLiteral("orbisk-cli: cannot write the trace to %1\n").arg(t->path()));
  if (interrupted(env)) {
    env.err(QStringLiteral("orbisk-cli: interrupted\n"));
    return status::kInterrupted;
  }
  if (ok) return status::kOk;
  if (s.state.resultCode != 0) {
    env.err(QStringLiteral("orbisk-cli: result code %1\n").arg(s.state.resultCode));
  } else if (!s.prompter.messageShown()) {
    // Outside a read, a port whose line settings are refused fails without a word on the desktop.
    env.err(QStringLiteral("orbisk-cli: the port refused its line settings\n"));
  }  // else "Порт занят" has been shown, and the port failure sets no result code to add
  return status::kReceiverFailed;
}

// The main window repairs out-of-range bytes in the image whenever it shows it, so after Open
// or a read the desktop sends and saves the repaired bytes; do the same.
void repairAsShown(ConfigImage& img) {
  img.repairSettings();
  img.repairExpanders();
}

QString clockOffsetText(const Session& s, CliEnv& env) {
  ClockBytes bytes{};
  std::copy_n(s.state.receive->data(), bytes.size(), bytes.begin());
  const QDateTime receiver = unpackClock(bytes);
  if (!receiver.isValid()) return {};
  const qint64 seconds = env.clock->pcNow().secsTo(receiver);
  return QStringLiteral("Разница (приемник - компьютер): %1%2 с\n").arg(seconds > 0 ? "+" : "").arg(seconds);
}

}  // namespace

int runRead(const CliArgs& args, CliEnv& env) {
  // A full read takes a quarter of an hour: find out now if its result could not be kept.
  if (!canSaveAt(args.out)) {
    env.err(args.out + QStringLiteral(": ") + text::kSaveFailed + u'\n');
    return status::kUsage;
  }
  auto s = std::make_unique<Session>(env, args, false);
  const bool ok = s->receiver.rddump2();
  if (!ok || interrupted(env)) return finish(*s, env, ok);
  repairAsShown(s->state.image);
  if (!saveReplacing(args.out, s->state.image)) {
    env.err(args.out + QStringLiteral(": ") + text::kSaveFailed + u'\n');
    return status::kUsage;
  }
  if (!args.noBackup) keepTransferBackup(s->state.image, BackupKind::Read, env);
  return status::kOk;
}

int runWrite(const CliArgs& args, CliEnv& env) {
  auto s = std::make_unique<Session>(env, args, args.yes);
  ConfigImage& img = s->state.image;
  if (!loadConfig(args.file, img, env)) return status::kUsage;
  repairAsShown(img);
  s->state.expanderCount = img[off::kExpanderCount];
  const bool ok = s->receiver.guardedWrite();
  // What was sent, clock stamp included, once the receiver has taken all of it.
  if (ok && !interrupted(env) && !args.noBackup) keepTransferBackup(img, BackupKind::Write, env);
  if (!ok && !interrupted(env) && s->prompter.declined()) {
    env.err(s->prompter.declinedForNoTerminal()
                ? QStringLiteral("orbisk-cli: not written; with no terminal to answer on, add --yes to write it\n")
                : QStringLiteral("orbisk-cli: not written\n"));
    return status::kUsage;
  }
  return finish(*s, env, ok);
}

int runClock(const CliArgs& args, CliEnv& env) {
  auto s = std::make_unique<Session>(env, args, false);
  const bool ok = args.sync ? s->receiver.wrdump1() : s->receiver.rddump1();
  if (ok && !interrupted(env)) {
    QString shown = s->ui.receiverTime + u'\n' + s->ui.computerTime + u'\n';
    if (!args.sync) shown += clockOffsetText(*s, env);
    env.out(shown);
  }
  return finish(*s, env, ok);
}

int runClearEvents(const CliArgs& args, CliEnv& env) {
  auto s = std::make_unique<Session>(env, args, false);
  return finish(*s, env, s->receiver.clearEventBuffer());
}

}  // namespace orbisk::cli
