// Shows what an import of telephones will do, or why it cannot be done, before anything changes.
#pragma once

#include <QDialog>
#include <functional>

#include "core/exchange/phone_import.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orbisk {

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  // source: where the telephones come from, as shown. plan builds the import for a mode (into a copy) and returns its outcome; it is run again
  // when the user switches between append and replace. withModes = false: append only (paste).
  ImportDialog(QWidget* parent, const QString& caption, const QString& source,
               std::function<ImportResult(ImportMode)> plan, bool withModes = true);

  ImportMode mode() const;
  bool ready() const { return ready_; }
  QPlainTextEdit* report() const { return report_; }
  QPushButton* importButton() const { return import_; }
  QRadioButton* replaceChoice() const { return replace_; }

 private:
  void refresh();

  std::function<ImportResult(ImportMode)> plan_;
  QLabel* heading_ = nullptr;
  QPlainTextEdit* report_ = nullptr;
  QRadioButton* append_ = nullptr;
  QRadioButton* replace_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool ready_ = false;
};

}  // namespace orbisk
