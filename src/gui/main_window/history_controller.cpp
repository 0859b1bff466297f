#include "gui/main_window/history_controller.h"

#include <QAction>
#include <QMenu>
#include <memory>

#include "core/files/file_texts.h"
#include "core/files/rcf_file.h"
#include "core/history/backup_store.h"
#include "core/history/config_diff.h"
#include "core/state/prompter.h"
#include "gui/dialogs/comparison_dialog.h"
#include "gui/dialogs/history_dialog.h"
#include "gui/dialogs/history_dialog_texts.h"
#include "gui/main_window/menu_item.h"

namespace orbisk {

HistoryController::HistoryController(QWidget* window, MainState& st, Prompter& prompter, HistoryHooks hooks)
    : WindowController(window, st, prompter), hooks_(std::move(hooks)) {}

void HistoryController::addFileItems(QMenu* file) {
  file->addSeparator();
  connect(menuItem(window_, file, "NHistory", historyui::HistoryDialogTexts::historyItem()), &QAction::triggered, this,
          [this] { showHistory(st_.chosenReceiver()); });
  connect(menuItem(window_, file, "NCompareFile", historyui::HistoryDialogTexts::compareFileItem()),
          &QAction::triggered, this, &HistoryController::compareWithFile);
}

void HistoryController::addReceiverItem(QMenu* receiverMenu) {
  connect(menuItem(window_, receiverMenu, "NCompareReceiver", historyui::HistoryDialogTexts::compareReceiverItem()),
          &QAction::triggered, this, &HistoryController::compareWithReceiver);
}

void HistoryController::showHistory(const QString& receiver) {
  if (!history_) {
    history_ = new HistoryDialog(window_);
    // An untitled copy: an edit and Save must never rewrite the backup itself.
    connect(history_, &HistoryDialog::openRequested, this, [this](const QString& path) { hooks_.openCopy(path); });
    connect(history_, &HistoryDialog::compareRequested, this, &HistoryController::compareWithBackup);
  }
  history_->reload(backupFolder(), hooks_.receiverNamesByFolder(), receiver);
  history_->show();
  history_->raise();
}

void HistoryController::compareWithBackup(const QString& path) {
  auto img = std::make_unique<ConfigImage>();
  switch (readImageFile(path, *img, ReadAccess::ReadOnly)) {
    case ReadResult::Ok: showComparison(*img, path); return;
    case ReadResult::CannotOpen:
      prompter_.message(text::FileTexts::cannotOpenFile());
      return;
    case ReadResult::NotConfig:
      prompter_.message(text::FileTexts::notConfigFile());
      return;
  }
}

void HistoryController::compareWithFile() {
  const QString path = prompter_.openFile(st_.defaultDirectory);
  if (!path.isEmpty()) compareWithBackup(path);
}

void HistoryController::compareWithReceiver() {
  // The receiver's configuration goes into an image of its own: the screen stays as it is.
  auto img = std::make_unique<ConfigImage>();
  if (hooks_.readReceiver(*img)) showComparison(*img, historyui::HistoryDialogTexts::receiverSide());
}

void HistoryController::showComparison(const ConfigImage& other, const QString& otherName) {
  if (!comparison_) comparison_ = new ComparisonDialog(window_);
  comparison_->showDiff(otherName, compareImages(st_.image, other));
  comparison_->show();
  comparison_->raise();
}

}  // namespace orbisk
