// Windows reserves some file names for devices in every folder (CON, NUL, COM1, ...): opening
// "C:\files\nul.rcf" opens the null device. Such names are never files to read or replace.
#pragma once

#include <QString>

namespace orbisk {

// Whether the last part of path is a reserved device name (with or without an extension), or
// path names a device or pipe directly (the \\.\ form).
bool isWindowsDeviceName(const QString& path);

}  // namespace orbisk
