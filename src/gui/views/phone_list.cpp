#include "gui/views/phone_list.h"

#include <QAction>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "core/image/cp1251.h"
#include "core/records/phone_codec.h"
#include "core/image/view_texts.h"

namespace orbisk {

void zaplistview(MainState& st, const MainViews& v) {
  const int slot = st.currentExpander;
  if (slot < 0 || slot >= kSlotCount) return;
  const int n = st.image.phoneCount(slot);
  if (st.isLineExpander(slot)) {
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
        fromCp1251(raspactel(rec, Decoding::MainWindow)), fromCp1251(numobject(rec)), fromCp1251(kodsob(rec)),
        fromCp1251(numzona(rec)), fromCp1251(numrazdel(rec)), fromCp1251(commentText(rec))}));
  }
  list->addTopLevelItems(items);
  list->setCurrentItem(nullptr);
  list->clearSelection();
  list->setColumnWidth(0, list->topLevelItemCount() > 10 ? kListHeaderWidthNarrow : kListHeaderWidthWide);
  list->setToolTip(view::kPhoneCountHint + QString::number(n));
}

void lvclick(MainState& st, const MainViews& v) {
  const QList<QTreeWidgetItem*> sel = v.ListView1->selectedItems();
  const bool any = !sel.isEmpty() && st.currentExpander < kSlotCount;
  if (any) {
    const int index = v.ListView1->indexOfTopLevelItem(sel.constFirst());
    st.currentPhoneIndex = index;
    st.currentRecordOffset = recordOffset(st.currentExpander, index);
  }
  v.Nizm->setEnabled(any);
  v.Nudal->setEnabled(any);
  v.Bizmtel->setEnabled(any);
  v.Budaltel->setEnabled(any);
}

}  // namespace orbisk
