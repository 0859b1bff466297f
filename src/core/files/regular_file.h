// Opening files the user names, refusing anything that is not a plain file.
#pragma once

#include <QFile>

namespace orbisk {

// Opens f (its file name already set) with mode, but only when it names a regular file. A FIFO,
// a device or a folder given as a file would block the open or the read forever, or read
// without end: they fail here at once, as a file that cannot be opened.
bool openRegularFile(QFile& f, QIODevice::OpenMode mode);

}  // namespace orbisk
