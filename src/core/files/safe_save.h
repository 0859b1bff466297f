// Saving a configuration so that the named file is never left half written: the image goes to
// a new file beside it, which then replaces the named one in a single rename.
#pragma once

#include <QString>

#include "core/image/config_image.h"

namespace orbisk {

// Whether a file can be created where path lies; checked before a read that may take minutes.
bool canSaveAt(const QString& path);
// Stamps the signature and writes img as the desktop's Save does, then renames it over path.
// On failure path is untouched and no temporary file remains.
bool saveReplacing(const QString& path, ConfigImage& img);

enum class SaveNew { Ok, Exists, Failed };
// The same, but path must not exist yet: the whole file appears under its name in one step and
// never replaces another, so writers racing for one name (threads, processes) each learn
// whether they got it (Exists: try another name). On failure no temporary file remains.
SaveNew saveNew(const QString& path, ConfigImage& img);

}  // namespace orbisk
