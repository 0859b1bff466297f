// "Приемники": the register of receivers as a table with a filter; add, change and remove them,
// and from a row choose one, open its configuration, read it, write it, set its clock, compare
// it with its last backup, list its backups or see its trail. The main window does the conversations.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "core/register/receiver_register.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orbisk {

class ReceiversDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ReceiversDialog(QWidget* parent = nullptr, QString path = registerPath());
  // Reads the register afresh; a register that cannot be read is told in the window.
  void reload();
  std::optional<RegisteredReceiver> selected() const;

  QLineEdit* Filter = nullptr;
  QTableWidget* Table = nullptr;
  QLabel* Status = nullptr;
  QLineEdit* Comment = nullptr;  // kept in the trail with the conversations started here
  QPushButton *Add = nullptr, *Edit = nullptr, *Remove = nullptr, *Choose = nullptr, *Open = nullptr,
              *Read = nullptr, *Write = nullptr, *Compare = nullptr, *Sync = nullptr, *Trail = nullptr,
              *Backups = nullptr;

 signals:
  void chooseRequested(const RegisteredReceiver& r);
  void openRequested(const RegisteredReceiver& r);
  void readRequested(const RegisteredReceiver& r);
  void writeRequested(const RegisteredReceiver& r);
  void compareRequested(const RegisteredReceiver& r);
  void syncRequested(const RegisteredReceiver& r);
  void trailRequested(const RegisteredReceiver& r);
  void backupsRequested(const RegisteredReceiver& r);

 private:
  void buildButtons();
  void fill();
  void applyFilter();
  void updateButtons();
  void editReceiver(bool adding);
  void removeReceiver();

  QString path_;
  std::vector<RegisteredReceiver> all_;
};

// The register's words for a trail action and result, as the windows show them.
QString actionShown(const QString& action);
QString resultShown(const QString& result);

}  // namespace orbisk
