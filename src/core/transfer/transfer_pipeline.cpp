#include "core/transfer/transfer_pipeline.h"

#include <cstring>
#include <memory>

#include "core/files/safe_save.h"
#include "core/history/backup_port.h"
#include "core/link/transfer_progress.h"
#include "core/transfer/config_compare.h"
#include "core/transfer/read_check.h"
#include "core/transfer/save_room.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk {
namespace {

constexpr int kProblemLines = 20;

}  // namespace

ReadSaver saveReplacingAt(const QString& path) {
  return [path](const ConfigImage& img) {
    auto copy = std::make_unique<ConfigImage>(img);  // saving stamps the signature into its image
    if (saveReplacing(path, *copy)) return QString();
    const QString why = saveRoomProblem(path);
    return why.isEmpty() ? transfer::TransferTexts::notSaved().arg(path) : why;
  };
}

TransferPipeline::TransferPipeline(Receiver& receiver, std::function<bool()> stopRequested, QString folder)
    : receiver_(receiver), stopRequested_(std::move(stopRequested)), folder_(std::move(folder)) {}

TransferReport TransferPipeline::failed() const {
  TransferReport r;
  r.outcome = stopped() ? TransferOutcome::Stopped : TransferOutcome::ReceiverFailed;
  r.link = receiver_.outcome();
  return r;
}

void TransferPipeline::keep(const ConfigImage& img, BackupKind kind, TransferReport& r) const {
  r.backupTried = true;
  // A register receiver's backups go to its own folder; which port it was is noted beside them.
  r.backup = keepBackup(img, kind, receiverBackupFolder(receiver_.session().chosenReceiver(), folder_));
  if (r.backup.ok) notePort(r.backup.path, receiver_.session().portName);
}

// One read and its checks; false when the conversation failed (r then says how).
bool TransferPipeline::readChecked(ConfigImage& img, ChannelTypes& types, TransferReport& r) {
  if (!receiver_.readInto(img, types) || stopped()) {
    r = failed();
    return false;
  }
  r.problems = checkRead(img, receiver_.lastRead());
  return true;
}

namespace {

QString outcomeWord(TransferOutcome o) {
  switch (o) {
    case TransferOutcome::Done: return QStringLiteral("ok");
    case TransferOutcome::ReceiverFailed: return QStringLiteral("failed");
    case TransferOutcome::Stopped: return QStringLiteral("stopped");
    case TransferOutcome::Damaged: return QStringLiteral("damaged");
    case TransferOutcome::Mismatch: return QStringLiteral("mismatch");
    case TransferOutcome::NotSaved: return QStringLiteral("not-saved");
  }
  return {};
}

// The trail's line for a report: what failed in a few words, the backup kept.
AuditEvent auditEventOf(AuditAction action, const TransferReport& r) {
  AuditEvent e{action, r.outcome == TransferOutcome::Done, outcomeWord(r.outcome), {}, r.backup.path};
  QStringList detail;
  if (r.link != LinkOutcome::Ok) detail << resultCodeText(r.link);
  detail << r.problems.mid(0, 3);
  if (!r.saveProblem.isEmpty()) detail << r.saveProblem;
  e.detail = detail.join(QStringLiteral("; "));
  return e;
}

}  // namespace

TransferReport TransferPipeline::read(ConfigImage& image, ChannelTypes& types, const ReadPlan& plan) {
  const TransferReport r = readOnce(image, types, plan);
  receiver_.audit(auditEventOf(AuditAction::Read, r));
  return r;
}

TransferReport TransferPipeline::readOnce(ConfigImage& image, ChannelTypes& types, const ReadPlan& plan) {
  TransferReport r;
  auto first = std::make_unique<ConfigImage>();
  ChannelTypes firstTypes{};
  if (!readChecked(*first, firstTypes, r)) return r;
  if (r.problems.isEmpty() && plan.twice) {
    auto second = std::make_unique<ConfigImage>();
    ChannelTypes secondTypes{};
    if (!readChecked(*second, secondTypes, r)) return r;
    r.problems += readDifferences(*first, firstTypes, *second, secondTypes);
    if (!r.problems.isEmpty()) r.problems.prepend(transfer::TransferTexts::readsDiffer());
  } else if (!r.problems.isEmpty()) {
    r.problems.prepend(transfer::TransferTexts::readDamaged());
  }
  r.problems = shortened(r.problems, kProblemLines);
  if (!r.problems.isEmpty()) {
    r.outcome = TransferOutcome::Damaged;
    if (plan.keepBackup) keep(*first, BackupKind::Suspect, r);
    return r;
  }
  std::memcpy(first->data(), image.data(), off::kExpanderCount);  // bytes 0..6 are not read
  image = *first;
  types = firstTypes;
  r.outcome = TransferOutcome::Done;
  // As the receiver sent it: repairs belong to where a value is shown.
  if (plan.save) r.saveProblem = plan.save(image);
  if (!r.saveProblem.isEmpty()) r.outcome = TransferOutcome::NotSaved;
  if (plan.keepBackup) keep(image, BackupKind::Read, r);
  return r;
}

TransferReport TransferPipeline::write(const WritePlan& plan) {
  const TransferReport r = writeOnce(plan);
  const bool written = !(r.outcome == TransferOutcome::ReceiverFailed || (r.outcome == TransferOutcome::Stopped && !verifyStarted_));
  TransferReport w = r;
  if (written) {
    w.outcome = TransferOutcome::Done;
    w.problems.clear();
    w.link = LinkOutcome::Ok;
  }
  if (written && plan.verify) w.backup.path = r.outcome == TransferOutcome::Done ? r.backup.path : QString();
  receiver_.audit(auditEventOf(AuditAction::Write, w));
  if (written && plan.verify) receiver_.audit(auditEventOf(AuditAction::Verify, r));
  return r;
}

TransferReport TransferPipeline::writeOnce(const WritePlan& plan) {
  verifyStarted_ = false;
  const ConfigImage& image = receiver_.document().image;
  receiver_.setProgressSpan(0, plan.verify ? readStreamBytes(image) : 0);
  const bool written = receiver_.wrdump2();
  receiver_.setProgressSpan(0, 0);
  if (!written || stopped()) {
    TransferReport r = failed();
    r.partial = !stopped() && receiver_.answered();
    return r;
  }
  TransferReport r;
  r.outcome = TransferOutcome::Done;
  auto sent = std::make_unique<ConfigImage>(image);  // with the clock stamp the write sent
  if (plan.verify) verify(*sent, plan.keepBackup, r);
  if (!plan.keepBackup || r.outcome == TransferOutcome::Stopped) return r;
  if (r.outcome == TransferOutcome::Done) keep(*sent, BackupKind::Write, r);
  return r;
}

void TransferPipeline::verify(const ConfigImage& sent, bool keepBackups, TransferReport& r) {
  verifyStarted_ = true;
  auto held = std::make_unique<ConfigImage>();
  ChannelTypes types{};
  receiver_.setProgressSpan(writeStreamBytes(sent), 0);
  receiver_.setReadEstimate(sent);
  const bool read = receiver_.readInto(*held, types);
  receiver_.setProgressSpan(0, 0);
  if (stopped()) {
    r.outcome = TransferOutcome::Stopped;
    return;
  }
  if (!read) {
    r.outcome = TransferOutcome::Mismatch;
    r.link = receiver_.outcome();
    r.problems << transfer::TransferTexts::verifyReadFailed();
    return;
  }
  const QStringList differences = sentDifferences(sent, *held);
  if (differences.isEmpty()) return;
  r.outcome = TransferOutcome::Mismatch;
  r.problems = shortened(QStringList{transfer::TransferTexts::verifyMismatch()} + differences, kProblemLines);
  if (keepBackups) keep(*held, BackupKind::Suspect, r);
}

}  // namespace orbisk
