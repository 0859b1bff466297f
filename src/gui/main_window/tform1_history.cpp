// Automatic backups after transfers, the history window and the comparison of configurations.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <memory>

#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"
#include "core/history/backup_store.h"
#include "core/history/config_diff.h"
#include "core/history/history_texts.h"
#include "core/link/receiver.h"
#include "gui/dialogs/comparison_dialog.h"
#include "gui/dialogs/history_dialog.h"
#include "gui/dialogs/history_dialog_texts.h"
#include "core/transfer/transfer_pipeline.h"
#include "gui/main_window/tform1.h"

namespace orbisk {
namespace {

QAction* menuItem(QObject* owner, QMenu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  a->setParent(owner);
  return a;
}

}  // namespace

void TForm1::buildHistoryFileItems(QMenu* file) {
  file->addSeparator();
  connect(menuItem(this, file, "NHistory", historyui::kHistoryItem), &QAction::triggered, this, [this] { showHistory(st_.chosenReceiver()); });
  connect(menuItem(this, file, "NCompareFile", historyui::kCompareFileItem), &QAction::triggered, this,
          [this] { compareWithFile(); });
}

void TForm1::buildCompareReceiverItem(QMenu* receiverMenu) {
  connect(menuItem(this, receiverMenu, "NCompareReceiver", historyui::kCompareReceiverItem), &QAction::triggered, this,
          [this] { compareWithReceiver(); });
}

void TForm1::showHistory(const QString& receiver) {
  if (!History) {
    History = new HistoryDialog(this);
    connect(History, &HistoryDialog::openRequested, this, &TForm1::openBackup);
    connect(History, &HistoryDialog::compareRequested, this, &TForm1::compareWithBackup);
  }
  History->reload(backupFolder(), receiverNamesByFolder(), receiver);
  History->show();
  History->raise();
}

void TForm1::openBackup(const QString& path) {
  // An untitled copy: an edit and Save must never rewrite the backup itself.
  files_.openCopy(path);
}

void TForm1::compareWithBackup(const QString& path) {
  auto img = std::make_unique<ConfigImage>();
  switch (readImageFile(path, *img, ReadAccess::ReadOnly)) {
    case ReadResult::Ok: showComparison(*img, path); return;
    case ReadResult::CannotOpen: prompter_->message(text::kCannotOpenFile); return;
    case ReadResult::NotConfig: prompter_->message(text::kNotConfigFile); return;
  }
}

void TForm1::compareWithFile() {
  const QString path = prompter_->openFile(st_.defaultDirectory);
  if (!path.isEmpty()) compareWithBackup(path);
}

void TForm1::compareWithReceiver() {
  // The receiver's configuration goes into an image of its own: the screen stays as it is.
  auto img = std::make_unique<ConfigImage>();
  ChannelTypes types{};
  TransferReport r;
  converse([&] {
    r = TransferPipeline(*receiver_).read(*img, types, {prefs_.readChecks().readTwice, {}, true});
    return r.outcome == TransferOutcome::Done;
  });
  tellTransfer(r);
  // A damaged read compared with the screen would show differences that are not there.
  if (r.outcome == TransferOutcome::Damaged) prompter_->message(r.problems.join(u'\n'));
  if (r.outcome == TransferOutcome::Done) showComparison(*img, historyui::kReceiverSide);
}

void TForm1::showComparison(const ConfigImage& other, const QString& otherName) {
  if (!Comparison) Comparison = new ComparisonDialog(this);
  Comparison->showDiff(otherName, compareImages(st_.image, other));
  Comparison->show();
  Comparison->raise();
}

}  // namespace orbisk
