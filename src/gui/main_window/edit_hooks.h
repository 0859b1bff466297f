// What a controller that changes the configuration asks of the main window: one undo step per
// change, then the views and the title shown anew.
#pragma once

#include <QString>
#include <functional>

namespace orbisk {

struct EditHooks {
  // Runs change as one undo step named what.
  std::function<void(const QString& what, const std::function<void()>& change)> recordChange;
  std::function<void()> refresh;  // every view from the image
  std::function<void()> updateTitle;
};

}  // namespace orbisk
