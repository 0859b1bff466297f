// The conversations with the receiver: the tool bar's and menus' read, write, clock, event buffer
// and firmware version, the port dialog, the memory test, the serial trace, the checks of reads
// and writes, and following and stopping a transfer beside status panel 1. It owns the
// `Receiver` and everything a conversation shows.
#pragma once

#include <functional>
#include <memory>

#include "core/link/serial_port.h"
#include "core/state/preferences.h"
#include "gui/main_window/window_controller.h"

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace orbisk {

class Clock;
class ConfigImage;
class LinkUi;
class Receiver;
class TForm4;
class TForm6;
struct MainActions;
struct MainViews;
struct TransferReport;
enum class MemoryTestResult;

// What the conversations ask of the window around them.
struct TransfersHooks {
  std::function<void()> refresh;        // every view from the image
  std::function<void()> clearUndo;      // a read replaced the configuration: nothing leads back
  std::function<bool()> promptUnsaved;  // before the tool bar's read; false abandons it
  std::function<void(int panel, const QString& text)> setStatusText;
  std::function<QString(int panel)> statusText;
};

// The window's status bar as the conversations use it: the port (0), the link's texts (1), the
// file path (2), and the progress bar under the tree.
struct StatusWidgets {
  QStatusBar* bar = nullptr;
  QLabel* panels[3] = {nullptr, nullptr, nullptr};
  int panel1Width = 0;  // as drawn, when no transfer runs
  QProgressBar* progress = nullptr;
};

class TransfersController : public WindowController {
  Q_OBJECT
 public:
  // Tests hand in a fake port and clock; empty and null mean the real ports and the system clock.
  TransfersController(QWidget* window, MainState& st, Prompter& prompter, Preferences& prefs, const MainViews& v,
                      TransfersHooks hooks, PortFactory ports, Clock* clock);
  ~TransfersController() override;

  // Connects the conversations to their items and buttons, builds the transfer's status beside
  // panel 1 and adds "Журнал обмена..." and the checks to "Настройки".
  void wire(const MainActions& a, const StatusWidgets& status);

  Receiver& receiver() { return *receiver_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  // The read at the first activation; true when the configuration arrived.
  bool startupRead();
  // "Сравнить с приемником": the receiver into image, not into the window's document.
  bool readForComparison(ConfigImage& image);
  void choosePort();  // "Порт"
  void chooseTrace();  // "Журнал обмена..."
  // Asks whether to end the running conversation and close; true while one runs.
  bool stopForClose();

  // Beside status panel 1 while a conversation runs.
  void showTransferControls(bool visible);
  void showTransferProgress(long done, long total, bool estimated);

 private:
  // Runs a receiver conversation; a close asked for meanwhile happens once it has ended.
  bool converse(const std::function<bool()>& command);
  // The port every conversation opens, local or on the network, telling the status bar why it failed.
  PortFactory windowPorts();
  // On the tool-tips of status panels 0 and 1 until the next conversation; empty shows the port.
  void showPortFailure(const QString& cause);
  void buildTransferStatus();
  void applyTrace(const Preferences::Trace& trace);
  void addCheckItems(QMenu* settings);
  MemoryTestResult memoryTestStep(int step);

  // transfers_checked.cpp: the tool bar's read and write through the checked transfers.
  bool checkedRead(bool fromButton);
  bool checkedWrite();
  bool confirmWrite();
  bool verifyWrites();
  QString changesSinceLastBackup() const;
  std::unique_ptr<ConfigImage> likelyReceiverContents() const;
  // The backup a transfer kept, or why none, in the status bar's tool-tip: panel 1 keeps the
  // transfer's own text.
  void tellTransfer(const TransferReport& r);

  Preferences& prefs_;
  const MainViews& v_;
  TransfersHooks hooks_;
  StatusWidgets status_;
  std::unique_ptr<Clock> ownClock_;
  std::unique_ptr<LinkUi> linkUi_;
  std::unique_ptr<Receiver> receiver_;
  QLabel* transferLabel_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  TForm4* portDialog_ = nullptr;
  TForm6* memoryTest_ = nullptr;
  bool conversing_ = false;
  bool closePending_ = false;
  bool closeAsked_ = false;  // the question about ending a transfer to close is open
};

}  // namespace orbisk
