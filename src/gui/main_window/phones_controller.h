// The telephones of the selected expander: Add, Change and Delete from the buttons, the pop-ups
// and "Команды" › "Расширитель", the telephone editor, and the rows as in a spreadsheet (several
// selected at once, copied, pasted and deleted in one step).
#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "gui/main_window/edit_hooks.h"
#include "gui/main_window/main_actions.h"
#include "gui/main_window/window_controller.h"
#include "gui/views/main_views.h"

class QMenu;
class QWidget;

namespace orbisk {

class PhoneCommands;
class Prompter;
class TForm2;

// What the telephones ask of the window around them.
struct PhonesHooks : EditHooks {
  std::function<void()> selectRow;    // the list's current row becomes the selected telephone
  std::function<void()> pastePhones;  // the clipboard's table appended to the expander
};

class PhonesController : public WindowController {
  Q_OBJECT
 public:
  PhonesController(QWidget* window, MainState& st, Prompter& prompter, const MainViews& views, PhonesHooks hooks);
  ~PhonesController() override;

  // Copy, paste and delete of rows in "Правка", their keys only while the list has the focus.
  void addListItems(QMenu* edit);
  // The editor, and Add, Change and Delete on the buttons, pop-ups and menu items.
  void wire(const MainActions& actions);

  void copyRows();
  void deleteRows();  // every selected row, in one step

 private:
  QList<int> selectedRows() const;
  // The row that moved into the deleted one's place is what a second Delete acts on: show it.
  void selectRowAfterDelete();
  void change();

  const MainViews& v_;
  PhonesHooks hooks_;
  TForm2* editor_ = nullptr;
  std::unique_ptr<PhoneCommands> commands_;
};

}  // namespace orbisk
