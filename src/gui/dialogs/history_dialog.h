// "История": the automatic backups, newest first; open one or compare it with the screen.
#pragma once

#include <QDialog>
#include <vector>

#include "core/history/backup_list.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace orbisk {

class HistoryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HistoryDialog(QWidget* parent = nullptr);
  // Lists the folder afresh (the window is reused).
  void reload(const QString& folder = backupFolder());
  QTableWidget* table() const { return table_; }
  // The backup of the selected row; empty when none is selected.
  QString selectedPath() const;

 signals:
  void openRequested(const QString& path);
  void compareRequested(const QString& path);

 private:
  void fillRow(int row, const BackupEntry& e);
  void updateButtons();

  std::vector<BackupEntry> entries_;
  QLabel* folder_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* compare_ = nullptr;
};

}  // namespace orbisk
