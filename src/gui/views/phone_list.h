// The telephone list of the selected expander.
#pragma once

#include "gui/state/main_state.h"
#include "gui/views/main_views.h"

namespace orbisk {

constexpr int kListHeaderWidthWide = 110;
constexpr int kListHeaderWidthNarrow = 94;
// The columns as drawn: number, object, event, zone, partition, comment. A fill keeps them
// as the least, wider where a value needs it.
constexpr int kDrawnColumnWidths[6] = {200, 75, 75, 75, 71, 130};

// zaplistview: rows from the image; a telephone-line expander hides the list instead.
void zaplistview(MainState& st, const MainViews& v);
// lvclick: remember the selected row, enable or disable Change and Delete.
void lvclick(MainState& st, const MainViews& v);

}  // namespace orbisk
