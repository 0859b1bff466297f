#include "gui/dialogs/receiver_edit_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/receivers_texts.h"

namespace orbisk {

ReceiverEditDialog::ReceiverEditDialog(const RegisteredReceiver& r, bool adding,
                                       std::function<QString(const RegisteredReceiver&)> store, QWidget* parent)
    : QDialog(parent), base_(r), store_(std::move(store)) {
  setObjectName(QStringLiteral("ReceiverEdit"));
  setWindowTitle(adding ? text::ReceiversTexts::receiverFormAdd() : text::ReceiversTexts::receiverFormEdit());
  auto* form = new QFormLayout(this);
  const auto field = [&](QLineEdit*& edit, const char* name, const QString& label, const QString& value) {
    edit = new QLineEdit(value, this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinimumWidth(320);
    form->addRow(label, edit);
  };
  field(Name, "Name", text::ReceiversTexts::receiverName(), r.name);
  field(Site, "Site", text::ReceiversTexts::receiverSite(), r.site);
  field(Port, "Port", text::ReceiversTexts::receiverPort(), r.port);
  Number = new QComboBox(this);
  Number->setObjectName(QStringLiteral("Number"));
  Number->addItem(text::ReceiversTexts::receiverNoNumber());
  for (int n = 0; n <= 15; ++n) Number->addItem(QString::number(n));
  Number->setCurrentIndex(r.number ? *r.number + 1 : 0);
  form->addRow(text::ReceiversTexts::receiverNumber(), Number);
  field(Comment, "Comment", text::ReceiversTexts::receiverComment(), r.comment);
  Config = new QLineEdit(r.configFile, this);
  Config->setObjectName(QStringLiteral("Config"));
  auto* browse = new QPushButton(text::ReceiversTexts::receiverBrowse(), this);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), Config->text(), text::ReceiversTexts::receiverConfigFilter());
    if (!chosen.isEmpty()) Config->setText(chosen);
  });
  auto* row = new QHBoxLayout;
  row->addWidget(Config, 1);
  row->addWidget(browse);
  form->addRow(text::ReceiversTexts::receiverConfig(), row);
  Problem = new QLabel(this);
  Problem->setObjectName(QStringLiteral("Problem"));
  Problem->setStyleSheet(QStringLiteral("color: #b00000"));
  Problem->setWordWrap(true);
  form->addRow(Problem);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ReceiverEditDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

RegisteredReceiver ReceiverEditDialog::receiver() const {
  RegisteredReceiver r = base_;
  r.name = Name->text();
  r.site = Site->text();
  r.port = Port->text();
  r.number.reset();
  if (Number->currentIndex() > 0) r.number = Number->currentIndex() - 1;
  r.comment = Comment->text();
  r.configFile = Config->text();
  return r;
}

void ReceiverEditDialog::accept() {
  const QString problem = store_(receiver());
  Problem->setText(problem);  // the form stays open with what was typed
  if (!problem.isEmpty()) return;
  QDialog::accept();
}

}  // namespace orbisk
