#include "core/history/backup_list.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <memory>

#include "core/files/regular_file.h"
#include "core/history/backup_port.h"
#include "core/view/config_view.h"

namespace orbisk {
namespace {

// Only the bytes the list shows: the settings with the telephone counts, and the identity. The
// whole file would be 128 KB each, some 65 MB for a folder of 500 backups.
bool readHead(const QString& path, ConfigImage& img) {
  QFile f(path);
  if (!openRegularFile(f, QIODevice::ReadOnly | QIODevice::ExistingOnly)) return false;
  // A file shorter than an image is no configuration, as when it is opened.
  if (f.size() < kImageSize) return false;
  auto* bytes = reinterpret_cast<char*>(img.data());
  return f.read(bytes, off::kTables) == off::kTables && f.seek(off::kIdentity) &&
         f.read(bytes + off::kIdentity, off::kIdentitySize) == off::kIdentitySize && img.hasSignature();
}

void listFolder(const QDir& dir, const QString& receiver, ConfigImage& img, std::vector<BackupEntry>& list) {
  for (const QString& f : dir.entryList({QStringLiteral("*.rcf")}, QDir::Files)) {
    BackupEntry e;
    e.path = dir.filePath(f);
    if (!parseBackupName(f, e.name)) continue;
    e.port = backupPort(e.path);
    e.receiver = receiver;
    // An archived, write-protected backup is still listed and can still be compared.
    if (readHead(e.path, img)) summarize(img, e);
    list.push_back(std::move(e));
  }
}

}  // namespace

void summarize(ConfigImage& img, BackupEntry& into) {
  img.repairSettings();
  img.repairExpanders();
  const ConfigView v = describeSettings(img);
  into.readable = true;
  into.model = v.model;
  into.receiverNumber = receiverNumberText(v.receiverNumber);
  into.expanders = into.telephones = 0;
  // As describe() lists the expanders, without decoding a single telephone.
  if (img[off::kExpanderCount] == 0) return;
  for (int s = 0; s < kSlotCount; ++s) {
    if (!(img.mask() & (1u << s))) continue;
    ++into.expanders;
    into.telephones += img.phoneCount(s);
  }
}

std::vector<BackupEntry> listBackups(const QString& folder) {
  std::vector<BackupEntry> list;
  const QDir dir(folder);
  auto img = std::make_unique<ConfigImage>();
  listFolder(dir, {}, *img, list);
  // One level: a receiver's folder holds only its backups.
  for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
    listFolder(QDir(dir.filePath(sub)), sub, *img, list);
  std::sort(list.begin(), list.end(), [](const BackupEntry& x, const BackupEntry& y) { return newerFirst(x.name, y.name); });
  return list;
}

}  // namespace orbisk
