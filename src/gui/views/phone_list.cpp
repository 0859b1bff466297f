#include "gui/views/phone_list.h"

#include <QAction>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/image/view_texts.h"

namespace orbisk {
namespace {

// The drawn widths where they are enough, wider where a caption or any row needs it (not only
// the rows in view); the comment takes the rest.
void fitColumns(QTreeWidget* list) {
  const int drawn = list->topLevelItemCount() > 10 ? kListHeaderWidthNarrow : kListHeaderWidthWide;
  const QFontMetrics metrics(list->font());
  const int margins = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 8;
  for (int c = 0; c + 1 < list->columnCount(); ++c) {
    int width = std::max(c == 0 ? drawn : kDrawnColumnWidths[c], list->header()->sectionSizeHint(c));
    for (int r = 0; r < list->topLevelItemCount(); ++r)
      width = std::max(width, metrics.horizontalAdvance(list->topLevelItem(r)->text(c)) + margins);
    list->setColumnWidth(c, width);
  }
}

// The row the commands act on: the current one when it is among the selected, else the first.
QTreeWidgetItem* actedRow(const QTreeWidget* list, const QList<QTreeWidgetItem*>& selected) {
  QTreeWidgetItem* current = list->currentItem();
  return current && current->isSelected() ? current : selected.constFirst();
}

}  // namespace

void zaplistview(MainState& st, const MainViews& v) {
  const int slot = st.currentExpander;
  if (slot < 0 || slot >= kSlotCount) return;
  const int n = st.image.phoneCount(slot);
  if (!st.showsPhoneList(slot)) {
    v.ListView1->hide();
    v.Panel2->hide();
    return;
  }
  QTreeWidget* list = v.ListView1;
  const QSignalBlocker block(list);
  list->clear();
  // Never past the table's 200 records, whatever the count byte says.
  const int rows = std::min(n, kMaxPhones);
  QList<QTreeWidgetItem*> items;
  items.reserve(rows);
  for (int i = 0; i < rows; ++i) {
    const uint8_t* rec = st.image.record(slot, i);
    items.append(new QTreeWidgetItem(QStringList{
        // A number of all 16 symbols has no end mark; the list shows it whole all the same.
        fromCp1251(raspactel(rec, Decoding::Editor)), fromCp1251(numobject(rec)), fromCp1251(kodsob(rec)),
        fromCp1251(numzona(rec)), fromCp1251(numrazdel(rec)), fromCp1251(commentText(rec))}));
  }
  list->addTopLevelItems(items);
  list->setCurrentItem(nullptr);
  list->clearSelection();
  fitColumns(list);
  list->setToolTip(view::ViewTexts::phoneCountHint() + QString::number(n));
}

void lvclick(MainState& st, const MainViews& v) {
  const QList<QTreeWidgetItem*> sel = v.ListView1->selectedItems();
  const bool any = !sel.isEmpty() && st.currentExpander < kSlotCount;
  if (any) {
    const int index = v.ListView1->indexOfTopLevelItem(actedRow(v.ListView1, sel));
    st.currentPhoneIndex = index;
    st.currentRecordOffset = recordOffset(st.currentExpander, index);
  }
  v.Nizm->setEnabled(any);
  v.Nudal->setEnabled(any);
  v.Bizmtel->setEnabled(any);
  v.Budaltel->setEnabled(any);
}

}  // namespace orbisk
