#include "cli/register_access.h"

#include <QDir>
#include <memory>

#include "cli/backup_session.h"
#include "core/history/backup_store.h"
#include "core/register/audit_log.h"
#include "core/register/receiver_register.h"
#include "core/register/register_texts.h"

namespace orbisk::cli {
namespace {

Target targetOf(const RegisteredReceiver& r) { return {r.name, r.port, r.number, receiverFileName(r.name)}; }

bool refuse(CliEnv& env, const QString& problem) {
  env.err(QStringLiteral("orbisk-cli: ") + problem + u'\n');
  return false;
}

// The receiver called name, or false with the reason told.
bool lookUp(RegisterDb& db, const QString& name, CliEnv& env, Target& out) {
  if (!db.ok()) return refuse(env, db.error());
  const std::optional<RegisteredReceiver> r = ReceiverRegister(db).find(name);
  if (!r) return refuse(env, db.ok() ? reg::RegisterTexts::noSuchReceiver().arg(name) : db.error());
  out = targetOf(*r);
  return true;
}

}  // namespace

bool resolveReceiver(CliArgs& args, CliEnv& env, Target& target) {
  if (args.receivers.isEmpty()) {
    target = {{}, args.port, std::nullopt, portFileName(args.port)};
    return true;
  }
  RegisterDb db;
  if (!lookUp(db, args.receivers.first(), env, target)) return false;
  args.port = target.port;
  args.ports = {target.port};
  return true;
}

bool backupTargets(const CliArgs& args, CliEnv& env, std::vector<Target>& out) {
  if (!args.all && args.receivers.isEmpty()) {
    for (const QString& p : args.ports) out.push_back({{}, p, std::nullopt, portFileName(p)});
    return true;
  }
  RegisterDb db;
  if (args.all) {
    const auto all = ReceiverRegister(db).list();
    if (!all) return refuse(env, db.error());
    if (all->empty()) return refuse(env, QStringLiteral("the register holds no receivers"));
    for (const RegisteredReceiver& r : *all) out.push_back(targetOf(r));
    return true;
  }
  // The bare ports first, then the receivers, each in the order given.
  for (const QString& p : args.ports) out.push_back({{}, p, std::nullopt, portFileName(p)});
  for (const QString& name : args.receivers) {
    Target t;
    if (!lookUp(db, name, env, t)) return false;
    out.push_back(t);
  }
  return true;
}

AuditHook trailHook(const Target& target, const QString& comment, bool backup, std::function<void(const QString&)> warn) {
  auto told = std::make_shared<bool>(false);
  AuditContext context{target.name, target.port, comment, backup};
  return [context, warn, told](const AuditEvent& e) {
    const QString problem = recordAudit(context, e);
    if (problem.isEmpty() || *told) return;
    *told = true;
    warn(problem);
  };
}

QString numberWarning(const Target& target, int numberRead) {
  if (!target.number || *target.number == numberRead) return {};
  return reg::RegisterTexts::numberDiffers().arg(numberRead).arg(*target.number);
}

}  // namespace orbisk::cli
