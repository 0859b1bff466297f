// The main window's actions that are built with the menus and tool bar but started elsewhere
// (the conversations, the telephones, the register): held by type, so a renamed or missing item
// fails to compile instead of connecting nothing.
#pragma once

class QAction;
class QMenu;

namespace orbisk {

struct MainActions {
  QMenu* settings = nullptr;  // "Настройки"
  // Tool bar.
  QAction* newButton = nullptr;       // ToolButton1
  QAction* openButton = nullptr;      // ToolButton2
  QAction* saveButton = nullptr;      // ToolButton3
  QAction* portButton = nullptr;      // ToolButton9
  QAction* readButton = nullptr;      // ToolButton6
  QAction* writeButton = nullptr;     // ToolButton7
  QAction* compareButton = nullptr;   // ToolButton11
  QAction* syncButton = nullptr;      // ToolButton13
  QAction* defaultsButton = nullptr;  // ToolButton14
  QAction* versionButton = nullptr;   // ToolButton4
  // "Команды" › "Приемник" and "Настройки".
  QAction* defaultsItem = nullptr;  // N6
  QAction* compareItem = nullptr;   // N7
  QAction* syncItem = nullptr;      // N8
  QAction* portItem = nullptr;      // N17
  // "Команды" › "Расширитель".
  QAction* addPhoneItem = nullptr;     // NDobtel
  QAction* changePhoneItem = nullptr;  // Nizmtel
  QAction* deletePhoneItem = nullptr;  // N11
  // The settings panel's pop-up.
  QAction* comparePopup = nullptr;   // N24
  QAction* syncPopup = nullptr;      // N25
  QAction* defaultsPopup = nullptr;  // N1
  QAction* clearEventsPopup = nullptr;  // N10
};

}  // namespace orbisk
