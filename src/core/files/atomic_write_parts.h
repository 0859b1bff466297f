// The hidden temporary files the safe writer makes beside a target, shared by its POSIX and
// Windows halves.
#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

namespace orbisk {

inline constexpr int kNameTries = 3;
// A part older than this that nobody holds was left by a save that was killed.
inline constexpr int kPartSettleSeconds = 5;

// A hidden name in the target's folder, so the rename never crosses file systems.
QString partName(const QFileInfo& target);
// Temporary files of saves of the same name, running or killed.
QStringList partsOf(const QFileInfo& target);

}  // namespace orbisk
