// orbisk-cli backup: many receivers read side by side, each on its own thread and its own port.
#include <QDir>
#include <QSet>
#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

#include "cli/backup_session.h"
#include "cli/backup_summary.h"
#include "cli/commands.h"
#include "cli/progress_board.h"
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
  QSet<QString> names;
  for (const QString& p : args.ports) {
    if (p.isEmpty()) return QStringLiteral("--port needs a port name");
    // Two conversations on one line would garble each other.
    if (names.contains(p)) return QStringLiteral("port %1 given more than once").arg(p);
    names.insert(p);
  }
  jobs = static_cast<int>(args.ports.size());
  if (args.jobs.isEmpty()) return {};
  bool number = false;
  const int n = args.jobs.toInt(&number);
  if (!number || n < 1) return QStringLiteral("--jobs needs a number of 1 or more, not '%1'").arg(args.jobs);
  jobs = std::min(jobs, n);
  return {};
}

// Each worker takes the next port not yet started until none is left or Ctrl+C was pressed.
void runWorkers(const CliArgs& args, CliEnv& env, ProgressBoard& board, int jobs, std::vector<PortBackup>& results) {
  std::atomic<int> next{0};
  const int count = static_cast<int>(args.ports.size());
  std::vector<std::unique_ptr<QThread>> threads;
  for (int j = 0; j < jobs; ++j) {
    // A QThread rather than a bare one: the serial port, made on it, needs its event dispatcher.
    threads.emplace_back(QThread::create([&] {
      for (int i = next++; i < count; i = next++) {
        if (env.interrupted && env.interrupted()) return;
        results[static_cast<size_t>(i)] = backupPort(args.ports.at(i), args.dir, args.verify, env, board, i);
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
  // Hours of reading must not end in results that cannot be kept: find out first.
  if (!QDir().mkpath(args.dir) || !canSaveAt(QDir(args.dir).filePath(QStringLiteral("probe.rcf")))) {
    env.err(args.dir + QStringLiteral(": ") + text::kSaveFailed + u'\n');
    return status::kUsage;
  }
  std::vector<PortBackup> results(static_cast<size_t>(args.ports.size()));
  for (size_t i = 0; i < results.size(); ++i) results[i].port = args.ports.at(static_cast<qsizetype>(i));
  {
    ProgressBoard board(env.err, env.errorIsTerminal, args.ports, *env.clock);
    runWorkers(args, env, board, jobs, results);
  }
  const bool interrupted = env.interrupted && env.interrupted();
  for (PortBackup& r : results)
    if (!r.started && interrupted) r.interrupted = true;
  for (const PortBackup& r : results)
    for (const QString& m : r.messages) env.err(r.port + QStringLiteral(": ") + m + u'\n');
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
