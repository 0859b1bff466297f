// How far a transfer has come and how long the rest takes at the line speed, as the desktop's
// status bar and orbisk-cli's progress bar show it.
#pragma once

#include <QString>

namespace orbisk {

constexpr long kLineBytesPerSecond = 120;  // 1200 baud, ten bits a byte

// Seconds the bytes still to move take on the line, rounded up.
long secondsLeft(long done, long total);
// "0:07", "12:03", "1:00:00".
QString durationText(long seconds);
// "12 340 из 102 599 байт, осталось 12:03"
QString transferProgressText(long done, long total);

}  // namespace orbisk
