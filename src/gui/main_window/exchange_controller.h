// Telephone lists in bulk: import and export of CSV files and .xlsx workbooks, copy and paste
// between expanders through the clipboard, and the find. It owns its menu items and the find
// window.
#pragma once

#include <functional>

#include "gui/main_window/edit_hooks.h"
#include "gui/main_window/window_controller.h"
#include "gui/views/main_views.h"

class QMenu;
class QWidget;

namespace orbisk {

class FindDialog;
class Prompter;

class ExchangeController : public WindowController {
  Q_OBJECT
 public:
  // views: where a found telephone is shown.
  ExchangeController(QWidget* window, MainState& st, Prompter& prompter, const MainViews& views, EditHooks hooks);

  void addFileItems(QMenu* file);          // "Импорт телефонов...", "Экспорт телефонов..."
  void addCommandItems(QMenu* commands);   // "Найти телефон..."
  void addPopupItems(QMenu* treePopup);    // copy and paste of an expander's telephones

  void importPhones();
  void importPhonesFile(const QString& path);  // also a table dropped on the window
  void exportPhones();
  void copyPhones();
  void pastePhones();
  void findPhone();
  void findNextPhone(const QString& text);
  void findNextAgain();  // F3: the last text again, or the find window

 private:
  void applyImport(const ConfigImage& built);

  const MainViews& v_;
  EditHooks hooks_;
  FindDialog* find_ = nullptr;
};

}  // namespace orbisk
