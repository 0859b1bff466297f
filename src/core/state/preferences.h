// The two remembered values: the receiver's port ("pr") and the working folder ("fn").
#pragma once

#include <QString>
#include <QStringList>

#include "core/state/link_session.h"

namespace orbisk {

class Preferences {
 public:
  // Empty iniPath: the platform's place (the registry key on Windows, an INI file in the
  // user's configuration folder elsewhere). ORBISK_PREFS_FILE overrides it, so a demo or a
  // test never touches the user's own preferences.
  explicit Preferences(QString iniPath = {});

  // False when the key does not exist; a missing value, or one that is not text, reads as "".
  bool read(QString& port, QString& folder) const;
  // False when the key cannot be created or written.
  bool write(const QString& port, const QString& folder) const;

  // The serial trace, a preference of its own beside "pr" and "fn": on or off, and its file
  // (a file in the user's data folder when none was chosen).
  struct Trace {
    bool on = false;
    QString file;
  };
  Trace readTrace() const;
  bool writeTrace(const Trace& trace) const;

  // Network ports (tcp://, rfc2217://) chosen lately, most recent first, for the port dialog.
  QStringList readRecentRemotePorts() const;
  bool writeRecentRemotePorts(const QStringList& ports) const;

  // How whole transfers are checked: the remembered answer to "Проверить запись чтением?"
  // (Ask until "не спрашивать" was ticked) and whether reads are read twice and compared.
  enum class VerifyWrites { Ask, Always, Never };
  struct Checks {
    VerifyWrites verifyWrites = VerifyWrites::Ask;
    bool readTwice = false;
  };
  Checks readChecks() const;
  bool writeChecks(const Checks& checks) const;

  // The backup last kept of a transfer on port, so a write can say what it changes.
  QString lastBackupOf(const QString& port) const;
  bool setLastBackupOf(const QString& port, const QString& path) const;

  // Configuration files opened or saved lately, most recent first ("Недавние файлы").
  QStringList readRecentFiles() const;
  bool writeRecentFiles(const QStringList& files) const;

  QString location() const;

 private:
  QString iniPath_;
};

// Fills the session's port name and the file dialogs' folder; false (and nothing changed) when
// nothing is stored.
bool rereg(LinkSession& session, QString& folder, const Preferences& prefs);
// Takes the current directory as the folder, then stores both values.
void wrreg(const LinkSession& session, QString& folder, const Preferences& prefs);

}  // namespace orbisk
