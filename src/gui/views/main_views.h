// The main window's widgets that the views switch and fill, handed to the view code.
#pragma once

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace orbisk {

class SettingsPanel;

struct MainViews {
  QTreeWidget* TreeView1 = nullptr;   // receiver and expanders
  QTreeWidget* ListView1 = nullptr;   // telephones of the selected expander (report style)
  SettingsPanel* Panel1 = nullptr;    // receiver settings
  QWidget* Panel2 = nullptr;          // telephone buttons
  QPushButton* Bdobtel = nullptr;
  QPushButton* Bizmtel = nullptr;
  QPushButton* Budaltel = nullptr;
  QLabel* Label1 = nullptr;           // heading over the right side
  QMenu* N2 = nullptr;                // "Команды" > "Приемник"
  QMenu* N3 = nullptr;                // "Команды" > "Расширитель"
  QAction* N33 = nullptr;             // tree pop-up "Телефонный номер"
  QAction* Ndobav = nullptr;          // list pop-up
  QAction* Nizm = nullptr;
  QAction* Nudal = nullptr;
};

}  // namespace orbisk
