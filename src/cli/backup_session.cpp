#include "cli/backup_session.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <memory>

#include "cli/transfer_report.h"
#include "cli/cli_prompter.h"
#include "core/files/file_texts.h"
#include "core/files/safe_save.h"
#include "core/link/receiver.h"
#include "core/transfer/transfer_pipeline.h"

namespace orbisk::cli {
namespace {

constexpr int kMaxSameName = 100;  // reruns within one second, or two ports with one NAME

// Progress on the board; the status text is kept for the summary, not printed.
class BoardUi : public LinkUi {
 public:
  BoardUi(ProgressBoard& board, int row) : board_(board), row_(row) {}
  void setStatusText(const QString& text) override {
    if (!text.isEmpty()) status = text;
  }
  void bytesMoved(long done, long total) override {
    bytes = done;
    board_.setProgress(row_, done, total);
  }
  QString status;
  long bytes = 0;

 private:
  ProgressBoard& board_;
  int row_;
};

// Everything one conversation owns; nothing of it is seen by another thread.
struct PortSession {
  PortSession(CliEnv& shared, PortBackup& result, ProgressBoard& board, int row)
      : env(quietEnv(shared, result)),
        prompter(env, false),
        ui(board, row),
        receiver(doc, session, prompter, ui, sessionPorts(shared, result), *shared.clock, [this] { lookForCtrlC(); }) {
    session.portName = result.port;
    session.receiverName = result.receiver;  // its backups are filed under its name
    session.receiverPort = result.port;
    // The 500 ms pauses end at Ctrl+C too, so every conversation stops at once.
    receiver.link().setPausePump([this] { lookForCtrlC(); });
  }
  // Why a network port failed goes with this port's other messages.
  static PortFactory sessionPorts(const CliEnv& shared, PortBackup& result) {
    if (!shared.portsWith) return shared.ports;
    PortHooks hooks;
    hooks.cancelled = shared.interrupted;
    hooks.failed = [&result](const QString&, const QString& cause) { result.messages << cause; };
    return shared.portsWith(hooks);
  }
  static CliEnv quietEnv(const CliEnv& shared, PortBackup& result) {
    CliEnv e;
    e.err = [&result](const QString& t) { result.messages << t.trimmed(); };
    e.out = e.err;
    e.readLine = [](QString&) { return false; };
    e.clock = shared.clock;
    e.interrupted = shared.interrupted;
    return e;
  }
  bool interrupted() const { return env.interrupted && env.interrupted(); }
  void lookForCtrlC() {
    if (interrupted()) receiver.requestAbort();
  }

  CliEnv env;
  Document doc;
  LinkSession session;
  CliPrompter prompter;
  BoardUi ui;
  Receiver receiver;
};

// DIR/NAME_YYYY-MM-DD_HH-MM-SS.rcf, or with -2, -3... when that name is already there.
QString saveResult(const QString& dir, const QString& fileBase, ConfigImage& img) {
  const QString base = QDir(dir).filePath(fileBase + u'_' +
                                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")));
  for (int n = 1; n <= kMaxSameName; ++n) {
    const QString path = base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".rcf");
    const SaveNew saved = saveNew(path, img);
    if (saved == SaveNew::Ok) return path;
    if (saved == SaveNew::Failed) return {};
  }
  return {};
}

QString endLine(const PortBackup& r) {
  if (r.interrupted) return QStringLiteral("interrupted");
  if (r.ok) return r.status + QStringLiteral("  ") + r.file;
  if (r.suspect) return suspectText();
  if (r.link != LinkOutcome::Ok) return r.status.trimmed() + QStringLiteral(", ") + resultCodeText(r.link);
  return r.messages.isEmpty() ? r.status : r.messages.last();
}

}  // namespace

QString suspectText() { return QStringLiteral("looks damaged, kept only as a suspect backup"); }

QString portFileName(const QString& port) {
  QString name = port;
  name.replace(QStringLiteral("://"), QStringLiteral("_"));  // tcp://host:7001 as tcp_host_7001
  if (name.startsWith(QLatin1String("/dev/"))) name = name.mid(5);
  if (name.startsWith(QLatin1String("\\\\.\\"))) name = name.mid(4);
  static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
  name.replace(unsafe, QStringLiteral("_"));
  while (name.startsWith(u'.')) name.remove(0, 1);  // no hidden file
  return name.isEmpty() ? QStringLiteral("port") : name;
}

PortBackup backupPort(const Target& target, const BackupPlan& plan, CliEnv& env, ProgressBoard& board, int row) {
  PortBackup r;
  r.receiver = target.name;
  r.port = target.port;
  r.started = true;
  QElapsedTimer timer;
  timer.start();
  auto s = std::make_unique<PortSession>(env, r, board, row);
  // The trail names the file saved in the folder rather than the automatic backup.
  const AuditHook trail = trailHook(target, plan.comment, true, [&r](const QString& w) { r.messages << w; });
  if (trail)
    s->receiver.setAuditHook([trail, &r](AuditEvent e) {
      if (!r.file.isEmpty()) e.file = QFileInfo(r.file).absoluteFilePath();  // found again from anywhere
      trail(e);
    });
  TransferPipeline pipeline(s->receiver, [&s] { return s->interrupted(); });
  const auto save = [&](const ConfigImage& img) {
    auto copy = std::make_unique<ConfigImage>(img);
    r.file = saveResult(plan.dir, target.fileBase, *copy);
    return r.file.isEmpty()
               ? QDir(plan.dir).filePath(target.fileBase) + QStringLiteral(": ") + text::FileTexts::saveFailed()
               : QString();
  };
  const TransferReport t = pipeline.read(s->doc.image, s->doc.channelTypes, {plan.twice, save, true});
  if (t.outcome == TransferOutcome::Done)
    if (const QString w = numberWarning(target, s->doc.image[off::kReceiverNumber]); !w.isEmpty()) r.messages << w;
  r.interrupted = s->interrupted();
  r.status = s->ui.status;
  r.link = s->receiver.outcome();
  r.bytes = s->ui.bytes;
  r.suspect = t.outcome == TransferOutcome::Damaged;
  if (t.outcome != TransferOutcome::ReceiverFailed && t.outcome != TransferOutcome::Stopped) tellTransfer(t, s->env, QString());
  r.ok = t.outcome == TransferOutcome::Done && !r.interrupted;
  r.seconds = static_cast<double>(timer.elapsed()) / 1000.0;
  board.finish(row, endLine(r));
  return r;
}

}  // namespace orbisk::cli
