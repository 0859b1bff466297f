// The list of "Недавние файлы": the configuration files opened or saved lately.
#pragma once

#include <QString>
#include <QStringList>

namespace orbisk {

constexpr int kRecentFiles = 8;

// path in front, once (the same file by another spelling counts as the same), at most eight.
QStringList withRecentFile(QStringList recent, const QString& path);
// Without path, for a file that is gone.
QStringList withoutRecentFile(QStringList recent, const QString& path);

}  // namespace orbisk
