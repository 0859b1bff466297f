// A main window with scripted prompts and throw-away preferences, in a temporary current folder.
#pragma once

#include <QAction>
#include <QTreeWidget>
#include <memory>

#include "gui/main_window/tform1.h"
#include "sim/receiver_engine.h"
#include "support/fake_clock.h"
#include "support/fake_port.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

namespace orbisk::test {

struct MainWindowFixture {
  TempCwd dir;
  ScriptedPrompter prompter;
  // The receiver on the other end of the line is simulated, on a clock that only moves when waited on.
  FakeClock clock;
  sim::ReceiverEngine engine;
  FakeLine line{clock, &engine};
  std::unique_ptr<TForm1> form;

  MainWindowFixture()
      : form(std::make_unique<TForm1>(&prompter, Preferences(dir.path("prefs.ini")), line.factory(), &clock)) {
    // The fake line answers whatever the port is called; no device of this machine is probed.
    form->serialPorts = [] { return QStringList{QStringLiteral("COM1")}; };
  }
  ~MainWindowFixture() {
    // Nothing may ask anything while the window goes away.
    form->state().modified = false;
  }

  MainState& st() { return form->state(); }
  ConfigImage& img() { return form->state().image; }
  const MainViews& v() { return form->views(); }
  QAction* action(const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

  // Expanders in the given slotList, each with `phones` telephones; then the view refresh.
  void setExpanders(std::initializer_list<int> slotList, int phones = 0);
  // The simulated receiver holds the sample configuration, its channel types and model.
  void loadSampleReceiver();
  // Selects the tree node with this absolute index (0 = receiver).
  void selectNode(int index);
  int nodeCount() { return v().TreeView1->topLevelItem(0)->childCount(); }
  QString nodeLabel(int index) { return v().TreeView1->topLevelItem(0)->child(index - 1)->text(0); }
};

}  // namespace orbisk::test
