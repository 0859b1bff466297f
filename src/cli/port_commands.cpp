// The commands that talk to the receiver: each runs one conversation of the shared link.
#include <algorithm>
#include <memory>

#include <QCoreApplication>

#include "core/state/document.h"
#include "core/state/link_session.h"
#include "cli/cli_prompter.h"
#include "cli/commands.h"
#include "cli/register_access.h"
#include "core/files/safe_save.h"
#include "cli/terminal_ui.h"
#include "core/files/file_texts.h"
#include "core/history/backup_store.h"
#include "core/history/history_texts.h"
#include "core/link/clock_text.h"
#include "core/image/repair_notes.h"
#include "core/image/view_texts.h"
#include "core/link/receiver.h"
#include "core/transfer/save_room.h"
#include "core/transfer/transfer_pipeline.h"
#include "core/transfer/transfer_texts.h"
#include "cli/transfer_report.h"

namespace orbisk::cli {
namespace {

bool interrupted(const CliEnv& env) { return env.interrupted && env.interrupted(); }

// One conversation: its document and link session, with the command line in place of the windows.
struct Session {
  Session(CliEnv& env, const CliArgs& args, const Target& target, bool assumeYes)
      : env_(env),
        target(target),
        prompter(env, assumeYes),
        ui(env),
        // Ctrl+C only sets a flag; the link's byte waits look at it here and end the conversation.
        receiver(doc, session, prompter, ui, env.ports, *env.clock, [this, &env] {
          if (interrupted(env)) receiver.requestAbort();
        }) {
    session.portName = args.port;
    session.receiverName = target.name;  // its backups are filed under its name
    session.receiverPort = target.port;
    receiver.link().setTraceFile(args.trace);
    receiver.setAuditHook(trailHook(target, args.comment, false,
                                    [&env](const QString& w) { env.err(QStringLiteral("orbisk-cli: ") + w + u'\n'); }));
    if (env.abortTarget) env.abortTarget(&receiver);
  }
  ~Session() {
    if (env_.abortTarget) env_.abortTarget(nullptr);
  }
  CliEnv& env_;
  Target target;
  Document doc;
  LinkSession session;
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
  if (s.receiver.outcome() != LinkOutcome::Ok) {
    env.err(QStringLiteral("orbisk-cli: ") + resultCodeText(s.receiver.outcome()) + u'\n');
  } else if (!s.prompter.messageShown()) {
    // Outside a read, a port whose line settings are refused fails without a word on the desktop.
    env.err(QStringLiteral("orbisk-cli: the port refused its line settings\n"));
  }  // else "Порт занят" has been shown, and the port failure sets no result code to add
  return status::kReceiverFailed;
}

// The main window repairs out-of-range bytes in the image whenever it shows it, so after Open
// the desktop sends the repaired bytes; a write does the same. Reads are saved as they came.
void repairAsShown(ConfigImage& img) {
  img.repairSettings();
  img.repairExpanders();
}

// The read goes on without room for its backup, but the operator hears it first. A folder
// that cannot be made is told once the backup is tried.
void warnIfNoRoomForBackup(CliEnv& env) {
  const QString folder = backupFolder();
  if (saveRoom(folder, true) == SaveRoom::NoSpace)
    env.err(QStringLiteral("orbisk-cli: ") + history::HistoryTexts::backupFailed() +
            saveRoomText(SaveRoom::NoSpace, folder) + u'\n');
}

QString clockOffsetText(const Session& s, CliEnv& env) {
  ClockBytes bytes{};
  std::copy_n(s.receiver.link().received(), bytes.size(), bytes.begin());
  const QDateTime receiver = unpackClock(bytes);
  if (!receiver.isValid()) return {};
  const qint64 seconds = env.clock->pcNow().secsTo(receiver);
  return QCoreApplication::translate("orbisk::cli", "Разница (приемник - компьютер): %1%2 с\n")
      .arg(seconds > 0 ? "+" : "")
      .arg(seconds);
}

// The session for args' port or receiver; null when the receiver is not to be had (told).
std::unique_ptr<Session> openSession(const CliArgs& given, CliEnv& env, bool assumeYes) {
  CliArgs args = given;
  Target target;
  if (!resolveReceiver(args, env, target)) return nullptr;
  return std::make_unique<Session>(env, args, target, assumeYes);
}

}  // namespace

int runRead(const CliArgs& args, CliEnv& env) {
  // A full read takes a quarter of an hour: find out now if its result could not be kept.
  if (!canSaveAt(args.out)) {
    env.err(args.out + QStringLiteral(": ") + text::FileTexts::saveFailed() + u'\n');
    return status::kUsage;
  }
  if (const QString room = saveRoomProblem(args.out); !room.isEmpty()) {
    env.err(QStringLiteral("orbisk-cli: ") + room + u'\n');
    return status::kUsage;
  }
  auto s = openSession(args, env, false);
  if (!s) return status::kUsage;
  if (!args.noBackup) warnIfNoRoomForBackup(env);
  TransferPipeline pipeline(s->receiver, [&env] { return interrupted(env); });
  const TransferReport r =
      pipeline.read(s->doc.image, s->doc.channelTypes, {args.verify, saveReplacingAt(args.out), !args.noBackup});
  if (r.outcome == TransferOutcome::ReceiverFailed || r.outcome == TransferOutcome::Stopped) return finish(*s, env, false);
  if (const QString w = numberWarning(s->target, s->doc.image[off::kReceiverNumber]); !w.isEmpty() && r.outcome != TransferOutcome::Damaged)
    env.err(QStringLiteral("orbisk-cli: ") + w + u'\n');
  return tellTransfer(r, env);
}

int runWrite(const CliArgs& args, CliEnv& env) {
  auto s = openSession(args, env, args.yes);
  if (!s) return status::kUsage;
  ConfigImage& img = s->doc.image;
  if (!loadConfig(args.file, img, env)) return status::kUsage;
  const QStringList repairs = repairNotes(img);
  repairAsShown(img);
  s->doc.expanderCount = img[off::kExpanderCount];
  if (!s->receiver.emptyWriteConfirmed()) {
    if (interrupted(env)) return finish(*s, env, false);
    env.err(s->prompter.declinedForNoTerminal()
                ? QStringLiteral("orbisk-cli: not written; with no terminal to answer on, add --yes to write it\n")
                : QStringLiteral("orbisk-cli: not written\n"));
    return status::kUsage;
  }
  // The desktop sends what it shows; say so when that differs from the file.
  if (!repairs.isEmpty())
    env.err(args.file + QStringLiteral(": ") + view::ViewTexts::repairedWhenSent() + QStringLiteral("\n  ") +
            repairs.join(QStringLiteral("\n  ")) + u'\n');
  TransferPipeline pipeline(s->receiver, [&env] { return interrupted(env); });
  const TransferReport r = pipeline.write({!args.noVerify, !args.noBackup});
  if (r.outcome == TransferOutcome::ReceiverFailed || r.outcome == TransferOutcome::Stopped) {
    const int code = finish(*s, env, false);
    if (r.partial && code == status::kReceiverFailed)
      env.err(QStringLiteral("orbisk-cli: ") + transfer::TransferTexts::partialWrite() + u'\n');
    return code;
  }
  if (r.outcome == TransferOutcome::Done && !args.noVerify) env.err(transfer::TransferTexts::verified() + u'\n');
  return tellTransfer(r, env);
}

int runClock(const CliArgs& args, CliEnv& env) {
  auto s = openSession(args, env, false);
  if (!s) return status::kUsage;
  const bool ok = args.sync ? s->receiver.wrdump1() : s->receiver.rddump1();
  if (ok && !interrupted(env)) {
    QString shown = s->ui.receiverTime + u'\n' + s->ui.computerTime + u'\n';
    if (!args.sync) shown += clockOffsetText(*s, env);
    env.out(shown);
  }
  return finish(*s, env, ok);
}

int runClearEvents(const CliArgs& args, CliEnv& env) {
  auto s = openSession(args, env, false);
  if (!s) return status::kUsage;
  return finish(*s, env, s->receiver.clearEventBuffer());
}

}  // namespace orbisk::cli
