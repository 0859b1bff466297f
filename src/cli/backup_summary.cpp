#include "cli/backup_summary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/text_table.h"

#include "cli/transfer_report.h"

namespace orbisk::cli {
namespace {

QString resultText(const PortBackup& r) {
  if (r.interrupted) return QStringLiteral("interrupted");
  if (r.ok) return QStringLiteral("ok");
  if (r.suspect) return suspectText();
  if (r.link != LinkOutcome::Ok) return r.status.trimmed() + QStringLiteral(", ") + resultCodeText(r.link);
  return r.messages.isEmpty() ? r.status.trimmed() : r.messages.last();
}

QString secondsText(double s) { return QString::number(s, 'f', 1); }

}  // namespace

QString summaryTable(const std::vector<PortBackup>& results) {
  std::vector<QStringList> rows{{QStringLiteral("PORT"), QStringLiteral("RESULT"), QStringLiteral("FILE"),
                                 QStringLiteral("BYTES"), QStringLiteral("SECONDS")}};
  for (const PortBackup& r : results)
    rows.push_back({r.receiver.isEmpty() ? r.port : r.receiver + QStringLiteral(" (") + r.port + u')', resultText(r), r.file.isEmpty() ? QStringLiteral("-") : r.file, QString::number(r.bytes),
                    secondsText(r.seconds)});
  return textTable(rows, 3);  // numbers to the right, texts to the left
}

QString summaryJson(const std::vector<PortBackup>& results) {
  QJsonArray list;
  for (const PortBackup& r : results) {
    QJsonObject o;
    o[QStringLiteral("receiver")] = r.receiver.isEmpty() ? QJsonValue() : QJsonValue(r.receiver);
    o[QStringLiteral("port")] = r.port;
    o[QStringLiteral("ok")] = r.ok;
    o[QStringLiteral("interrupted")] = r.interrupted;
    o[QStringLiteral("suspect")] = r.suspect;
    o[QStringLiteral("status")] = r.status;
    o[QStringLiteral("resultCode")] = resultCode(r.link);
    o[QStringLiteral("file")] = r.file.isEmpty() ? QJsonValue() : QJsonValue(r.file);
    o[QStringLiteral("bytes")] = static_cast<qint64>(r.bytes);
    o[QStringLiteral("seconds")] = r.seconds;
    o[QStringLiteral("messages")] = QJsonArray::fromStringList(r.messages);
    list.append(o);
  }
  return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
}

}  // namespace orbisk::cli
