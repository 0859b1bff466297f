// What every controller of the main window works with: the window (the parent of its dialogs),
// the window's state and the prompter. A controller is a child of the window.
#pragma once

#include <QObject>
#include <QWidget>

#include "gui/state/main_state.h"

namespace orbisk {

class Prompter;

class WindowController : public QObject {
 protected:
  WindowController(QWidget* window, MainState& st, Prompter& prompter)
      : QObject(window), window_(window), st_(st), prompter_(prompter) {}

  QWidget* window_;
  MainState& st_;
  Prompter& prompter_;
};

}  // namespace orbisk
