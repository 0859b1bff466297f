// "Чтение" and "Запись" through the checked transfers: a read that looks damaged is not taken
// and may be read again; a write is confirmed, then read back when asked for. The read of
// "Сравнить с приемником" goes the same way, into an image of its own. Unsaved edits are never
// lost without a question.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <memory>

#include "core/files/rcf_file.h"
#include "core/history/config_diff.h"
#include "core/history/history_texts.h"
#include "core/link/receiver.h"
#include "core/transfer/config_compare.h"
#include "core/transfer/transfer_pipeline.h"
#include "core/transfer/transfer_texts.h"
#include "gui/main_window/menu_item.h"
#include "gui/main_window/transfer_question_texts.h"
#include "gui/main_window/transfers_controller.h"

namespace orbisk {
namespace {

constexpr int kSummaryLines = 12;

}  // namespace

void TransfersController::tellTransfer(const TransferReport& r) {
  if (!r.backupTried) return;
  status_.bar->setToolTip(r.backup.ok ? history::HistoryTexts::backupKept() + QDir::toNativeSeparators(r.backup.path)
                                      : history::HistoryTexts::backupFailed() + r.backup.problem);
  if (r.backup.ok && (r.outcome == TransferOutcome::Done)) prefs_.setLastBackupOf(st_.portName, r.backup.path);
}

bool TransfersController::checkedRead(bool fromButton) {
  if (st_.busy) return false;
  if (fromButton && st_.modified && !hooks_.promptUnsaved()) return false;
  receiver_->setReadEstimate(*likelyReceiverContents());
  for (;;) {
    TransferPipeline pipeline(*receiver_);
    const TransferReport r = pipeline.read(st_.image, st_.channelTypes, {prefs_.readChecks().readTwice, {}, true});
    tellTransfer(r);
    if (r.outcome == TransferOutcome::Done) {
      st_.modelText = modelTextFor(st_.channelTypes, st_.image);
      st_.repairedOnDisplay.clear();  // another configuration: only its own repairs count
      hooks_.clearUndo();
      hooks_.refresh();
      return true;
    }
    if (r.outcome != TransferOutcome::Damaged) return false;
    hooks_.setStatusText(1, r.problems.first());
    QString shown = r.problems.join(u'\n');
    if (r.backup.ok)
      shown += u'\n' + transfer::TransferTexts::suspectKept().arg(QDir::toNativeSeparators(r.backup.path));
    if (prompter_.ask(shown + QStringLiteral("\n\n") + ui::TransferQuestionTexts::readAgainQuestion(), false) !=
        Answer::Yes)
      return false;
  }
}

bool TransfersController::readForComparison(ConfigImage& image) {
  ChannelTypes types{};
  TransferReport r;
  converse([&] {
    r = TransferPipeline(*receiver_).read(image, types, {prefs_.readChecks().readTwice, {}, true});
    return r.outcome == TransferOutcome::Done;
  });
  tellTransfer(r);
  // A damaged read compared with the screen would show differences that are not there.
  if (r.outcome == TransferOutcome::Damaged) prompter_.message(r.problems.join(u'\n'));
  return r.outcome == TransferOutcome::Done;
}

// What a read of the port will likely bring: its last backup, else the configuration on screen.
std::unique_ptr<ConfigImage> TransfersController::likelyReceiverContents() const {
  auto last = std::make_unique<ConfigImage>();
  const QString path = prefs_.lastBackupOf(st_.portName);
  if (!path.isEmpty() && readImageFile(path, *last) == ReadResult::Ok) return last;
  *last = st_.image;
  return last;
}

// What the write changes against the last backup kept on this port, a few lines of it.
QString TransfersController::changesSinceLastBackup() const {
  const QString path = prefs_.lastBackupOf(st_.portName);
  auto last = std::make_unique<ConfigImage>();
  if (path.isEmpty() || readImageFile(path, *last) != ReadResult::Ok) return {};
  const QStringList lines = shortened(diffText(compareImages(*last, st_.image)).split(u'\n', Qt::SkipEmptyParts), kSummaryLines);
  return QStringLiteral("\n\n") + ui::TransferQuestionTexts::changesAgainst().arg(QDir::toNativeSeparators(path)) +
         u'\n' + lines.join(u'\n');
}

bool TransfersController::confirmWrite() {
  // An untitled configuration by the name the window shows for it.
  const QString name = st_.untitled ? st_.shortFileName : QDir::toNativeSeparators(st_.filePath);
  return prompter_.ask(ui::TransferQuestionTexts::confirmWrite().arg(name, st_.portName) + changesSinceLastBackup(),
                       false) == Answer::Yes;
}

bool TransfersController::verifyWrites() {
  Preferences::Checks checks = prefs_.readChecks();
  if (checks.verifyWrites != Preferences::VerifyWrites::Ask) return checks.verifyWrites == Preferences::VerifyWrites::Always;
  bool dontAsk = false;
  const bool verify = prompter_.askRemembered(ui::TransferQuestionTexts::verifyQuestion(),
                                              ui::TransferQuestionTexts::dontAsk(), dontAsk) == Answer::Yes;
  if (dontAsk) {
    checks.verifyWrites = verify ? Preferences::VerifyWrites::Always : Preferences::VerifyWrites::Never;
    prefs_.writeChecks(checks);
  }
  return verify;
}

bool TransfersController::checkedWrite() {
  if (st_.busy) return false;
  // The question about an empty list comes first, as it always has, then the confirmation.
  if (!receiver_->emptyWriteConfirmed() || !confirmWrite()) return false;
  const bool verify = verifyWrites();
  TransferPipeline pipeline(*receiver_);
  const TransferReport r = pipeline.write({verify, true});
  tellTransfer(r);
  if (r.partial) prompter_.message(hooks_.statusText(1) + u'\n' + transfer::TransferTexts::partialWrite());
  if (r.outcome == TransferOutcome::Mismatch) {
    hooks_.setStatusText(1, r.problems.first());
    prompter_.message(r.problems.join(u'\n'));
  } else if (r.outcome == TransferOutcome::Done && verify) {
    hooks_.setStatusText(1, transfer::TransferTexts::verified());
  }
  return r.outcome == TransferOutcome::Done;
}

void TransfersController::addCheckItems(QMenu* settings) {
  QAction* twice = menuItem(this, settings, "NReadTwice", ui::TransferQuestionTexts::readTwiceItem());
  twice->setCheckable(true);
  twice->setChecked(prefs_.readChecks().readTwice);
  connect(twice, &QAction::toggled, this, [this](bool on) {
    Preferences::Checks c = prefs_.readChecks();
    c.readTwice = on;
    prefs_.writeChecks(c);
  });
  // Brings the question about verifying writes back after "не спрашивать".
  QAction* ask = menuItem(this, settings, "NAskVerify", ui::TransferQuestionTexts::askVerifyItem());
  connect(ask, &QAction::triggered, this, [this] {
    Preferences::Checks c = prefs_.readChecks();
    c.verifyWrites = Preferences::VerifyWrites::Ask;
    prefs_.writeChecks(c);
  });
}

}  // namespace orbisk
