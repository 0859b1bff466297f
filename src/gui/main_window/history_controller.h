// Backups, the history window and the comparison of configurations: "Файл" › "История..." and
// "Сравнить с файлом...", "Команды" › "Приемник" › "Сравнить с приемником". It owns those items
// and the two windows.
#pragma once

#include <QHash>
#include <functional>

#include "gui/main_window/window_controller.h"

class QMenu;
class QWidget;

namespace orbisk {

class ComparisonDialog;
class HistoryDialog;
class Prompter;

// What the history asks of the window around it.
struct HistoryHooks {
  std::function<void(const QString&)> openCopy;  // a backup, opened as an untitled copy
  // The register's names by the backup folders they are filed in; empty without the register.
  std::function<QHash<QString, QString>()> receiverNamesByFolder;
  // The receiver read into image, the screen untouched; false when it did not arrive whole (the
  // window has told why).
  std::function<bool(ConfigImage& image)> readReceiver;
};

class HistoryController : public WindowController {
  Q_OBJECT
 public:
  HistoryController(QWidget* window, MainState& st, Prompter& prompter, HistoryHooks hooks);

  void addFileItems(QMenu* file);                // "История...", "Сравнить с файлом..."
  void addReceiverItem(QMenu* receiverMenu);     // "Сравнить с приемником"

  // The history window; receiver, a register name, is chosen in its receiver list.
  void showHistory(const QString& receiver = {});
  void compareWithFile();
  void compareWithReceiver();
  void compareWithBackup(const QString& path);
  HistoryDialog* historyDialog() const { return history_; }
  ComparisonDialog* comparisonDialog() const { return comparison_; }

 private:
  void showComparison(const ConfigImage& other, const QString& otherName);

  HistoryHooks hooks_;
  HistoryDialog* history_ = nullptr;
  ComparisonDialog* comparison_ = nullptr;
};

}  // namespace orbisk
