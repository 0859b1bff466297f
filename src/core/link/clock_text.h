// The receiver's clock: six packed BCD bytes (second, minute, hour, day, month, year) and its texts.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

namespace orbisk {

using ClockBytes = std::array<uint8_t, 6>;

// The PC clock packed for the receiver, built from its "hhmmss_ddmmyy" text.
ClockBytes packClock(const QDateTime& t);
// "dd.mm.yy  hh:mm:ss" of the PC clock.
QString pcClockText(const QDateTime& t);
// The same shape from the receiver's bytes, each byte as two hexadecimal digits, so a clock
// that is not valid BCD shows its letters instead of being hidden.
QString receiverClockText(const uint8_t* bytes6);
// The date and time packed in the bytes; invalid when they are not a real moment.
QDateTime unpackClock(const ClockBytes& bytes);

}  // namespace orbisk
