// A build without Qt SQL has no register: its commands say so and transfers log nothing.
#include "cli/backup_session.h"
#include "cli/register_access.h"
#include "core/register/register_texts.h"

namespace orbisk::cli {
namespace {

bool absent(CliEnv& env) {
  env.err(QStringLiteral("orbisk-cli: ") + reg::RegisterTexts::notInThisBuild() + u'\n');
  return false;
}

}  // namespace

bool resolveReceiver(CliArgs& args, CliEnv& env, Target& target) {
  target = {{}, args.port, std::nullopt, portFileName(args.port)};
  return args.receivers.isEmpty() || absent(env);
}

bool backupTargets(const CliArgs& args, CliEnv& env, std::vector<Target>& out) {
  if (args.all || !args.receivers.isEmpty()) return absent(env);
  for (const QString& p : args.ports) out.push_back({{}, p, std::nullopt, portFileName(p)});
  return true;
}

AuditHook trailHook(const Target&, const QString&, bool, std::function<void(const QString&)>) { return {}; }

QString numberWarning(const Target&, int) { return {}; }

int runReceivers(const CliArgs&, CliEnv& env) {
  absent(env);
  return status::kUsage;
}

int runLog(const CliArgs&, CliEnv& env) {
  absent(env);
  return status::kUsage;
}

}  // namespace orbisk::cli
