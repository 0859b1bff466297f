#include "gui/dialogs/export_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/exchange/phone_xlsx.h"
#include "core/image/settings_lists.h"
#include "gui/dialogs/exchange_ui_texts.h"

namespace orbisk {
namespace {

QGroupBox* group(QWidget* parent, const QString& title, std::initializer_list<QRadioButton*> choices) {
  auto* box = new QGroupBox(title, parent);
  auto* l = new QVBoxLayout(box);
  for (QRadioButton* c : choices) l->addWidget(c);
  (*choices.begin())->setChecked(true);
  return box;
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent, int slot) : QDialog(parent) {
  setObjectName(QStringLiteral("ExportDialog"));
  setWindowTitle(ui::ExchangeUiTexts::exportCaption());
  all_ = new QRadioButton(ui::ExchangeUiTexts::exportAllChoice(), this);
  slot_ = new QRadioButton(slot >= 0 ? ui::ExchangeUiTexts::exportSlotChoice().arg(slotChar(slot))
                                     : ui::ExchangeUiTexts::exportSlotChoice().arg(QString()),
                           this);
  slot_->setObjectName(QStringLiteral("ExportSlot"));
  slot_->setEnabled(slot >= 0);
  utf8_ = new QRadioButton(ui::ExchangeUiTexts::exportUtf8Choice(), this);
  excel_ = new QRadioButton(ui::ExchangeUiTexts::exportExcelChoice(), this);
  excel_->setObjectName(QStringLiteral("ExportExcel"));
  xlsx_ = new QRadioButton(ui::ExchangeUiTexts::exportXlsxChoice() +
                               (xlsxAvailable() ? QString() : ui::ExchangeUiTexts::exportXlsxMissing()),
                           this);
  xlsx_->setObjectName(QStringLiteral("ExportXlsx"));
  xlsx_->setEnabled(xlsxAvailable());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group(this, ui::ExchangeUiTexts::exportWhatHeading(), {all_, slot_}));
  layout->addWidget(group(this, ui::ExchangeUiTexts::exportFormatHeading(), {utf8_, excel_, xlsx_}));
  // The expander the user is looking at is what he most likely means.
  if (slot >= 0) slot_->setChecked(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(ui::ExchangeUiTexts::exportButton(), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(ui::ButtonTexts::cancelButton(), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool ExportDialog::onlySelected() const { return slot_->isEnabled() && slot_->isChecked(); }

bool ExportDialog::xlsx() const { return xlsx_->isEnabled() && xlsx_->isChecked(); }

CsvStyle ExportDialog::style() const { return excel_->isChecked() ? CsvStyle::Excel : CsvStyle::Standard; }

}  // namespace orbisk
