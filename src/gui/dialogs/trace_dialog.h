// "Журнал обмена": whether conversations with the receiver are traced, and into which file.
#pragma once

#include <QDialog>

#include "core/state/preferences.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orbisk {

class TraceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TraceDialog(QWidget* parent = nullptr);
  void setTrace(const Preferences::Trace& trace);
  Preferences::Trace trace() const;

  QCheckBox* TraceOn = nullptr;
  QLineEdit* TraceFile = nullptr;
  QPushButton* Browse = nullptr;
  QPushButton* Button1 = nullptr;  // OK
  QPushButton* Button2 = nullptr;  // Отмена

 private:
  void browse();
};

}  // namespace orbisk
