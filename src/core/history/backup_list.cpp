#include "core/history/backup_list.h"

#include <QDir>
#include <algorithm>
#include <memory>

#include "core/files/rcf_file.h"
#include "core/image/config_view.h"

namespace orbisk {

void summarize(const ConfigImage& img, BackupEntry& into) {
  const ConfigView v = describe(img);
  into.readable = true;
  into.model = v.model;
  into.receiverNumber = receiverNumberText(v.receiverNumber);
  into.expanders = static_cast<int>(v.expanders.size());
  into.telephones = 0;
  for (const ExpanderView& e : v.expanders) into.telephones += static_cast<int>(e.phones.size());
}

std::vector<BackupEntry> listBackups(const QString& folder) {
  std::vector<BackupEntry> list;
  const QDir dir(folder);
  auto img = std::make_unique<ConfigImage>();
  for (const QString& f : dir.entryList({QStringLiteral("*.rcf")}, QDir::Files)) {
    BackupEntry e;
    e.path = dir.filePath(f);
    if (!parseBackupName(f, e.name)) continue;
    // An archived, write-protected backup is still listed and can still be compared.
    if (readImageFile(e.path, *img, ReadAccess::ReadOnly) == ReadResult::Ok) summarize(*img, e);
    list.push_back(std::move(e));
  }
  std::sort(list.begin(), list.end(), [](const BackupEntry& x, const BackupEntry& y) { return newerFirst(x.name, y.name); });
  return list;
}

}  // namespace orbisk
