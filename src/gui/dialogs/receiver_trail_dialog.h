// The audit trail of one receiver, newest first, and its export as CSV.
#pragma once

#include <QDialog>
#include <vector>

#include "core/register/audit_log.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace orbisk {

class ReceiverTrailDialog : public QDialog {
  Q_OBJECT
 public:
  ReceiverTrailDialog(const QString& receiver, QWidget* parent = nullptr, QString path = registerPath());
  // Writes the entries shown as CSV to file; empty when done, else why not.
  QString exportTo(const QString& file) const;

  QTableWidget* Table = nullptr;
  QLabel* Status = nullptr;
  QPushButton* Export = nullptr;

 private:
  std::vector<AuditEntry> entries_;
};

}  // namespace orbisk
