// "История": the automatic backups, newest first, with the port each came from; a filter finds the
// backups of one receiver of a fleet; open one or compare it with the screen.
#pragma once

#include <QDialog>
#include <vector>

#include "core/history/backup_list.h"

class QLabel;
class QLineEdit;
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
  QLineEdit* filter() const { return filter_; }
  // The backup of the selected row; empty when none is selected.
  QString selectedPath() const;

 signals:
  void openRequested(const QString& path);
  void compareRequested(const QString& path);

 private:
  void fillRow(int row, const BackupEntry& e);
  void updateButtons();
  void applyFilter();  // hides the rows without the filter's text, and says how many are shown

  std::vector<BackupEntry> entries_;
  QLabel* folder_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QLabel* shown_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* compare_ = nullptr;
};

}  // namespace orbisk
