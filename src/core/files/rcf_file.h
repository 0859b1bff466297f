// Reading and writing configuration files: the image byte for byte.
#pragma once

#include <QString>

#include "core/image/config_image.h"

namespace orbisk {

enum class WriteMode {
  Existing,     // write over an existing file from its first byte, keeping any longer tail
  CreateNew,    // fails when the name exists (or cannot be created afresh)
  CreateAlways  // replace whatever is there
};

enum class WriteResult { Ok, CannotOpen, Failed };

// Stamps the signature into img, then writes all of it.
WriteResult writeImageFile(const QString& path, WriteMode mode, ConfigImage& img);

enum class ReadResult { Ok = 0, CannotOpen = 1, NotConfig = 2 };

enum class ReadAccess {
  Writable,  // Open's rule: a file it could not save back to is refused
  ReadOnly   // for looking only (printing, serving it from the simulator)
};

// The file must exist (and, by default, be writable). A file that is too short or lacks the
// signature leaves img untouched.
ReadResult readImageFile(const QString& path, ConfigImage& img, ReadAccess access = ReadAccess::Writable);

// "C:\cfg\site.a.rcf" -> "site.a"; both separators are accepted.
QString shortFileName(const QString& path);

}  // namespace orbisk
