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
class QMenuBar;
class QProgressBar;

namespace Ui {
class Centre;
}

namespace orbisk {

class Clock;
class ConfigUndo;
class FilesController;
class TransfersController;
class ReportController;
class HistoryController;
class ExchangeController;
class PhonesController;
class RegisterController;
class TAboutBox;
class TForm3;

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
  // The conversations with the receiver, the port, the trace, following a transfer.
  TransfersController& transfers() { return *transfers_; }
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
  // With nothing stored, a port that exists here rather than a name from another system.
  void chooseFirstPort(bool portStored);
  // The first activation's work: the file named at start, or the read from the receiver.
  void startWork(bool portStored);
  void buildToolBar();
  void buildCentre();
  void placeSettingsPanel(Ui::Centre& form);
  void buildStatusBar();
  void buildPopups();
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
  TransfersController* transfers_;  // a child of the window
  ReportController* report_;  // a child of the window
  HistoryController* history_;  // a child of the window
  ExchangeController* exchange_;  // a child of the window
  PhonesController* phones_;      // a child of the window
  RegisterController* register_;  // a child of the window

  QProgressBar* ProgressBar1 = nullptr;
  QLabel* statusPanels_[3] = {nullptr, nullptr, nullptr};
  TForm3* ExpanderDialog = nullptr;
  TAboutBox* AboutBox = nullptr;
};

}  // namespace orbisk
