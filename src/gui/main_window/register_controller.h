// The register of receivers in the desktop program: the "Приемники..." item and its window,
// choosing a receiver for the port and the title, the conversations started from that window,
// and the audit trail every conversation of the window's Receiver is logged in.
#pragma once

#include <QHash>
#include <functional>

#include "gui/main_window/main_actions.h"
#include "gui/main_window/window_controller.h"

class QAction;
class QMenu;
class QWidget;

namespace orbisk {

class HistoryController;
class Prompter;
class Receiver;
class ReceiversDialog;

// What the register asks of the window around it.
struct RegisterHooks {
  std::function<void(const QString& path)> openNamed;  // a receiver's configuration file
  std::function<void()> updateTitle;
};

class RegisterController : public WindowController {
  Q_OBJECT
 public:
  // actions: the tool bar's read, write and clock, run for a receiver of the register's window.
  RegisterController(QWidget* window, MainState& st, Prompter& prompter, const MainActions& actions,
                     HistoryController& history, RegisterHooks hooks);

  // The "Приемники..." item in settings, and the trail of every conversation receiver holds.
  void wire(QMenu* settings, Receiver& receiver);

  void showReceivers();
  void chooseReceiver(const QString& name, const QString& port);
  // The register's names by the backup folders they are filed in; empty without the register.
  QHash<QString, QString> receiverNamesByFolder() const;
  ReceiversDialog* receiversDialog() const { return dialog_; }

 private:
  // Runs the tool bar's action for the receiver chosen in the register's window.
  void runFor(const QString& name, const QString& port, QAction* action);

  const MainActions& a_;
  HistoryController& history_;
  RegisterHooks hooks_;
  ReceiversDialog* dialog_ = nullptr;
  QString auditComment_;      // typed in the register's window for the conversation it starts
  bool auditWarned_ = false;  // a trail that cannot be written is told once a run
};

}  // namespace orbisk
