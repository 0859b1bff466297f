// Whether a whole configuration can still be saved at a place, and if not, why: asked before a
// read that may take a quarter of an hour, so its result is not lost at the end.
#pragma once

#include <QString>

namespace orbisk {

enum class SaveRoom { Ok, NoFolder, NoPermission, NoSpace };

// Whether a file of a whole image can be created at path (a file, or a folder for `inFolder`).
SaveRoom saveRoom(const QString& path, bool inFolder = false);
// A message naming the place and the cause; empty for Ok.
QString saveRoomText(SaveRoom room, const QString& path);
// Both at once: empty when there is room.
inline QString saveRoomProblem(const QString& path, bool inFolder = false) {
  return saveRoomText(saveRoom(path, inFolder), path);
}

}  // namespace orbisk
