#include "gui/dialogs/comparison_dialog.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/history/history_texts.h"
#include "gui/dialogs/history_dialog_texts.h"

namespace orbisk {

ComparisonDialog::ComparisonDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ComparisonDialog"));
  setWindowTitle(historyui::kComparisonCaption);
  against_ = new QLabel(this);
  against_->setWordWrap(true);
  against_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  verdict_ = new QLabel(this);
  verdict_->setObjectName(QStringLiteral("ComparisonVerdict"));
  QFont bold = verdict_->font();
  bold.setBold(true);
  verdict_->setFont(bold);
  against_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  verdict_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("ComparisonTree"));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  // Long lines (a comment changed on both sides) wrap instead of ending in "...".
  tree_->setWordWrap(true);
  tree_->setTextElideMode(Qt::ElideNone);
  tree_->setUniformRowHeights(false);
  // The lines in the first column, each group's count of differences in the second.
  tree_->setColumnCount(2);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  auto* closeButton = new QPushButton(historyui::kCloseButton, this);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(against_);
  layout->addWidget(verdict_);
  layout->addWidget(tree_, 1);
  layout->addStretch(0);  // keeps the two lines at the top while the list is hidden
  layout->addWidget(closeButton, 0, Qt::AlignRight);
  resize(720, 480);
}

void ComparisonDialog::showDiff(const QString& otherName, const ConfigDiff& d) {
  against_->setText(historyui::kComparedWith + QDir::toNativeSeparators(otherName));
  verdict_->setText(d.same() ? history::kSame : QString());
  verdict_->setVisible(d.same());
  tree_->clear();
  tree_->setVisible(!d.same());
  for (const DiffGroup& g : diffGroups(d)) {
    auto* top = new QTreeWidgetItem(tree_, {g.heading, historyui::kDifferenceCount.arg(g.lines.size())});
    QFont f = top->font(0);
    f.setBold(true);
    top->setFont(0, f);
    top->setTextAlignment(1, Qt::AlignRight | Qt::AlignTop);
    for (const QString& line : g.lines) new QTreeWidgetItem(top, {line});
  }
  tree_->expandAll();
}

QString ComparisonDialog::verdict() const { return verdict_->text(); }

}  // namespace orbisk
