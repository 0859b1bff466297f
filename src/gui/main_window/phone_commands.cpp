#include "gui/main_window/phone_commands.h"

#include "core/records/phone_table.h"

namespace orbisk {

PhoneCommands::PhoneCommands(MainState& state, Prompter& prompter, std::function<bool()> showEditor,
                             std::function<void()> refreshViews, std::function<void()> updateTitle,
                             std::function<void()> focusTree)
    : st_(state),
      prompter_(prompter),
      showEditor_(std::move(showEditor)),
      refresh_(std::move(refreshViews)),
      title_(std::move(updateTitle)),
      focusTree_(std::move(focusTree)) {}

bool PhoneCommands::expanderSelected() const {
  return st_.currentExpander >= 0 && st_.currentExpander < kSlotCount;
}

// The remembered row must still be a record of this expander, and one the table can hold.
bool PhoneCommands::phoneSelected() const {
  return expanderSelected() && st_.phoneSelected() && st_.currentPhoneIndex < kMaxPhones;
}

void PhoneCommands::afterEditor(bool ok) {
  if (ok) {
    if (refresh_) refresh_();
  } else if (focusTree_) {
    focusTree_();
  }
  if (title_) title_();
}

void PhoneCommands::BdobtelClick() {
  if (st_.busy) return;
  st_.editorMode = kEditorAdd;
  if (!expanderSelected()) return;
  if (st_.image.phoneCount(st_.currentExpander) >= kMaxPhones) {
    prompter_.message(PhoneListTexts::phoneListFull());
    return;
  }
  afterEditor(showEditor_ && showEditor_());
}

void PhoneCommands::BizmtelClick() {
  if (!expanderSelected() || st_.busy) return;
  if (!phoneSelected()) return;
  st_.editorMode = kEditorChange;
  afterEditor(showEditor_ && showEditor_());
}

void PhoneCommands::BudaltelClick() {
  if (!expanderSelected() || st_.busy) return;
  if (!phoneSelected()) return;
  st_.busy = true;
  st_.editorMode = kEditorDelete;
  if (removePhone(st_.image, st_.currentExpander, st_.currentPhoneIndex)) st_.modified = true;
  if (refresh_) refresh_();
  if (title_) title_();
  st_.busy = false;
}

}  // namespace orbisk
