// The register of receivers in the desktop program: the "Приемники..." item, choosing a
// receiver for the port and the title, the conversations started from the window, and the
// audit trail every conversation of the window's Receiver is logged in.
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "core/link/receiver.h"
#include "gui/dialogs/receivers_texts.h"
#include "gui/main_window/history_controller.h"
#include "gui/main_window/tform1.h"

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

void TForm1::wireRegister(QMenu* settings) {
  QAction* item = settings->addAction(text::kReceiversMenuItem);
  item->setObjectName(QStringLiteral("ReceiversItem"));
  connect(item, &QAction::triggered, this, [this] { showReceivers(); });
  receiver_->setAuditHook([this](const AuditEvent& e) {
    const QString problem = recordAudit({st_.chosenReceiver(), st_.portName, auditComment_, false}, e);
    if (problem.isEmpty() || auditWarned_) return;
    auditWarned_ = true;  // the transfer's own result follows; one warning is enough
    prompter_->message(problem);
  });
}

void TForm1::showReceivers() {
  if (!Receivers) {
    Receivers = new ReceiversDialog(this);
    using R = const RegisteredReceiver&;
    connect(Receivers, &ReceiversDialog::chooseRequested, this, [this](R r) { chooseReceiver(r.name, r.port); });
    connect(Receivers, &ReceiversDialog::readRequested, this, [this](R r) { runForReceiver(r.name, r.port, a_.readButton); });
    connect(Receivers, &ReceiversDialog::writeRequested, this, [this](R r) { runForReceiver(r.name, r.port, a_.writeButton); });
    connect(Receivers, &ReceiversDialog::syncRequested, this, [this](R r) { runForReceiver(r.name, r.port, a_.syncButton); });
    connect(Receivers, &ReceiversDialog::openRequested, this, [this](R r) {
      if (r.configFile.isEmpty()) return prompter_->message(text::kReceiverNoConfig.arg(r.name));
      chooseReceiver(r.name, r.port);
      files_.openNamed(r.configFile);
      updt1();
    });
    connect(Receivers, &ReceiversDialog::compareRequested, this, [this](R r) {
      const QString backup = lastBackupOf(r.name);
      if (backup.isEmpty()) return prompter_->message(text::kReceiverNoBackup.arg(r.name));
      history_->compareWithBackup(backup);
    });
    connect(Receivers, &ReceiversDialog::backupsRequested, this, [this](R r) { history_->showHistory(r.name); });
    connect(Receivers, &ReceiversDialog::trailRequested, this, [this](R r) {
      auto* trail = new ReceiverTrailDialog(r.name, this);
      trail->setAttribute(Qt::WA_DeleteOnClose);
      trail->show();
    });
  }
  Receivers->reload();
  Receivers->show();
  Receivers->raise();
}

QHash<QString, QString> TForm1::receiverNamesByFolder() const {
  if (!QFileInfo::exists(registerPath())) return {};  // looking at the history makes no register
  RegisterDb db;
  QHash<QString, QString> names;
  for (const RegisteredReceiver& r : ReceiverRegister(db).list().value_or(std::vector<RegisteredReceiver>{}))
    names.insert(receiverFileName(r.name), r.name);
  return names;
}

void TForm1::runForReceiver(const QString& name, const QString& port, QAction* action) {
  if (st_.busy) return;
  chooseReceiver(name, port);
  auditComment_ = Receivers ? Receivers->Comment->text() : QString();
  action->trigger();  // its confirmation and checks included
  auditComment_.clear();
  if (Receivers) Receivers->reload();
}

#else

void TForm1::wireRegister(QMenu* settings) {
  QAction* item = settings->addAction(text::kReceiversMenuItem);
  item->setObjectName(QStringLiteral("ReceiversItem"));
  connect(item, &QAction::triggered, this, [this] { showReceivers(); });
}

void TForm1::showReceivers() { prompter_->message(reg::kNotInThisBuild); }

void TForm1::runForReceiver(const QString&, const QString&, QAction*) {}

QHash<QString, QString> TForm1::receiverNamesByFolder() const { return {}; }

#endif

void TForm1::chooseReceiver(const QString& name, const QString& port) {
  if (st_.busy) return;
  st_.portName = port;
  st_.receiverName = name;
  st_.receiverPort = port;
  updt1();
}

}  // namespace orbisk
