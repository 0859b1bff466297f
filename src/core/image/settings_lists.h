// The items of the receiver settings lists, shared by the settings panel and orbisk-cli.
#pragma once

#include <QString>
#include <QStringList>

#include "core/image/image_layout.h"

namespace orbisk {

// The character a slot (or a receiver number) is shown as: "0".."9", "A".."F".
inline QChar slotChar(int slot) { return QLatin1Char(static_cast<char>(slot < 10 ? '0' + slot : 'A' + slot - 10)); }

namespace items {
inline const QStringList kReceiverNumbers = {"0", "1", "2", "3", "4", "5", "6", "7",
                                             "8", "9", "A", "B", "C", "D", "E", "F"};
inline const QStringList kPcFormats = {"MCDI Exp", "Ademco_685", "Surguard", "Surguard+Time"};
inline const QStringList kHandshakes = {"1400", "SIA", "ContactID", "2300", "Stratel", "Telim", "Robofon"};
inline const QStringList kOneToFive = {"1", "2", "3", "4", "5"};  // rings and ACK wait
}  // namespace items

}  // namespace orbisk
