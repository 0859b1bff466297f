// The main window: owns the configuration and its working state, and wires every command.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "core/state/prompter.h"
#include "gui/state/main_state.h"
#include "core/link/serial_port.h"
#include "gui/views/main_views.h"
#include "gui/main_window/edit_hooks.h"
#include "gui/main_window/main_actions.h"
#include "core/state/preferences.h"

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QProgressBar;
class QToolBar;

namespace orbisk {

struct TransferReport;

class Clock;
class ConfigUndo;
class FilesController;
class ReportController;
class HistoryController;
class ExchangeController;
class PhonesController;
class RegisterController;
enum class BackupKind;
class LinkUi;
class Receiver;
class TAboutBox;
class TForm3;
class TForm4;
class TForm6;
enum class MemoryTestResult;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // prompter: null = real message boxes. The window does not own an injected prompter.
  // Tests hand in a fake port and clock; null means the real serial port and the system clock.
  explicit TForm1(Prompter* prompter = nullptr, Preferences prefs = Preferences(), PortFactory ports = {},
                  Clock* clock = nullptr, QWidget* parent = nullptr);
  ~TForm1() override;

  MainState& state() { return st_; }
  Prompter& prompter() { return *prompter_; }
  const MainViews& views() const { return v_; }

  void FormActivate();  // run on every activation; the first one reads the receiver
  void obrfile();       // rebuild every view from the image
  void updt1();         // title and status panel 2
  void tv1click();      // tree selection
  void lvclick();       // list row selection

  // Opened at the first activation instead of the start-up read from the receiver.
  void openAtStart(const QString& path) { startFile_ = path; }
  // Serial ports that can be opened now, in order: the first is used when none is stored.
  std::function<QStringList()> serialPorts;
  // Undo and redo (tform1_edit.cpp): every change to the image runs through recordChange.
  ConfigUndo& undo() { return *undo_; }
  void recordChange(const QString& what, const std::function<void()>& change);
  void DeleteExpanderClick();
  void N14Click();      // expander dialog
  void N34Click();      // add an expander
  void About1Click();
  void ToolButton14Click();  // factory defaults
  void N17Click();           // port selection
  void TraceClick();         // "Журнал обмена..."
  Receiver& receiver() { return *receiver_; }
  // New, Open, Save, Save as, the recent files, files dropped on the window.
  FilesController& files() { return *files_; }
  // The report's menu items and what they start.
  ReportController& report() { return *report_; }
  // Backups, the history window and the comparisons.
  HistoryController& history() { return *history_; }
  // Telephone lists in bulk: import, export, copy and paste, find.
  ExchangeController& exchange() { return *exchange_; }
  // The telephones of the selected expander: the editor, Add, Change, Delete, rows.
  PhonesController& phones() { return *phones_; }
  // The register of receivers and the audit trail.
  RegisterController& receivers() { return *register_; }

  // Set by later parts of the program: the read at first activation (true = success).
  std::function<bool()> firstActivationRead;

  void setStatusText(int panel, const QString& text);
  QString statusText(int panel) const;
  QProgressBar* progressBar() const { return ProgressBar1; }
  // Beside status panel 1 while a conversation runs.
  void showTransferControls(bool visible);
  void showTransferProgress(long done, long total, bool estimated = false);
  QPushButton* cancelButton() const { return CancelButton; }

 protected:
  void changeEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  void buildMenus();
  // One undo step, refresh and title for the controllers that change the configuration.
  EditHooks editHooks();
  void buildEditMenu(QMenuBar* bar);
  void layOutCentre(QWidget* centre, QLabel* treeCaption);
  // With nothing stored, a port that exists here rather than a name from another system.
  void chooseFirstPort(bool portStored);
  // The first activation's work: the file named at start, or the read from the receiver.
  void startWork(bool portStored);
  void buildToolBar();
  void buildCentre();
  void buildStatusBar();
  void buildPopups();
  void wireReceiver(PortFactory ports, Clock* clock);
  void buildTransferStatus();
  void wireTransferControls(QMenu* settings);
  void applyTrace(const Preferences::Trace& trace);
  // Runs a receiver conversation; a close asked for meanwhile happens once it has ended.
  bool converse(const std::function<bool()>& command);
  // The port every conversation opens, local or on the network, telling the status bar why it failed.
  PortFactory windowPorts();
  // On the tool-tips of status panels 0 and 1 until the next conversation; empty shows the port.
  void showPortFailure(const QString& cause);
  // Asks whether to end the running conversation and close; true while one runs.
  bool stopConversationForClose();
  // The tool bar's read and write through the checked transfers.
  bool checkedRead(bool fromButton);
  // "Сравнить с приемником": the receiver into image, not into the window's document.
  bool readForComparison(ConfigImage& image);
  bool checkedWrite();
  bool confirmWrite();
  bool verifyWrites();
  QString changesSinceLastBackup() const;
  std::unique_ptr<ConfigImage> likelyReceiverContents() const;
  // The backup a transfer kept, or why none, in the status bar's tool-tip: panel 1 keeps the
  // transfer's own text.
  void tellTransfer(const TransferReport& r);
  void buildCheckItems(QMenu* settings);
  MemoryTestResult memoryTestStep(int step);
  bool FormClose();  // false keeps the window open

  // The status bar's panels as drawn: the port, the link's texts, the file path (the rest).
  static constexpr int kStatusWidths[3] = {100, 250, 0};

  MainState st_;
  std::unique_ptr<ConfigUndo> undo_;
  QString startFile_;
  std::unique_ptr<Prompter> ownPrompter_;
  Prompter* prompter_;
  Preferences prefs_;
  MainViews v_;
  MainActions a_;
  FilesController* files_;  // a child of the window
  ReportController* report_;  // a child of the window
  HistoryController* history_;  // a child of the window
  ExchangeController* exchange_;  // a child of the window
  PhonesController* phones_;      // a child of the window
  RegisterController* register_;  // a child of the window

  QProgressBar* ProgressBar1 = nullptr;
  QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
  QLabel* TransferLabel = nullptr;
  QPushButton* CancelButton = nullptr;
  TForm3* ExpanderDialog = nullptr;
  TForm4* PortDialog = nullptr;
  TForm6* MemoryTest = nullptr;
  std::unique_ptr<Clock> ownClock_;
  std::unique_ptr<LinkUi> linkUi_;
  std::unique_ptr<Receiver> receiver_;
  bool conversing_ = false;
  bool closePending_ = false;
  bool closeAsked_ = false;  // the question about ending a transfer to close is open
  TAboutBox* AboutBox = nullptr;
};

}  // namespace orbisk
