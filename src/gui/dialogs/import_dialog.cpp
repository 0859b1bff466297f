#include "gui/dialogs/import_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/exchange_ui_texts.h"

namespace orbisk {

ImportDialog::ImportDialog(QWidget* parent, const QString& caption, const QString& source,
                           std::function<ImportResult(ImportMode)> plan, bool withModes)
    : QDialog(parent), plan_(std::move(plan)) {
  setObjectName(QStringLiteral("ImportDialog"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* file = new QLabel(source, this);
  file->setWordWrap(true);
  layout->addWidget(file);
  append_ = new QRadioButton(ui::ExchangeUiTexts::importAppendChoice(), this);
  append_->setObjectName(QStringLiteral("ImportAppend"));
  replace_ = new QRadioButton(ui::ExchangeUiTexts::importReplaceChoice(), this);
  replace_->setObjectName(QStringLiteral("ImportReplace"));
  append_->setChecked(true);
  append_->setVisible(withModes);
  replace_->setVisible(withModes);
  layout->addWidget(append_);
  layout->addWidget(replace_);
  heading_ = new QLabel(this);
  heading_->setWordWrap(true);
  layout->addWidget(heading_);
  report_ = new QPlainTextEdit(this);
  report_->setObjectName(QStringLiteral("ImportReport"));
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  layout->addWidget(report_, 1);
  auto* buttons = new QDialogButtonBox(this);
  import_ = buttons->addButton(ui::ExchangeUiTexts::importButton(), QDialogButtonBox::AcceptRole);
  import_->setObjectName(QStringLiteral("ImportOk"));
  cancel_ = buttons->addButton(ui::ButtonTexts::cancelButton(), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(replace_, &QRadioButton::toggled, this, [this] { refresh(); });
  resize(640, 420);
  refresh();
}

ImportMode ImportDialog::mode() const { return replace_->isChecked() ? ImportMode::Replace : ImportMode::Append; }

void ImportDialog::refresh() {
  const ImportResult r = plan_(mode());
  ready_ = r.ok();
  heading_->setText(ready_ ? ui::ExchangeUiTexts::importReadyHeading()
                           : ui::ExchangeUiTexts::importErrorsHeading().arg(r.errors.size()));
  report_->setPlainText((ready_ ? importSummary(r) : r.errors).join(u'\n'));
  import_->setVisible(ready_);
  cancel_->setText(ready_ ? ui::ButtonTexts::cancelButton() : ui::ButtonTexts::closeButton());
  if (ready_) import_->setDefault(true);
}

}  // namespace orbisk
