#include "cli/transfer_report.h"

#include <QDir>

#include "core/history/history_texts.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk::cli {
namespace {

struct Teller {
  CliEnv& env;
  const QString& prefix;
  void operator()(const QString& text) const { env.err(prefix + text + u'\n'); }
};

void tellBackup(const TransferReport& r, const Teller& line) {
  if (!r.backupTried) return;
  if (!r.backup.ok)
    line(history::HistoryTexts::backupFailed() + r.backup.problem);
  else if (r.outcome == TransferOutcome::Damaged || r.outcome == TransferOutcome::Mismatch)
    line(transfer::TransferTexts::suspectKept().arg(QDir::toNativeSeparators(r.backup.path)));
  else if (r.outcome == TransferOutcome::NotSaved)
    line(history::HistoryTexts::backupKept() + QDir::toNativeSeparators(r.backup.path));
}

}  // namespace

int tellTransfer(const TransferReport& r, CliEnv& env, const QString& prefix) {
  const Teller line{env, prefix};
  for (const QString& p : r.problems) line(p);
  if (r.outcome == TransferOutcome::Mismatch && r.link != LinkOutcome::Ok) line(resultCodeText(r.link));
  if (!r.saveProblem.isEmpty()) line(r.saveProblem);
  tellBackup(r, line);
  switch (r.outcome) {
    case TransferOutcome::Damaged:
    case TransferOutcome::Mismatch: return status::kSuspect;
    case TransferOutcome::NotSaved: return status::kUsage;
    default: return status::kOk;
  }
}

}  // namespace orbisk::cli
