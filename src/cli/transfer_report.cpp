#include "cli/transfer_report.h"

#include <QDir>

#include "core/history/history_texts.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk::cli {
namespace {

void line(CliEnv& env, const QString& text) { env.err(QStringLiteral("orbisk-cli: ") + text + u'\n'); }

void tellBackup(const TransferReport& r, CliEnv& env) {
  if (!r.backupTried) return;
  if (!r.backup.ok) line(env, history::kBackupFailed + r.backup.problem);
  else if (r.outcome == TransferOutcome::Damaged || r.outcome == TransferOutcome::Mismatch)
    line(env, transfer::kSuspectKept.arg(QDir::toNativeSeparators(r.backup.path)));
  else if (r.outcome == TransferOutcome::NotSaved)
    line(env, history::kBackupKept + QDir::toNativeSeparators(r.backup.path));
}

}  // namespace

int tellTransfer(const TransferReport& r, CliEnv& env) {
  for (const QString& p : r.problems) line(env, p);
  if (r.outcome == TransferOutcome::Mismatch && r.resultCode != 0)
    line(env, QStringLiteral("result code %1").arg(r.resultCode));
  if (!r.saveProblem.isEmpty()) line(env, r.saveProblem);
  tellBackup(r, env);
  switch (r.outcome) {
    case TransferOutcome::Damaged:
    case TransferOutcome::Mismatch: return status::kSuspect;
    case TransferOutcome::NotSaved: return status::kUsage;
    default: return status::kOk;
  }
}

}  // namespace orbisk::cli
