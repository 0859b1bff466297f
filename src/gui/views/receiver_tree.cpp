#include "gui/views/receiver_tree.h"

#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

#include "core/image/cp1251.h"
#include "core/image/expander_set.h"
#include "core/records/phone_codec.h"
#include "gui/views/settings_panel.h"
#include "core/image/view_texts.h"

namespace orbisk {

int slotFromLabel(const QString& label) {
  const int dash = static_cast<int>(label.indexOf(QLatin1Char('-')));
  if (dash < 0 || dash + 1 >= label.size()) return kReceiverNode;
  const int slot = char2bcd(label.at(dash + 1).toLatin1());
  return slot >= 0 && slot < kSlotCount ? slot : kReceiverNode;
}

void rebuildTree(MainState& st, const MainViews& v) {
  ConfigImage& img = st.image;
  img.repairExpanders();
  st.expanderCount = img[off::kExpanderCount];
  QTreeWidget* tree = v.TreeView1;
  const QSignalBlocker block(tree);
  tree->clear();
  auto* root = new QTreeWidgetItem(tree, QStringList(st.modelText));
  if (st.expanderCount != 0) {
    st.expanderMask = img.mask();
    const bool newer = img.isNewerModel();
    for (int s = 0; s < kSlotCount; ++s) {
      const auto us = static_cast<size_t>(s);
      if (!(st.expanderMask & (1u << s))) {
        st.expanderPresent[us] = 0;
        continue;
      }
      st.expanderPresent[us] = 1;
      const QString stem = st.isLineExpander(s) ? st.lineChannelLabel : st.gsmChannelLabel;
      new QTreeWidgetItem(root, QStringList(stem + slotChar(s)));
      // A telephone-line pair on the newer receivers shows its odd half too.
      if (st.isLineExpander(s) && newer && s % 2 == 0 && st.isLineExpander(s + 1))
        st.expanderMask = static_cast<uint16_t>(st.expanderMask | (1u << (s + 1)));
    }
    tree->expandAll();
  } else {
    st.expanderMask = 0;
    st.expanderPresent.fill(0);
  }
  const int index = st.treeSelectionIndex;
  if (index != 0) {
    // A remembered position past the last node falls back to the receiver.
    QTreeWidgetItem* item = index <= root->childCount() ? root->child(index - 1) : root;
    tree->setCurrentItem(item);
  }
}

int selectedNodeIndex(const MainViews& v) {
  QTreeWidgetItem* item = v.TreeView1->currentItem();
  if (!item || !item->parent()) return 0;
  return item->parent()->indexOfChild(item) + 1;
}

bool applyTreeSelection(MainState& st, const MainViews& v) {
  const int index = selectedNodeIndex(v);
  bool expander = false;
  if (index == 0) {
    st.treeSelectionIndex = 0;
    v.ListView1->hide();
    v.Panel1->show();
    v.Panel2->hide();
    v.Label1->setText(view::ViewTexts::receiverHeading());
    v.N33->setEnabled(false);
    v.N3->setEnabled(false);
    v.N2->setEnabled(true);
    st.currentExpander = kReceiverNode;
  } else {
    const int slot = slotFromLabel(v.TreeView1->currentItem()->text(0));
    st.currentExpander = slot;
    st.treeSelectionIndex = index;
    v.Panel2->show();
    v.Panel1->hide();
    v.ListView1->show();
    const bool line = st.isLineExpander(slot);
    const QString sim = slot < kSlotCount ? fromCp1251(raspactel(st.image.sim(slot), Decoding::MainWindow)) : QString();
    v.Label1->setText((line ? view::ViewTexts::lineHeading() : view::ViewTexts::gsmHeading()) + slotChar(slot) +
                      view::ViewTexts::simHeading() + sim);
    v.N33->setEnabled(true);
    v.N3->setEnabled(true);
    v.N2->setEnabled(false);
    expander = slot < kSlotCount;
  }
  st.image[off::kLastNode] = static_cast<uint8_t>(st.treeSelectionIndex & 0xFF);
  v.Nizm->setEnabled(false);
  v.Nudal->setEnabled(false);
  return expander;
}

void addExpander(MainState& st) {
  ExpanderSet set{st.expanderCount, st.expanderMask};
  int slot = -1;
  for (int s = 0; s < kSlotCount && slot < 0; ++s)
    if (st.expanderPresent[static_cast<size_t>(s)] == 0) slot = s;
  addExpanderAt(st.image, set, slot);
  st.expanderCount = set.count;
  st.expanderMask = set.mask;
  if (slot >= 0) st.expanderPresent[static_cast<size_t>(slot)] = 1;
}

}  // namespace orbisk
