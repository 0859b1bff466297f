// `orbisk-cli diff A B [--json]`: what differs between two configuration files, with the exit
// status of diff(1): 0 the same, 1 different, 2 trouble.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

#include "cli/commands.h"
#include "cli/show_output.h"
#include "core/history/config_diff.h"

namespace orbisk::cli {
namespace {

constexpr int kDiffer = 1;

QJsonObject pairJson(const QJsonValue& a, const QJsonValue& b) {
  return QJsonObject{{QStringLiteral("a"), a}, {QStringLiteral("b"), b}};
}

QJsonArray phonesJson(const std::vector<PhoneRow>& phones) {
  QJsonArray list;
  for (const PhoneRow& p : phones) list.append(phoneJson(p));
  return list;
}

QString statusName(ExpanderStatus s) {
  switch (s) {
    case ExpanderStatus::Added: return QStringLiteral("added");
    case ExpanderStatus::Removed: return QStringLiteral("removed");
    case ExpanderStatus::Changed: break;
  }
  return QStringLiteral("changed");
}

QJsonObject expanderJson(const ExpanderDiff& e) {
  QJsonArray changed;
  for (const PhoneDiff& c : e.changed) changed.append(pairJson(phoneJson(c.a), phoneJson(c.b)));
  QJsonObject o{{QStringLiteral("slot"), e.slot}, {QStringLiteral("status"), statusName(e.status)}};
  if (e.simDiffers) o.insert(QStringLiteral("sim"), pairJson(e.simA, e.simB));
  o.insert(QStringLiteral("telephones"), QJsonObject{{QStringLiteral("added"), phonesJson(e.added)},
                                                     {QStringLiteral("removed"), phonesJson(e.removed)},
                                                     {QStringLiteral("changed"), changed}});
  return o;
}

QByteArray diffJson(const ConfigDiff& d) {
  QJsonArray settings;
  for (const SettingDiff& s : d.settings)
    settings.append(QJsonObject{{QStringLiteral("name"), s.key},
                                {QStringLiteral("a"), QJsonValue::fromVariant(s.valueA)},
                                {QStringLiteral("b"), QJsonValue::fromVariant(s.valueB)}});
  QJsonArray expanders;
  for (const ExpanderDiff& e : d.expanders) expanders.append(expanderJson(e));
  const QJsonObject root{{QStringLiteral("same"), d.same()},
                         {QStringLiteral("settings"), settings},
                         {QStringLiteral("expanders"), expanders}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace

int runDiff(const CliArgs& args, CliEnv& env) {
  auto a = std::make_unique<ConfigImage>();
  auto b = std::make_unique<ConfigImage>();
  // Backups may be archived write-protected; comparing only looks at them.
  if (!loadConfig(args.file, *a, env, ReadAccess::ReadOnly)) return status::kUsage;
  if (!loadConfig(args.file2, *b, env, ReadAccess::ReadOnly)) return status::kUsage;
  const ConfigDiff d = compareImages(*a, *b);
  env.out(args.json ? QString::fromUtf8(diffJson(d)) : diffText(d));
  return d.same() ? status::kOk : kDiffer;
}

}  // namespace orbisk::cli
