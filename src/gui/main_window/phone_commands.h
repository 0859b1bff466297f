// Add, Change and Delete on the telephones of the selected expander.
// No widgets here: the editor, the view refresh, the title and the tree focus come in as callbacks.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "gui/state/main_state.h"
#include "core/state/prompter.h"

namespace orbisk {

class PhoneListTexts {
  Q_DECLARE_TR_FUNCTIONS(PhoneListTexts)

 public:
  static QString phoneListFull() {
    return tr("Список телефонов расширителя заполнен (200 телефонов), больше добавить нельзя");
  }
};

// Values of MainState::editorMode.
constexpr int kEditorAdd = 1;
constexpr int kEditorChange = 2;
constexpr int kEditorDelete = 3;

class PhoneCommands {
 public:
  // showEditor runs the telephone editor modally and returns true for OK.
  PhoneCommands(MainState& state, Prompter& prompter, std::function<bool()> showEditor,
                std::function<void()> refreshViews, std::function<void()> updateTitle,
                std::function<void()> focusTree);

  void BdobtelClick();   // Add
  void BizmtelClick();   // Change, also the list's double click
  void BudaltelClick();  // Delete, without a question

 private:
  bool expanderSelected() const;
  bool phoneSelected() const;
  void afterEditor(bool ok);

  MainState& st_;
  Prompter& prompter_;
  std::function<bool()> showEditor_;
  std::function<void()> refresh_;
  std::function<void()> title_;
  std::function<void()> focusTree_;
};

}  // namespace orbisk
