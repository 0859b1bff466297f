#include "gui/main_window/register_controller.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "core/link/receiver.h"
#include "gui/dialogs/receivers_texts.h"
#include "gui/main_window/history_controller.h"
#include "core/state/prompter.h"

#ifdef ORBISK_REGISTER
#include "core/history/backup_store.h"
#include "core/register/audit_log.h"
#include "gui/dialogs/receiver_trail_dialog.h"
#include "gui/dialogs/receivers_dialog.h"
#else
#include "core/register/register_texts.h"
#endif

namespace orbisk {

#ifdef ORBISK_REGISTER

namespace {

// The latest file kept of a receiver's successful read, backup or write, or empty.
QString lastBackupOf(const QString& name) {
  RegisterDb db;
  const auto entries = AuditLog(db).entries(name);
  if (!entries) return {};
  for (auto e = entries->rbegin(); e != entries->rend(); ++e)
    if (e->result == QLatin1String("ok") && !e->file.isEmpty() && e->action != QLatin1String("verify")) return e->file;
  return {};
}

}  // namespace

void RegisterController::wire(QMenu* settings, Receiver& receiver) {
  QAction* item = settings->addAction(text::ReceiversTexts::receiversMenuItem());
  item->setObjectName(QStringLiteral("ReceiversItem"));
  connect(item, &QAction::triggered, this, [this] { showReceivers(); });
  receiver.setAuditHook([this](const AuditEvent& e) {
    const QString problem = recordAudit({st_.chosenReceiver(), st_.portName, auditComment_, false}, e);
    if (problem.isEmpty() || auditWarned_) return;
    auditWarned_ = true;  // the transfer's own result follows; one warning is enough
    prompter_.message(problem);
  });
}

void RegisterController::showReceivers() {
  if (!dialog_) {
    dialog_ = new ReceiversDialog(window_);
    using R = const RegisteredReceiver&;
    connect(dialog_, &ReceiversDialog::chooseRequested, this, [this](R r) { chooseReceiver(r.name, r.port); });
    connect(dialog_, &ReceiversDialog::readRequested, this, [this](R r) { runFor(r.name, r.port, a_.readButton); });
    connect(dialog_, &ReceiversDialog::writeRequested, this, [this](R r) { runFor(r.name, r.port, a_.writeButton); });
    connect(dialog_, &ReceiversDialog::syncRequested, this, [this](R r) { runFor(r.name, r.port, a_.syncButton); });
    connect(dialog_, &ReceiversDialog::openRequested, this, [this](R r) {
      if (r.configFile.isEmpty()) return prompter_.message(text::ReceiversTexts::receiverNoConfig().arg(r.name));
      chooseReceiver(r.name, r.port);
      hooks_.openNamed(r.configFile);
      hooks_.updateTitle();
    });
    connect(dialog_, &ReceiversDialog::compareRequested, this, [this](R r) {
      const QString backup = lastBackupOf(r.name);
      if (backup.isEmpty()) return prompter_.message(text::ReceiversTexts::receiverNoBackup().arg(r.name));
      history_.compareWithBackup(backup);
    });
    connect(dialog_, &ReceiversDialog::backupsRequested, this, [this](R r) { history_.showHistory(r.name); });
    connect(dialog_, &ReceiversDialog::trailRequested, this, [this](R r) {
      auto* trail = new ReceiverTrailDialog(r.name, window_);
      trail->setAttribute(Qt::WA_DeleteOnClose);
      trail->show();
    });
  }
  dialog_->reload();
  dialog_->show();
  dialog_->raise();
}

QHash<QString, QString> RegisterController::receiverNamesByFolder() const {
  if (!QFileInfo::exists(registerPath())) return {};  // looking at the history makes no register
  RegisterDb db;
  QHash<QString, QString> names;
  for (const RegisteredReceiver& r : ReceiverRegister(db).list().value_or(std::vector<RegisteredReceiver>{}))
    names.insert(receiverFileName(r.name), r.name);
  return names;
}

void RegisterController::runFor(const QString& name, const QString& port, QAction* action) {
  if (st_.busy) return;
  chooseReceiver(name, port);
  auditComment_ = dialog_ ? dialog_->Comment->text() : QString();
  action->trigger();  // its confirmation and checks included
  auditComment_.clear();
  if (dialog_) dialog_->reload();
}

#else

void RegisterController::wire(QMenu* settings, Receiver&) {
  QAction* item = settings->addAction(text::ReceiversTexts::receiversMenuItem());
  item->setObjectName(QStringLiteral("ReceiversItem"));
  connect(item, &QAction::triggered, this, [this] { showReceivers(); });
}

void RegisterController::showReceivers() { prompter_.message(reg::RegisterTexts::notInThisBuild()); }

void RegisterController::runFor(const QString&, const QString&, QAction*) {}

QHash<QString, QString> RegisterController::receiverNamesByFolder() const { return {}; }

#endif

RegisterController::RegisterController(QWidget* window, MainState& st, Prompter& prompter, const MainActions& actions,
                                       HistoryController& history, RegisterHooks hooks)
    : WindowController(window, st, prompter),
      a_(actions),
      history_(history),
      hooks_(std::move(hooks)) {}

void RegisterController::chooseReceiver(const QString& name, const QString& port) {
  if (st_.busy) return;
  st_.portName = port;
  st_.receiverName = name;
  st_.receiverPort = port;
  hooks_.updateTitle();
}

}  // namespace orbisk
