// How far a transfer has come and how long the rest takes at the line speed, as the desktop's
// status bar and orbisk-cli's progress bar show it.
#pragma once

#include <QString>

#include "core/image/config_image.h"

namespace orbisk {

constexpr long kLineBytesPerSecond = 120;  // 1200 baud, ten bits a byte

// Bytes a whole write of img moves (the counts it sends are at most 200 a slot), and a read
// of a receiver that holds img.
long writeStreamBytes(const ConfigImage& img);
long readStreamBytes(const ConfigImage& img);

// Seconds the bytes still to move take on the line, rounded up.
long secondsLeft(long done, long total);
// "0:07", "12:03", "1:00:00".
QString durationText(long seconds);
// "12 340 из 102 599 байт, осталось 12:03"
QString transferProgressText(long done, long total);
// The same, marked: the total is an estimate.
QString estimatedProgressText(long done, long total);

}  // namespace orbisk
