// orbisk-cli backup: many receivers read side by side, each on its own thread and its own port:
// the ports and receivers named, or every receiver in the register.
#include <QDir>
#include <QSet>
#include <QThread>
#include <atomic>
#include <limits>
#include <memory>
#include <vector>

#include "cli/backup_session.h"
#include "cli/backup_summary.h"
#include "cli/commands.h"
#include "cli/progress_board.h"
#include "cli/register_access.h"
#include "core/files/file_texts.h"
#include "core/files/safe_save.h"

namespace orbisk::cli {
namespace {

int usage(CliEnv& env, const QString& problem) {
  env.err(QStringLiteral("orbisk-cli: ") + problem + QStringLiteral("\nTry 'orbisk-cli --help'.\n"));
  return status::kUsage;
}

// What is wrong with the command line beyond what the parser sees, or empty.
QString checkArgs(const CliArgs& args, int& jobs) {
  if (args.dir.isEmpty()) return QStringLiteral("'backup' needs --dir DIR");
  for (const QString& p : args.ports)
    if (p.isEmpty()) return QStringLiteral("--port needs a port name");
  jobs = std::numeric_limits<int>::max();
  if (args.jobs.isEmpty()) return {};
  bool number = false;
  const int n = args.jobs.toInt(&number);
  if (!number || n < 1) return QStringLiteral("--jobs needs a number of 1 or more, not '%1'").arg(args.jobs);
  jobs = std::min(jobs, n);
  return {};
}

// Two conversations on one line would garble each other.
QString checkTargets(const std::vector<Target>& targets) {
  QSet<QString> ports;
  for (const Target& t : targets) {
    if (ports.contains(t.port))
      return t.name.isEmpty() ? QStringLiteral("port %1 given more than once").arg(t.port)
                              : QStringLiteral("port %1 of receiver %2 is read for another receiver too").arg(t.port, t.name);
    ports.insert(t.port);
  }
  return {};
}

// Each worker takes the next port not yet started until none is left or Ctrl+C was pressed.
void runWorkers(const CliArgs& args, const std::vector<Target>& targets, CliEnv& env, ProgressBoard& board, int jobs,
                std::vector<PortBackup>& results) {
  std::atomic<int> next{0};
  const int count = static_cast<int>(targets.size());
  std::vector<std::unique_ptr<QThread>> threads;
  for (int j = 0; j < jobs; ++j) {
    // A QThread rather than a bare one: the serial port, made on it, needs its event dispatcher.
    threads.emplace_back(QThread::create([&] {
      for (int i = next++; i < count; i = next++) {
        if (env.interrupted && env.interrupted()) return;
        const auto at = static_cast<size_t>(i);
        results[at] = backupPort(targets[at], {args.dir, args.comment, args.verify}, env, board, i);
      }
    }));
    threads.back()->start();
  }
  for (auto& t : threads) t->wait();
}

}  // namespace

int runBackup(const CliArgs& args, CliEnv& env) {
  int jobs = 0;
  if (const QString problem = checkArgs(args, jobs); !problem.isEmpty()) return usage(env, problem);
  std::vector<Target> targets;
  if (!backupTargets(args, env, targets)) return status::kUsage;
  if (const QString problem = checkTargets(targets); !problem.isEmpty()) return usage(env, problem);
  jobs = std::min(jobs, static_cast<int>(targets.size()));
  // Hours of reading must not end in results that cannot be kept: find out first.
  if (!QDir().mkpath(args.dir) || !canSaveAt(QDir(args.dir).filePath(QStringLiteral("probe.rcf")))) {
    env.err(args.dir + QStringLiteral(": ") + text::FileTexts::saveFailed() + u'\n');
    return status::kUsage;
  }
  std::vector<PortBackup> results(targets.size());
  QStringList rows;
  for (size_t i = 0; i < results.size(); ++i) {
    results[i].receiver = targets[i].name;
    results[i].port = targets[i].port;
    rows << (targets[i].name.isEmpty() ? targets[i].port : targets[i].name);
  }
  {
    ProgressBoard board(env.err, env.errorIsTerminal, rows, *env.clock);
    runWorkers(args, targets, env, board, jobs, results);
  }
  const bool interrupted = env.interrupted && env.interrupted();
  for (PortBackup& r : results)
    if (!r.started && interrupted) r.interrupted = true;
  for (const PortBackup& r : results)
    for (const QString& m : r.messages) env.err((r.receiver.isEmpty() ? r.port : r.receiver) + QStringLiteral(": ") + m + u'\n');
  env.out(args.json ? summaryJson(results) : summaryTable(results));
  if (interrupted) {
    env.err(QStringLiteral("orbisk-cli: interrupted\n"));
    return status::kInterrupted;
  }
  for (const PortBackup& r : results)
    if (!r.ok && !r.suspect) return status::kReceiverFailed;
  for (const PortBackup& r : results)
    if (r.suspect) return status::kSuspect;
  return status::kOk;
}

}  // namespace orbisk::cli
