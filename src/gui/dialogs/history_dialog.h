// "История": the automatic backups, newest first, with the port and register receiver each came
// from; a receiver list and a text filter find the backups of one receiver of a fleet; open one or
// compare it with the screen.
#pragma once

#include <QDialog>
#include <QHash>
#include <vector>

#include "core/history/backup_list.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orbisk {

class HistoryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HistoryDialog(QWidget* parent = nullptr);
  // Lists the folder afresh (the window is reused). names shows a receiver's folder by the
  // register's name for it; receiver, a register name or empty for all, is chosen in the list.
  void reload(const QString& folder = backupFolder(), const QHash<QString, QString>& names = {},
              const QString& receiver = {});
  QTableWidget* table() const { return table_; }
  QLineEdit* filter() const { return filter_; }
  QComboBox* receiverFilter() const { return receiver_; }
  // The backup of the selected row; empty when none is selected.
  QString selectedPath() const;

 signals:
  void openRequested(const QString& path);
  void compareRequested(const QString& path);

 private:
  void fillRow(int row, const BackupEntry& e, const QString& receiver);
  void fillReceivers(const QStringList& names, const QString& chosen);
  void updateButtons();
  void applyFilter();  // hides the rows without the filter's text, and says how many are shown

  std::vector<BackupEntry> entries_;
  QLabel* folder_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QComboBox* receiver_ = nullptr;
  QLabel* shown_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* compare_ = nullptr;
};

}  // namespace orbisk
