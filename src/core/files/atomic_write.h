// Writing a whole file so that its name always holds either the old contents or the new ones:
// the bytes go to a hidden file beside it, reach the disk, and then take the name in one step.
#pragma once

#include <QByteArray>
#include <QString>

namespace orbisk {

// Why a file was not written.
enum class SaveCause {
  None,          // written
  NotRegular,    // the name is taken by a folder, a device, a pipe or a socket
  NoSpace,       // the disk or the user's quota is full
  NoPermission,  // the folder or the file may not be written (or the disk is read-only)
  NoFolder,      // the folder does not exist
  Exists,        // Placement::NewOnly and the name is taken
  Failed         // anything else
};

enum class Placement {
  Replace,  // take the name, replacing the file there
  NewOnly   // take the name only if nothing has it, even against a writer racing for it
};

// A symlink is followed to the file it names; what is written (and checked) is that file.
QString resolveSaveTarget(const QString& path);
// Whether path (after resolveSaveTarget) names something other than a regular file.
bool isTakenByNonRegular(const QString& path);

// Writes bytes under path. On failure the old file (if any) is as it was and no temporary
// file remains; a temporary file a killed earlier save of the same name left behind is removed.
SaveCause writeAtomically(const QString& path, const QByteArray& bytes, Placement placement = Placement::Replace);

// Whether a file could be written at path now, by creating and removing a temporary one.
SaveCause probeSaveAt(const QString& path);

}  // namespace orbisk
