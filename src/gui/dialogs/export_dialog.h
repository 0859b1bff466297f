// Asks what to export (the whole configuration or the selected expander) and in which format.
#pragma once

#include <QDialog>

#include "core/exchange/phone_csv.h"

class QRadioButton;

namespace orbisk {

class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  // slot: the selected expander, or -1 when the receiver is selected (only "all" is offered).
  ExportDialog(QWidget* parent, int slot);

  bool onlySelected() const;
  CsvStyle style() const;
  bool xlsx() const;  // a workbook rather than CSV
  QRadioButton* excelChoice() const { return excel_; }
  QRadioButton* slotChoice() const { return slot_; }
  QRadioButton* xlsxChoice() const { return xlsx_; }

 private:
  QRadioButton* all_ = nullptr;
  QRadioButton* slot_ = nullptr;
  QRadioButton* utf8_ = nullptr;
  QRadioButton* excel_ = nullptr;
  QRadioButton* xlsx_ = nullptr;
};

}  // namespace orbisk
