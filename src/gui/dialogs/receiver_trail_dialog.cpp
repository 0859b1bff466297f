#include "gui/dialogs/receiver_trail_dialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/files/atomic_write.h"
#include "core/files/file_texts.h"
#include "gui/dialogs/receivers_dialog.h"
#include "gui/dialogs/receivers_texts.h"

namespace orbisk {

ReceiverTrailDialog::ReceiverTrailDialog(const QString& receiver, QWidget* parent, QString path) : QDialog(parent) {
  setObjectName(QStringLiteral("ReceiverTrail"));
  setWindowTitle(text::ReceiversTexts::trailTitle().arg(receiver));
  resize(1000, 420);
  RegisterDb db(path);
  const auto got = AuditLog(db).entries(receiver);
  entries_ = got.value_or(std::vector<AuditEntry>{});
  std::reverse(entries_.begin(), entries_.end());  // the latest first, as the history lists
  auto* layout = new QVBoxLayout(this);
  Table = new QTableWidget(static_cast<int>(entries_.size()),
                           static_cast<int>(text::ReceiversTexts::trailColumns().size()), this);
  Table->setObjectName(QStringLiteral("Table"));
  Table->setHorizontalHeaderLabels(text::ReceiversTexts::trailColumns());
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->verticalHeader()->hide();
  Table->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < Table->rowCount(); ++row) {
    const AuditEntry& e = entries_[static_cast<size_t>(row)];
    const QStringList cells{e.at.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")), e.user, e.port, actionShown(e.action),
                            resultShown(e.result), e.detail, e.file, e.comment};
    for (int c = 0; c < cells.size(); ++c) Table->setItem(row, c, new QTableWidgetItem(cells[c]));
  }
  Table->resizeColumnsToContents();
  layout->addWidget(Table, 1);
  Status = new QLabel(got ? QString() : db.error(), this);
  Status->setObjectName(QStringLiteral("Status"));
  layout->addWidget(Status);
  Export = new QPushButton(text::ReceiversTexts::trailExport(), this);
  Export->setObjectName(QStringLiteral("Export"));
  layout->addWidget(Export, 0, Qt::AlignLeft);
  connect(Export, &QPushButton::clicked, this, [this] {
    const QString file =
        QFileDialog::getSaveFileName(this, QString(), QString(), text::ReceiversTexts::trailCsvFilter());
    if (!file.isEmpty()) Status->setText(exportTo(file));
  });
}

QString ReceiverTrailDialog::exportTo(const QString& file) const {
  std::vector<AuditEntry> oldestFirst(entries_.rbegin(), entries_.rend());
  const SaveCause saved = writeAtomically(file, auditCsv(oldestFirst).toUtf8());
  return saved == SaveCause::None ? QString() : text::ReceiversTexts::trailNotSaved().arg(text::saveCauseText(saved));
}

}  // namespace orbisk
