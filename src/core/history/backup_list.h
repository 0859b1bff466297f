// The backups in the backup folder with what the history window lists of each.
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "core/history/backup_store.h"

namespace orbisk {

struct BackupEntry {
  QString path;
  BackupName name;
  QString port;           // the port it was read from or written to; empty when not known
  QString receiver;       // the register receiver's folder it is filed in; empty for a bare port
  bool readable = false;  // false: the file is damaged or no configuration; the rest is empty
  QString model;          // model digits; empty when the image holds none
  QString receiverNumber; // as the settings panel shows it
  int expanders = 0;
  int telephones = 0;
};

// The backups in folder and in its receivers' folders, newest first. Files whose names are not
// backups are left out.
std::vector<BackupEntry> listBackups(const QString& folder = backupFolder());

// The summary of one configuration, as the history lists it. Applies the display's repairs to
// img first; reads only its settings, telephone counts and identity.
void summarize(ConfigImage& img, BackupEntry& into);

}  // namespace orbisk
