// The receiver commands of the main window: tool bar, menus and the start-up read.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

#include "gui/main_window/register_controller.h"
#include "gui/main_window/tform1.h"
#include "core/history/backup_store.h"
#include "core/link/link_clock.h"
#include "gui/dialogs/memory_test_dialog.h"
#include "gui/dialogs/port_dialog.h"
#include "core/link/any_port.h"
#include "core/link/receiver.h"
#include "gui/views/settings_panel.h"
#include "gui/main_window/daily_work_texts.h"

#include <cstring>

namespace orbisk {

// What a conversation shows, on this window's widgets.
class MainLinkUi : public LinkUi {
 public:
  explicit MainLinkUi(TForm1& f, const MainViews& v) : f_(f), v_(v) {}
  void setProgressVisible(bool visible) override {
    // The position is the conversation's to set: the memory test shows the bar as it was left.
    f_.progressBar()->setVisible(visible);
    f_.showTransferControls(visible);
    // Settings edited while bytes are on the wire would be lost or half sent.
    v_.Panel1->setEnabled(!visible);
  }
  void setProgress(int position) override { f_.progressBar()->setValue(position); }
  void setStatusText(const QString& text) override { f_.setStatusText(1, text); }
  void setTimeLabels(const QString& l4, const QString& l5) override {
    v_.Panel1->Label4->setText(l4);
    v_.Panel1->Label5->setText(l5);
  }
  void repaintNow() override { f_.repaint(); }
  void refreshViews() override { f_.obrfile(); }
  void bytesMoved(long done, long total) override { f_.showTransferProgress(done, total, false); }
  void bytesMovedEstimate(long done, long total) override { f_.showTransferProgress(done, total, true); }

 private:
  TForm1& f_;
  const MainViews& v_;
};

void TForm1::wireReceiver(PortFactory ports, Clock* clock) {
  if (!clock) {
    ownClock_ = std::make_unique<SteadyClock>();
    clock = ownClock_.get();
  }
  linkUi_ = std::make_unique<MainLinkUi>(*this, v_);
  receiver_ = std::make_unique<Receiver>(st_, st_, *prompter_, *linkUi_, ports ? std::move(ports) : windowPorts(), *clock,
                                         [] { QApplication::processEvents(); });
  firstActivationRead = [this] { return converse([this] { return checkedRead(false); }); };

  auto on = [this](QAction* action, std::function<bool()> command) {
    connect(action, &QAction::triggered, this, [this, command] { converse(command); });
  };
  auto read = [this] { return checkedRead(true); };
  auto write = [this] { return checkedWrite(); };
  auto compare = [this] { return receiver_->rddump1(); };
  auto sync = [this] { return receiver_->wrdump1(); };
  // The receiver's events cannot be brought back: ask first, naming the port.
  auto clear = [this] {
    if (st_.busy || prompter_->ask(ui::kAskClearEvents.arg(st_.portName), false) != Answer::Yes) return false;
    return receiver_->clearEventBuffer();
  };
  on(a_.readButton, read);
  on(a_.writeButton, write);
  for (QAction* a : {a_.compareButton, a_.compareItem, a_.comparePopup}) on(a, compare);
  for (QAction* a : {a_.syncButton, a_.syncItem, a_.syncPopup}) on(a, sync);
  on(a_.clearEventsPopup, clear);
  for (QAction* a : {a_.defaultsButton, a_.defaultsItem, a_.defaultsPopup})
    connect(a, &QAction::triggered, this, [this] { ToolButton14Click(); });
  connect(a_.versionButton, &QAction::triggered, this, [this] { receiver_->showFirmwareVersion(); });

  PortDialog = new TForm4(st_, [this](const QString& port) {
    setStatusText(0, port);
    showPortFailure({});
  }, this);
  PortDialog->setPreferences(prefs_);
  for (QAction* a : {a_.portItem, a_.portButton}) connect(a, &QAction::triggered, this, [this] { N17Click(); });
  MemoryTest = new TForm6([this] { return memoryTestStep(1); }, [this] { return memoryTestStep(2); }, this);
  connect(v_.Panel1, &SettingsPanel::serviceShortcut, this, [this] { MemoryTest->exec(); });
  wireTransferControls(a_.settings);
  register_->wire(a_.settings, *receiver_);
}

PortFactory TForm1::windowPorts() {
  PortHooks hooks;
  hooks.pump = [] { QApplication::processEvents(); };
  hooks.cancelled = [this] { return receiver_ && receiver_->link().abortRequested(); };
  // The "Порт занят" box stays as it is; why a network port failed is on the status bar.
  hooks.failed = [this](const QString& port, const QString& cause) { showPortFailure(port + QStringLiteral(": ") + cause); };
  return anyPortFactory(hooks);
}

void TForm1::showPortFailure(const QString& cause) {
  // Panel 0 is narrow for a network port's name: its tool-tip holds all of it.
  statusPanels_[0]->setToolTip(cause.isEmpty() ? st_.portName : cause);
  statusPanels_[1]->setToolTip(cause);
}

void TForm1::N17Click() { PortDialog->exec(); }

MemoryTestResult TForm1::memoryTestStep(int step) {
  MemoryTestResult result = MemoryTestResult::NotStarted;
  converse([&] {
    result = step == 1 ? receiver_->memoryTestStep1() : receiver_->memoryTestStep2();
    return result == MemoryTestResult::Done;
  });
  return result;
}

bool TForm1::converse(const std::function<bool()>& command) {
  // A command clicked while another conversation pumps events finds busy set and returns at
  // once; only the outermost one owns the close that may be waiting.
  const bool outermost = !conversing_;
  if (outermost) showPortFailure({});
  conversing_ = true;
  const bool ok = command();
  if (!outermost) return ok;
  conversing_ = false;
  receiver_->link().clearAbort();
  // A close asked for during the conversation goes ahead now that the port is closed.
  if (closePending_) {
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
  return ok;
}

void TForm1::ToolButton14Click() {
  recordChange(ui::kStepDefaults, [this] {
    const QByteArray before(reinterpret_cast<const char*>(st_.image.data() + off::kSettings), off::kSettingsSize);
    st_.image.factoryDefaults();
    // A change like any other: "Выход" must ask before it is lost.
    if (std::memcmp(before.constData(), st_.image.data() + off::kSettings, off::kSettingsSize) != 0) st_.modified = true;
    obrfile();
  });
  updt1();
}


}  // namespace orbisk
