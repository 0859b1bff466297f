#include "gui/dialogs/find_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogs/exchange_ui_texts.h"

namespace orbisk {

FindDialog::FindDialog(QWidget* parent, std::function<void(const QString&)> findNext) : QDialog(parent) {
  setObjectName(QStringLiteral("FindDialog"));
  setWindowTitle(ui::ExchangeUiTexts::findCaption());
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(ui::ExchangeUiTexts::findLabel(), this));
  auto* row = new QHBoxLayout;
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("FindText"));
  text_->setMinimumWidth(240);
  row->addWidget(text_, 1);
  next_ = new QPushButton(ui::ExchangeUiTexts::findNextButton(), this);
  next_->setObjectName(QStringLiteral("FindNext"));
  next_->setDefault(true);
  row->addWidget(next_);
  auto* close = new QPushButton(ui::ButtonTexts::closeButton(), this);
  row->addWidget(close);
  layout->addLayout(row);
  connect(next_, &QPushButton::clicked, this, [this, findNext] { findNext(text_->text()); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

}  // namespace orbisk
