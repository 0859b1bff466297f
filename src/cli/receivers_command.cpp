// orbisk-cli receivers add|edit|remove|list: the register of receivers.
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/register_access.h"
#include "cli/text_table.h"
#include "core/register/receiver_register.h"
#include "core/register/register_texts.h"

namespace orbisk::cli {
namespace {

int usage(CliEnv& env, const QString& problem) {
  env.err(QStringLiteral("orbisk-cli: ") + problem + QStringLiteral("\nTry 'orbisk-cli --help'.\n"));
  return status::kUsage;
}

int failed(CliEnv& env, const QString& problem) {
  env.err(QStringLiteral("orbisk-cli: ") + problem + u'\n');
  return status::kUsage;
}

// The options each action takes.
QStringList optionsOf(const QString& action) {
  if (action == QLatin1String("add"))
    return {QStringLiteral("--port"), QStringLiteral("--site"), QStringLiteral("--number"), QStringLiteral("--comment"),
            QStringLiteral("--config")};
  if (action == QLatin1String("edit"))
    return optionsOf(QStringLiteral("add")) << QStringLiteral("--name");
  if (action == QLatin1String("list")) return {QStringLiteral("--json")};
  return {};
}

QString checkWords(const CliArgs& args) {
  const QString action = args.words.value(0);
  static const QStringList kActions{QStringLiteral("add"), QStringLiteral("edit"), QStringLiteral("remove"),
                                    QStringLiteral("list")};
  if (!kActions.contains(action))
    return action.isEmpty() ? QStringLiteral("'receivers' needs add, edit, remove or list")
                            : QStringLiteral("unknown action 'receivers %1'").arg(action);
  const qsizetype words = action == QLatin1String("list") ? 1 : 2;
  if (args.words.size() < words) return QStringLiteral("'receivers %1' needs a NAME").arg(action);
  if (args.words.size() > words) return QStringLiteral("unexpected argument '%1'").arg(args.words.at(words));
  for (const QString& option : args.given)
    if (!optionsOf(action).contains(option))
      return QStringLiteral("option %1 does not apply to 'receivers %2'").arg(option, action);
  if (action == QLatin1String("add") && !args.given.contains(QLatin1String("--port")))
    return QStringLiteral("'receivers add' needs --port PORT");
  return {};
}

// The given options over r; false with the problem when a value is refused.
bool applyOptions(const CliArgs& args, RegisteredReceiver& r, QString& problem) {
  const auto given = [&](const char* o) { return args.given.contains(QLatin1String(o)); };
  if (given("--name")) r.name = args.name;
  if (given("--port")) r.port = args.port;
  if (given("--site")) r.site = args.site;
  if (given("--comment")) r.comment = args.comment;
  // A relative name would mean another file from another folder.
  if (given("--config")) r.configFile = args.config.isEmpty() ? QString() : QFileInfo(args.config).absoluteFilePath();
  if (given("--number")) {
    if (args.number == QLatin1String("-")) r.number.reset();
    else if (!(r.number = parseReceiverNumber(args.number, problem))) return false;
  }
  return true;
}

QString timeText(const QDateTime& t) { return t.isValid() ? t.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("-"); }
QJsonValue timeJson(const QDateTime& t) { return t.isValid() ? QJsonValue(t.toString(Qt::ISODate)) : QJsonValue(); }
QString orDash(const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; }

QString listText(const std::vector<RegisteredReceiver>& all) {
  std::vector<QStringList> rows{{"NAME", "SITE", "PORT", "NUMBER", "LAST READ", "LAST WRITE", "LAST BACKUP", "LAST RESULT"}};
  for (const RegisteredReceiver& r : all)
    rows.push_back({r.name, orDash(r.site), r.port, r.number ? QString::number(*r.number) : QStringLiteral("-"),
                    timeText(r.lastRead), timeText(r.lastWrite), timeText(r.lastBackup),
                    r.lastAction.isEmpty() ? QStringLiteral("-") : r.lastAction + u' ' + r.lastResult});
  return textTable(rows);
}

QString listJson(const std::vector<RegisteredReceiver>& all) {
  QJsonArray list;
  for (const RegisteredReceiver& r : all)
    list.append(QJsonObject{{"name", r.name},
                            {"site", r.site},
                            {"port", r.port},
                            {"number", r.number ? QJsonValue(*r.number) : QJsonValue()},
                            {"comment", r.comment},
                            {"config", r.configFile.isEmpty() ? QJsonValue() : QJsonValue(r.configFile)},
                            {"lastRead", timeJson(r.lastRead)},
                            {"lastWrite", timeJson(r.lastWrite)},
                            {"lastBackup", timeJson(r.lastBackup)},
                            {"lastAction", r.lastAction.isEmpty() ? QJsonValue() : QJsonValue(r.lastAction)},
                            {"lastResult", r.lastResult.isEmpty() ? QJsonValue() : QJsonValue(r.lastResult)}});
  return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
}

}  // namespace

int runReceivers(const CliArgs& args, CliEnv& env) {
  if (const QString problem = checkWords(args); !problem.isEmpty()) return usage(env, problem);
  const QString action = args.words.at(0);
  RegisterDb db;
  ReceiverRegister book(db);
  if (!db.ok()) return failed(env, db.error());
  if (action == QLatin1String("list")) {
    const auto all = book.list();
    if (!all) return failed(env, db.error());
    env.out(args.json ? listJson(*all) : listText(*all));
    return status::kOk;
  }
  const QString name = args.words.at(1);
  QString problem;
  if (action == QLatin1String("remove")) {
    problem = book.remove(name);
  } else if (action == QLatin1String("add")) {
    RegisteredReceiver r;
    r.name = name;
    if (applyOptions(args, r, problem)) problem = book.add(r);
  } else {
    std::optional<RegisteredReceiver> r = book.find(name);
    if (!r) return failed(env, db.ok() ? reg::RegisterTexts::noSuchReceiver().arg(name) : db.error());
    if (applyOptions(args, *r, problem)) problem = book.edit(name, *r);
  }
  if (!problem.isEmpty()) return failed(env, problem);
  return status::kOk;
}

}  // namespace orbisk::cli
