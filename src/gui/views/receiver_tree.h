// The receiver tree: the receiver node and one node per expander in use.
#pragma once

#include <QString>

#include "gui/state/main_state.h"
#include "core/image/settings_lists.h"
#include "gui/views/main_views.h"

class QTreeWidgetItem;

namespace orbisk {

// The slot a node stands for is read back from its label: the character after the first "-".
int slotFromLabel(const QString& label);

// Rebuild the nodes from the image (count repair, paired telephone-line rule) and reselect the
// remembered node by position. Selection handling is left to the caller.
void rebuildTree(MainState& st, const MainViews& v);

// Absolute index of the selected node: 0 for the receiver or for no selection.
int selectedNodeIndex(const MainViews& v);

// tv1click without the list fill: switches the right side, heading and menu items.
// Returns true when an expander is selected (the caller then fills its list).
bool applyTreeSelection(MainState& st, const MainViews& v);

// N34Click's change of the image: one more expander in the lowest slot not shown.
void addExpander(MainState& st);

}  // namespace orbisk
