// The register of receivers: each with a unique name (letter case aside, in any script), a site, a port, the
// receiver number it is expected to have, a comment and its current configuration file; with
// when it was last read, written and backed up, and the last result, taken from the trail.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "core/register/register_db.h"

namespace orbisk {

inline constexpr int kReceiverNameMax = 64;

struct RegisteredReceiver {
  QString name;
  QString site;
  QString port;
  std::optional<int> number;  // 0 to 15
  QString comment;
  QString configFile;
  // From the trail (invalid or empty when there is none).
  QDateTime lastRead, lastWrite, lastBackup;
  QString lastAction, lastResult;
};

// Why name cannot name a receiver, or empty.
QString receiverNameProblem(const QString& name);
// "3" as 3; a problem text for anything but 0 to 15.
std::optional<int> parseReceiverNumber(const QString& text, QString& problem);

class ReceiverRegister {
 public:
  explicit ReceiverRegister(RegisterDb& db) : db_(db) {}

  // Every receiver, sorted by name; nullopt when the database failed (db.error() tells).
  std::optional<std::vector<RegisteredReceiver>> list();
  std::optional<RegisteredReceiver> find(const QString& name);
  // Each returns an empty string when done, else why not.
  QString add(const RegisteredReceiver& r);
  // Replaces the stored fields of the receiver called name (r.name may rename it).
  QString edit(const QString& name, const RegisteredReceiver& r);
  QString remove(const QString& name);

 private:
  QString check(const RegisteredReceiver& r) const;
  RegisterDb& db_;
};

}  // namespace orbisk
