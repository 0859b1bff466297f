#include "gui/dialogs/receivers_dialog.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/dialogs/receiver_edit_dialog.h"
#include "gui/dialogs/receivers_texts.h"

namespace orbisk {
namespace {

QString shownTime(const QDateTime& t) { return t.isValid() ? t.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString(); }

QStringList cellsOf(const RegisteredReceiver& r) {
  return {r.name,
          r.site,
          r.port,
          r.number ? QString::number(*r.number) : QString(),
          shownTime(r.lastRead),
          shownTime(r.lastWrite),
          shownTime(r.lastBackup),
          r.lastAction.isEmpty() ? QString() : actionShown(r.lastAction) + QStringLiteral(": ") + resultShown(r.lastResult)};
}

// A word of the audit trail as the window shows it; one it does not know, as it stands.
QString shownWord(const QHash<QString, const char*>& words, const QString& word) {
  const char* shown = words.value(word);
  return shown ? ReceiversDialog::tr(shown) : word;
}

}  // namespace

QString actionShown(const QString& action) {
  static const QHash<QString, const char*> kShown{
      {"read", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "чтение")},
      {"backup", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "резервная копия")},
      {"write", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "запись")},
      {"verify", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "проверка записи")},
      {"clock", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "установка времени")},
      {"clear-events", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "очистка буфера событий")},
      {"memory-test", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "тест памяти")}};
  return shownWord(kShown, action);
}

QString resultShown(const QString& result) {
  static const QHash<QString, const char*> kShown{
      {"ok", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "успешно")},
      {"failed", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "неудачно")},
      {"stopped", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "прервано")},
      {"damaged", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "похоже повреждено")},
      {"mismatch", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "не совпадает")},
      {"not-saved", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "не сохранено")},
      {"faulty", QT_TRANSLATE_NOOP("orbisk::ReceiversDialog", "память неисправна")}};
  return shownWord(kShown, result);
}

ReceiversDialog::ReceiversDialog(QWidget* parent, QString path) : QDialog(parent), path_(std::move(path)) {
  setObjectName(QStringLiteral("Receivers"));
  setWindowTitle(text::ReceiversTexts::receiversTitle());
  resize(1000, 480);
  auto* layout = new QVBoxLayout(this);
  auto* filterRow = new QHBoxLayout;
  Filter = new QLineEdit(this);
  Filter->setObjectName(QStringLiteral("Filter"));
  Filter->setClearButtonEnabled(true);
  filterRow->addWidget(new QLabel(text::ReceiversTexts::receiversFilter(), this));
  filterRow->addWidget(Filter, 1);
  layout->addLayout(filterRow);
  Table = new QTableWidget(0, static_cast<int>(text::ReceiversTexts::receiversColumns().size()), this);
  Table->setObjectName(QStringLiteral("Table"));
  Table->setHorizontalHeaderLabels(text::ReceiversTexts::receiversColumns());
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->verticalHeader()->hide();
  Table->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(Table, 1);
  Status = new QLabel(this);
  Status->setObjectName(QStringLiteral("Status"));
  Status->setWordWrap(true);
  layout->addWidget(Status);
  buildButtons();
  connect(Filter, &QLineEdit::textChanged, this, [this] { applyFilter(); });
  connect(Table, &QTableWidget::itemSelectionChanged, this, [this] { updateButtons(); });
  connect(Table, &QTableWidget::cellDoubleClicked, this, [this] {
    if (const auto r = selected()) emit chooseRequested(*r);
  });
}

void ReceiversDialog::buildButtons() {
  auto* rows = new QVBoxLayout;
  auto* manage = new QHBoxLayout;
  auto* act = new QHBoxLayout;
  const auto button = [this](QHBoxLayout* row, QPushButton*& b, const char* name, const QString& label) {
    b = new QPushButton(label, this);
    b->setObjectName(QString::fromLatin1(name));
    row->addWidget(b);
  };
  button(manage, Add, "Add", text::ReceiversTexts::receiverAdd());
  button(manage, Edit, "Edit", text::ReceiversTexts::receiverEdit());
  button(manage, Remove, "Remove", text::ReceiversTexts::receiverRemove());
  manage->addStretch(1);
  button(manage, Backups, "Backups", text::ReceiversTexts::receiverBackups());
  button(manage, Trail, "Trail", text::ReceiversTexts::receiverTrail());
  Comment = new QLineEdit(this);
  Comment->setObjectName(QStringLiteral("Comment"));
  Comment->setPlaceholderText(text::ReceiversTexts::receiverWorkComment());
  act->addWidget(Comment, 1);
  button(act, Choose, "Choose", text::ReceiversTexts::receiverChoose());
  button(act, Open, "Open", text::ReceiversTexts::receiverOpen());
  button(act, Read, "Read", text::ReceiversTexts::receiverRead());
  button(act, Write, "Write", text::ReceiversTexts::receiverWrite());
  button(act, Compare, "Compare", text::ReceiversTexts::receiverCompare());
  button(act, Sync, "Sync", text::ReceiversTexts::receiverSync());
  rows->addLayout(manage);
  rows->addLayout(act);
  static_cast<QVBoxLayout*>(layout())->addLayout(rows);
  connect(Add, &QPushButton::clicked, this, [this] { editReceiver(true); });
  connect(Edit, &QPushButton::clicked, this, [this] { editReceiver(false); });
  connect(Remove, &QPushButton::clicked, this, [this] { removeReceiver(); });
  const auto forward = [this](QPushButton* b, void (ReceiversDialog::*signal)(const RegisteredReceiver&)) {
    connect(b, &QPushButton::clicked, this, [this, signal] {
      if (const auto r = selected()) emit(this->*signal)(*r);
    });
  };
  forward(Choose, &ReceiversDialog::chooseRequested);
  forward(Open, &ReceiversDialog::openRequested);
  forward(Read, &ReceiversDialog::readRequested);
  forward(Write, &ReceiversDialog::writeRequested);
  forward(Compare, &ReceiversDialog::compareRequested);
  forward(Sync, &ReceiversDialog::syncRequested);
  forward(Trail, &ReceiversDialog::trailRequested);
  forward(Backups, &ReceiversDialog::backupsRequested);
  updateButtons();
}

void ReceiversDialog::reload() {
  RegisterDb db(path_);
  const auto all = ReceiverRegister(db).list();
  all_ = all.value_or(std::vector<RegisteredReceiver>{});
  fill();
  // The window stays usable with an empty table; the cause is in plain sight.
  Status->setText(all ? text::ReceiversTexts::receiversLoaded().arg(all_.size()) : db.error());
  Add->setEnabled(all.has_value());
}

void ReceiversDialog::fill() {
  const QString keep = selected() ? selected()->name : QString();
  Table->setUpdatesEnabled(false);
  Table->clearContents();
  Table->setRowCount(static_cast<int>(all_.size()));
  for (int row = 0; row < Table->rowCount(); ++row) {
    const QStringList cells = cellsOf(all_[static_cast<size_t>(row)]);
    for (int c = 0; c < cells.size(); ++c) Table->setItem(row, c, new QTableWidgetItem(cells[c]));
    if (cells[0] == keep) Table->selectRow(row);
  }
  Table->resizeColumnsToContents();
  Table->setUpdatesEnabled(true);
  applyFilter();
}

void ReceiversDialog::applyFilter() {
  const QString needle = Filter->text().trimmed();
  for (int row = 0; row < Table->rowCount(); ++row) {
    bool match = needle.isEmpty();
    for (int c = 0; c < 4 && !match; ++c) match = Table->item(row, c)->text().contains(needle, Qt::CaseInsensitive);
    const RegisteredReceiver& r = all_[static_cast<size_t>(row)];
    match = match || r.comment.contains(needle, Qt::CaseInsensitive);
    Table->setRowHidden(row, !match);
  }
  updateButtons();
}

std::optional<RegisteredReceiver> ReceiversDialog::selected() const {
  const QList<QTableWidgetItem*> items = Table->selectedItems();
  if (items.isEmpty()) return std::nullopt;
  const int row = items.first()->row();
  if (row < 0 || row >= static_cast<int>(all_.size()) || Table->isRowHidden(row)) return std::nullopt;
  return all_[static_cast<size_t>(row)];
}

void ReceiversDialog::updateButtons() {
  const bool one = selected().has_value();
  for (QPushButton* b : {Edit, Remove, Choose, Open, Read, Write, Compare, Sync, Trail, Backups}) b->setEnabled(one);
}

void ReceiversDialog::editReceiver(bool adding) {
  const std::optional<RegisteredReceiver> current = adding ? RegisteredReceiver{} : selected();
  if (!current) return;
  const QString oldName = current->name;
  ReceiverEditDialog form(*current, adding, [&](const RegisteredReceiver& r) {
    RegisterDb db(path_);
    return adding ? ReceiverRegister(db).add(r) : ReceiverRegister(db).edit(oldName, r);
  }, this);
  if (form.exec() == QDialog::Accepted) reload();
}

void ReceiversDialog::removeReceiver() {
  const auto r = selected();
  if (!r) return;
  if (QMessageBox::question(this, text::ReceiversTexts::receiversTitle(),
                            text::ReceiversTexts::receiverRemoveQuestion().arg(r->name)) != QMessageBox::Yes)
    return;
  RegisterDb db(path_);
  const QString problem = ReceiverRegister(db).remove(r->name);
  reload();
  if (!problem.isEmpty()) Status->setText(problem);
}

}  // namespace orbisk
