// The differences between the configuration on screen and another one, grouped by the settings
// and by expander, or "Конфигурации совпадают".
#pragma once

#include <QDialog>

#include "core/history/config_diff.h"

class QLabel;
class QTreeWidget;

namespace orbisk {

class ComparisonDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ComparisonDialog(QWidget* parent = nullptr);
  // otherName: the file or the receiver the screen was compared with.
  void showDiff(const QString& otherName, const ConfigDiff& d);
  QTreeWidget* tree() const { return tree_; }
  QString verdict() const;  // the line over the list

 private:
  QLabel* against_ = nullptr;
  QLabel* verdict_ = nullptr;
  QTreeWidget* tree_ = nullptr;
};

}  // namespace orbisk
