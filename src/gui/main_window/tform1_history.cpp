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
  connect(menuItem(this, file, "NHistory", historyui::kHistoryItem), &QAction::triggered, this, [this] { showHistory(); });
  connect(menuItem(this, file, "NCompareFile", historyui::kCompareFileItem), &QAction::triggered, this,
          [this] { compareWithFile(); });
}

void TForm1::buildCompareReceiverItem(QMenu* receiverMenu) {
  connect(menuItem(this, receiverMenu, "NCompareReceiver", historyui::kCompareReceiverItem), &QAction::triggered, this,
          [this] { compareWithReceiver(); });
}

bool TForm1::backUpTransfer(bool ok, BackupKind kind, const ConfigImage& img) {
  if (!ok) return ok;
  // Panel 1 keeps the transfer's own text; the backup is told where it does not hide it.
  const BackupResult r = keepBackup(img, kind);
  statusBar()->setToolTip(r.ok ? history::kBackupKept + QDir::toNativeSeparators(r.path)
                               : history::kBackupFailed + r.problem);
  return ok;
}

void TForm1::showHistory() {
  if (!History) {
    History = new HistoryDialog(this);
    connect(History, &HistoryDialog::openRequested, this, &TForm1::openBackup);
    connect(History, &HistoryDialog::compareRequested, this, &TForm1::compareWithBackup);
  }
  History->reload();
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
  const bool ok = converse([&] { return receiver_->readInto(*img, types); });
  if (!backUpTransfer(ok, BackupKind::Read, *img)) return;
  showComparison(*img, historyui::kReceiverSide);
}

void TForm1::showComparison(const ConfigImage& other, const QString& otherName) {
  if (!Comparison) Comparison = new ComparisonDialog(this);
  Comparison->showDiff(otherName, compareImages(st_.image, other));
  Comparison->show();
  Comparison->raise();
}

}  // namespace orbisk
