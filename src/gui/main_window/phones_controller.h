// The telephones of the selected expander: Add, Change and Delete from the buttons, the pop-ups
// and "Команды" › "Расширитель", the telephone editor, and the rows as in a spreadsheet (several
// selected at once, copied, pasted and deleted in one step).
#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

#include "gui/main_window/main_actions.h"
#include "gui/state/main_state.h"
#include "gui/views/main_views.h"

class QMenu;
class QWidget;

namespace orbisk {

class PhoneCommands;
class Prompter;
class TForm2;

// What the telephones ask of the window around them.
struct PhonesHooks {
  // Runs change as one undo step named what.
  std::function<void(const QString& what, const std::function<void()>& change)> recordChange;
  std::function<void()> refresh;      // every view from the image
  std::function<void()> updateTitle;
  std::function<void()> selectRow;    // the list's current row becomes the selected telephone
  std::function<void()> pastePhones;  // the clipboard's table appended to the expander
};

class PhonesController : public QObject {
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

  QWidget* window_;
  MainState& st_;
  Prompter& prompter_;
  const MainViews& v_;
  PhonesHooks hooks_;
  TForm2* editor_ = nullptr;
  std::unique_ptr<PhoneCommands> commands_;
};

}  // namespace orbisk
