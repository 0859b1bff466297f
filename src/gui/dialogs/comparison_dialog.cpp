#include "gui/dialogs/comparison_dialog.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/history/history_texts.h"
#include "gui/dialogs/history_dialog_texts.h"

namespace orbisk {
namespace {

// Wraps the lines of the first column at the column's width: the row is as tall as its text,
// so a long line (a comment changed on both sides) is read whole instead of ending in "...".
class WrappingDelegate : public QStyledItemDelegate {
 public:
  explicit WrappingDelegate(QTreeWidget* tree) : QStyledItemDelegate(tree), tree_(tree) {}

  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideNone;
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.column() != 0) return size;
    int depth = 1;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent()) ++depth;
    const int width = tree_->header()->sectionSize(0) - depth * tree_->indentation() - 8;
    if (width <= 40) return size;
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QRect text = opt.fontMetrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, opt.text);
    size.setHeight(std::max(size.height(), text.height() + 4));
    return size;
  }

 private:
  QTreeWidget* tree_;
};

}  // namespace

ComparisonDialog::ComparisonDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ComparisonDialog"));
  setWindowTitle(historyui::HistoryDialogTexts::comparisonCaption());
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
  tree_->setWordWrap(true);
  tree_->setTextElideMode(Qt::ElideNone);
  tree_->setUniformRowHeights(false);
  tree_->setItemDelegate(new WrappingDelegate(tree_));
  // The lines in the first column, each group's count of differences in the second.
  tree_->setColumnCount(2);
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  tree_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  // A wrapped row's height follows its column's width only when the rows are laid out again.
  connect(tree_->header(), &QHeaderView::sectionResized, tree_, [this] { tree_->doItemsLayout(); });
  auto* closeButton = new QPushButton(historyui::HistoryDialogTexts::closeButton(), this);
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
  against_->setText(historyui::HistoryDialogTexts::comparedWith() + QDir::toNativeSeparators(otherName));
  verdict_->setText(d.same() ? history::HistoryTexts::same() : QString());
  verdict_->setVisible(d.same());
  tree_->clear();
  tree_->setVisible(!d.same());
  for (const DiffGroup& g : diffGroups(d)) {
    auto* top =
        new QTreeWidgetItem(tree_, {g.heading, historyui::HistoryDialogTexts::differenceCount().arg(g.lines.size())});
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
