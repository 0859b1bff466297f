#include "gui/main_window/transfers_controller.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "core/link/any_port.h"
#include "core/link/link_clock.h"
#include "core/link/link_texts.h"
#include "core/link/link_ui.h"
#include "core/link/receiver.h"
#include "core/link/transfer_progress.h"
#include "gui/dialogs/memory_test_dialog.h"
#include "gui/dialogs/port_dialog.h"
#include "gui/dialogs/trace_dialog.h"
#include "gui/dialogs/trace_texts.h"
#include "gui/main_window/daily_work_texts.h"
#include "gui/main_window/main_actions.h"
#include "gui/main_window/menu_item.h"
#include "gui/main_window/transfer_question_texts.h"
#include "gui/views/main_views.h"
#include "gui/views/settings_panel.h"

namespace orbisk {
namespace {

// What a conversation shows, on the window's widgets.
class MainLinkUi : public LinkUi {
 public:
  MainLinkUi(QWidget& window, const MainViews& v, const StatusWidgets& status, TransfersController& c,
             const TransfersHooks& hooks)
      : window_(window), v_(v), status_(status), c_(c), hooks_(hooks) {}
  void setProgressVisible(bool visible) override {
    // The position is the conversation's to set: the memory test shows the bar as it was left.
    status_.progress->setVisible(visible);
    c_.showTransferControls(visible);
    // Settings edited while bytes are on the wire would be lost or half sent.
    v_.Panel1->setEnabled(!visible);
  }
  void setProgress(int position) override { status_.progress->setValue(position); }
  void setStatusText(const QString& text) override { hooks_.setStatusText(1, text); }
  void setTimeLabels(const QString& l4, const QString& l5) override {
    v_.Panel1->Label4->setText(l4);
    v_.Panel1->Label5->setText(l5);
  }
  void repaintNow() override { window_.repaint(); }
  void refreshViews() override { hooks_.refresh(); }
  void bytesMoved(long done, long total) override { c_.showTransferProgress(done, total, false); }
  void bytesMovedEstimate(long done, long total) override { c_.showTransferProgress(done, total, true); }

 private:
  QWidget& window_;
  const MainViews& v_;
  const StatusWidgets& status_;
  TransfersController& c_;
  const TransfersHooks& hooks_;
};

}  // namespace

TransfersController::TransfersController(QWidget* window, MainState& st, Prompter& prompter, Preferences& prefs,
                                         const MainViews& v, TransfersHooks hooks, PortFactory ports, Clock* clock)
    : WindowController(window, st, prompter), prefs_(prefs), v_(v), hooks_(std::move(hooks)) {
  if (!clock) {
    ownClock_ = std::make_unique<SteadyClock>();
    clock = ownClock_.get();
  }
  linkUi_ = std::make_unique<MainLinkUi>(*window_, v_, status_, *this, hooks_);
  receiver_ = std::make_unique<Receiver>(st_, st_, prompter_, *linkUi_, ports ? std::move(ports) : windowPorts(), *clock,
                                         [] { QApplication::processEvents(); });
}

TransfersController::~TransfersController() = default;

void TransfersController::wire(const MainActions& a, const StatusWidgets& status) {
  status_ = status;
  buildTransferStatus();

  auto on = [this](QAction* action, std::function<bool()> command) {
    connect(action, &QAction::triggered, this, [this, command] { converse(command); });
  };
  auto read = [this] { return checkedRead(true); };
  auto write = [this] { return checkedWrite(); };
  auto compare = [this] { return receiver_->rddump1(); };
  auto sync = [this] { return receiver_->wrdump1(); };
  // The receiver's events cannot be brought back: ask first, naming the port.
  auto clear = [this] {
    if (st_.busy || prompter_.ask(ui::DailyWorkTexts::askClearEvents().arg(st_.portName), false) != Answer::Yes)
      return false;
    return receiver_->clearEventBuffer();
  };
  on(a.readButton, read);
  on(a.writeButton, write);
  for (QAction* item : {a.compareButton, a.compareItem, a.comparePopup}) on(item, compare);
  for (QAction* item : {a.syncButton, a.syncItem, a.syncPopup}) on(item, sync);
  on(a.clearEventsPopup, clear);
  connect(a.versionButton, &QAction::triggered, this, [this] { receiver_->showFirmwareVersion(); });

  portDialog_ = new TForm4(st_, [this](const QString& port) {
    hooks_.setStatusText(0, port);
    showPortFailure({});
  }, window_);
  portDialog_->setPreferences(prefs_);
  for (QAction* item : {a.portItem, a.portButton}) connect(item, &QAction::triggered, this, [this] { choosePort(); });
  memoryTest_ = new TForm6([this] { return memoryTestStep(1); }, [this] { return memoryTestStep(2); }, window_);
  connect(v_.Panel1, &SettingsPanel::serviceShortcut, this, [this] { memoryTest_->exec(); });

  connect(cancelButton_, &QPushButton::clicked, this, [this] { receiver_->requestAbort(); });
  // A pause keeps input out, as it always has, but the window may repaint meanwhile.
  receiver_->link().setPausePump([] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  applyTrace(prefs_.readTrace());
  connect(menuItem(this, a.settings, "NTrace", text::TraceTexts::traceMenuItem()), &QAction::triggered, this,
          [this] { chooseTrace(); });
  addCheckItems(a.settings);
}

bool TransfersController::startupRead() {
  return converse([this] { return checkedRead(false); });
}

PortFactory TransfersController::windowPorts() {
  PortHooks hooks;
  hooks.pump = [] { QApplication::processEvents(); };
  hooks.cancelled = [this] { return receiver_ && receiver_->link().abortRequested(); };
  // The "Порт занят" box stays as it is; why a network port failed is on the status bar.
  hooks.failed = [this](const QString& port, const QString& cause) { showPortFailure(port + QStringLiteral(": ") + cause); };
  return anyPortFactory(hooks);
}

void TransfersController::showPortFailure(const QString& cause) {
  // Panel 0 is narrow for a network port's name: its tool-tip holds all of it.
  status_.panels[0]->setToolTip(cause.isEmpty() ? st_.portName : cause);
  status_.panels[1]->setToolTip(cause);
}

void TransfersController::choosePort() { portDialog_->exec(); }

MemoryTestResult TransfersController::memoryTestStep(int step) {
  MemoryTestResult result = MemoryTestResult::NotStarted;
  converse([&] {
    result = step == 1 ? receiver_->memoryTestStep1() : receiver_->memoryTestStep2();
    return result == MemoryTestResult::Done;
  });
  return result;
}

bool TransfersController::converse(const std::function<bool()>& command) {
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
    QTimer::singleShot(0, window_, &QWidget::close);
  }
  return ok;
}

bool TransfersController::stopForClose() {
  if (!conversing_) return false;
  if (closeAsked_) return true;
  closeAsked_ = true;
  // The transfer runs on while the question is open: a modal wait would run out its time-outs.
  prompter_.askLater(ui::TransferQuestionTexts::stopTransferQuestion(), [this](Answer a) {
    closeAsked_ = false;
    if (a != Answer::Yes) return;
    if (!conversing_) {
      QTimer::singleShot(0, window_, &QWidget::close);
      return;
    }
    closePending_ = true;
    receiver_->requestAbort();
  });
  return true;
}

// Following and stopping a conversation: bytes moved and time left beside status panel 1 and the
// "Прервать" button (Escape).
void TransfersController::buildTransferStatus() {
  transferLabel_ = new QLabel(status_.bar);
  transferLabel_->setObjectName(QStringLiteral("TransferLabel"));
  cancelButton_ = new QPushButton(text::LinkTexts::cancelButton(), status_.bar);
  cancelButton_->setObjectName(QStringLiteral("CancelButton"));
  cancelButton_->setShortcut(QKeySequence(Qt::Key_Escape));
  cancelButton_->setFocusPolicy(Qt::NoFocus);
  // Right of panel 1, before the file path.
  // While it shows it takes the room of the file path, which a transfer does not change.
  status_.bar->insertPermanentWidget(2, transferLabel_, 1);
  status_.bar->insertPermanentWidget(3, cancelButton_);
  transferLabel_->hide();
  cancelButton_->hide();
}

void TransfersController::showTransferControls(bool visible) {
  transferLabel_->setText(QString());
  transferLabel_->setVisible(visible);
  cancelButton_->setVisible(visible);
  // The bytes and the time left must show whole at the window's drawn width: during a transfer
  // panel 1 is only as wide as its opening text, and the path gives way.
  status_.panels[2]->setVisible(!visible);
  if (visible) {
    status_.panels[1]->setMinimumWidth(0);
    status_.panels[1]->setMaximumWidth(status_.panel1Width);
  } else {
    status_.panels[1]->setFixedWidth(status_.panel1Width);
  }
}

void TransfersController::showTransferProgress(long done, long total, bool estimated) {
  transferLabel_->setText(estimated ? estimatedProgressText(done, total) : transferProgressText(done, total));
}

// The serial trace chosen in "Настройки" > "Журнал обмена...".
void TransfersController::applyTrace(const Preferences::Trace& trace) {
  receiver_->link().setTraceFile(trace.on ? trace.file : QString());
}

void TransfersController::chooseTrace() {
  if (st_.busy) return;
  TraceDialog dlg(window_);
  dlg.setTrace(prefs_.readTrace());
  if (dlg.exec() != QDialog::Accepted) return;
  Preferences::Trace chosen = dlg.trace();
  if (chosen.file.isEmpty()) chosen.file = prefs_.readTrace().file;
  prefs_.writeTrace(chosen);
  applyTrace(chosen);
}

}  // namespace orbisk
