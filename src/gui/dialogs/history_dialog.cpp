#include "gui/dialogs/history_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/history/history_texts.h"
#include "gui/dialogs/history_dialog_texts.h"

namespace orbisk {
namespace {

const QString kShownTime = QStringLiteral("dd.MM.yyyy HH:mm:ss");

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(align);
  return item;
}

QString kindText(BackupKind kind) {
  switch (kind) {
    case BackupKind::Read:
      return history::HistoryTexts::kindRead();
    case BackupKind::Write:
      return history::HistoryTexts::kindWrite();
    case BackupKind::Suspect:
      return history::HistoryTexts::kindSuspect();
    case BackupKind::Replaced: break;
  }
  return history::HistoryTexts::kindReplaced();
}

constexpr int kReceiverColumn = 7;

QTableWidgetItem* numberCell(int n) { return cell(QString::number(n), Qt::AlignRight | Qt::AlignVCenter); }

}  // namespace

HistoryDialog::HistoryDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HistoryDialog"));
  setWindowTitle(historyui::HistoryDialogTexts::historyCaption());
  folder_ = new QLabel(this);
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  filter_ = new QLineEdit(this);
  filter_->setObjectName(QStringLiteral("HistoryFilter"));
  filter_->setPlaceholderText(historyui::HistoryDialogTexts::historyFilterHint());
  filter_->setClearButtonEnabled(true);
  receiver_ = new QComboBox(this);
  receiver_->setObjectName(QStringLiteral("HistoryReceiver"));
  receiver_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  shown_ = new QLabel(this);
  table_ = new QTableWidget(0, static_cast<int>(historyui::HistoryDialogTexts::historyColumns().size()), this);
  table_->setObjectName(QStringLiteral("HistoryTable"));
  table_->setHorizontalHeaderLabels(historyui::HistoryDialogTexts::historyColumns());
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  // A selected row would draw the captions bold, wider than the columns were sized for: the
  // last letters were cut on Windows.
  table_->horizontalHeader()->setHighlightSections(false);

  open_ = new QPushButton(historyui::HistoryDialogTexts::openButton(), this);
  open_->setObjectName(QStringLiteral("HistoryOpen"));
  compare_ = new QPushButton(historyui::HistoryDialogTexts::compareButton(), this);
  compare_->setObjectName(QStringLiteral("HistoryCompare"));
  auto* closeButton = new QPushButton(historyui::HistoryDialogTexts::closeButton(), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open_);
  buttons->addWidget(compare_);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folder_);
  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(receiver_);
  filterRow->addWidget(filter_, 1);
  filterRow->addWidget(shown_);
  layout->addLayout(filterRow);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(860, 440);

  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  connect(open_, &QPushButton::clicked, this, [this] {
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    close();  // Open's questions and the views it rebuilds belong to the main window
    emit openRequested(path);
  });
  connect(compare_, &QPushButton::clicked, this, [this] {
    if (!selectedPath().isEmpty()) emit compareRequested(selectedPath());
  });
  connect(table_, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::updateButtons);
  connect(filter_, &QLineEdit::textChanged, this, &HistoryDialog::applyFilter);
  connect(receiver_, &QComboBox::currentIndexChanged, this, &HistoryDialog::applyFilter);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { open_->click(); });
}

void HistoryDialog::reload(const QString& folder, const QHash<QString, QString>& names, const QString& receiver) {
  entries_ = listBackups(folder);
  const bool none = entries_.empty();
  folder_->setText(historyui::HistoryDialogTexts::historyFolder() + QDir::toNativeSeparators(folder) +
                   (none ? QStringLiteral(" — ") + historyui::HistoryDialogTexts::historyEmpty() : QString()));
  table_->setRowCount(static_cast<int>(entries_.size()));
  QStringList receivers;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const QString& sub = entries_[i].receiver;
    const QString shown = sub.isEmpty() ? QString() : names.value(sub, sub);
    fillRow(static_cast<int>(i), entries_[i], shown);
    if (!shown.isEmpty() && !receivers.contains(shown)) receivers << shown;
  }
  fillReceivers(receivers, receiver);
  table_->resizeColumnsToContents();
  if (!none) table_->selectRow(0);
  applyFilter();
}

void HistoryDialog::fillReceivers(const QStringList& names, const QString& chosen) {
  QStringList sorted = names;
  // A receiver with no backups yet is still chosen: an empty list says so plainly.
  if (!chosen.isEmpty() && !sorted.contains(chosen)) sorted << chosen;
  sorted.sort(Qt::CaseInsensitive);
  const QSignalBlocker quiet(receiver_);
  receiver_->clear();
  receiver_->addItem(historyui::HistoryDialogTexts::historyAllReceivers());
  receiver_->addItems(sorted);
  receiver_->setCurrentIndex(std::max(0, static_cast<int>(sorted.indexOf(chosen)) + 1));
}

void HistoryDialog::applyFilter() {
  const QString wanted = filter_->text().trimmed();
  const QString receiver = receiver_->currentIndex() > 0 ? receiver_->currentText() : QString();
  int shown = 0;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* filed = table_->item(row, kReceiverColumn);
    const bool ofReceiver = receiver.isEmpty() || (filed && filed->text() == receiver);
    bool match = ofReceiver && wanted.isEmpty();
    for (int c = 0; ofReceiver && !match && c < table_->columnCount(); ++c) {
      const QTableWidgetItem* item = table_->item(row, c);
      match = item && item->text().contains(wanted, Qt::CaseInsensitive);
    }
    table_->setRowHidden(row, !match);
    shown += match;
  }
  // What is chosen is always a row the user can see.
  const int current = table_->currentRow();
  if (current >= 0 && table_->isRowHidden(current)) table_->clearSelection();
  if (table_->selectedItems().isEmpty())
    for (int row = 0; row < table_->rowCount(); ++row)
      if (!table_->isRowHidden(row)) {
        table_->selectRow(row);
        break;
      }
  shown_->setText(wanted.isEmpty() && receiver.isEmpty()
                      ? QString()
                      : historyui::HistoryDialogTexts::historyShown().arg(shown).arg(table_->rowCount()));
  updateButtons();
}

void HistoryDialog::fillRow(int row, const BackupEntry& e, const QString& receiver) {
  table_->setItem(row, 0, cell(e.name.taken.toString(kShownTime)));
  table_->setItem(row, 1, cell(kindText(e.name.kind)));
  table_->setItem(row, 6, cell(e.port));
  table_->setItem(row, kReceiverColumn, cell(receiver));
  if (!e.readable) {
    table_->setItem(row, 2, cell(historyui::HistoryDialogTexts::historyUnreadable()));
    return;
  }
  table_->setItem(row, 2, cell(e.model));
  table_->setItem(row, 3, cell(e.receiverNumber, Qt::AlignCenter));
  table_->setItem(row, 4, numberCell(e.expanders));
  table_->setItem(row, 5, numberCell(e.telephones));
}

QString HistoryDialog::selectedPath() const {
  const int row = table_->currentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size()) || table_->selectedItems().isEmpty()) return {};
  return entries_[static_cast<size_t>(row)].path;
}

void HistoryDialog::updateButtons() {
  const bool chosen = !selectedPath().isEmpty();
  open_->setEnabled(chosen);
  compare_->setEnabled(chosen);
}

}  // namespace orbisk
