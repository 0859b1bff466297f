#include "core/transfer/save_room.h"

#include <QFileInfo>
#include <QStorageInfo>

#include "core/files/file_texts.h"
#include "core/image/image_layout.h"
#include "core/transfer/transfer_texts.h"

namespace orbisk {
namespace {

// The temporary file and the one it replaces live side by side until the rename.
constexpr qint64 kRoomNeeded = 2 * static_cast<qint64>(kImageSize);

}  // namespace

SaveRoom saveRoom(const QString& path, bool inFolder) {
  const QFileInfo target(path);
  const QFileInfo dir(inFolder ? target.absoluteFilePath() : target.absolutePath());
  if (!dir.isDir()) return SaveRoom::NoFolder;
  if (!dir.isWritable() || (!inFolder && target.exists() && !target.isWritable())) return SaveRoom::NoPermission;
  const QStorageInfo storage(dir.absoluteFilePath());
  if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < kRoomNeeded)
    return SaveRoom::NoSpace;
  return SaveRoom::Ok;
}

QString saveRoomText(SaveRoom room, const QString& path) {
  switch (room) {
    case SaveRoom::Ok: return {};
    case SaveRoom::NoFolder:
      return transfer::TransferTexts::noFolder().arg(path);
    case SaveRoom::NoPermission:
      return path + QStringLiteral(": ") + text::FileTexts::causeNoPermission();
    case SaveRoom::NoSpace:
      return path + QStringLiteral(": ") + text::FileTexts::causeNoSpace();
  }
  return {};
}

}  // namespace orbisk
