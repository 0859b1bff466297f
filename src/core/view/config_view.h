// A configuration file as the desktop program shows it: settings by their list positions and
// check marks, and the expanders in use with their decoded telephone lists.
#pragma once

#include <QString>
#include <vector>

#include "core/image/config_image.h"
#include "core/image/settings_flags.h"
#include "core/records/phone_codec.h"

namespace orbisk {

struct PhoneRow {
  QString number, object, event, zone, partition, comment;
};

struct ExpanderView {
  int slot = 0;
  QString sim;
  std::vector<PhoneRow> phones;
};

struct ConfigView : SettingsFlags {
  int receiverNumber = 0;
  int pcFormat = 0;
  int handshake = 0;  // low nibble of the handshake byte
  int rings = 0;      // high nibble: list position, 0 = "1" ring
  int ackWait = 0;    // 1..5 = list texts "1".."5"
  QString model;     // model digits, empty when no receiver was read into the file
  QString firmware;  // firmware version, likewise
  std::vector<ExpanderView> expanders;
};

// One telephone record as the telephone list shows it.
PhoneRow phoneRow(const uint8_t* rec);
// A packed number as text, decoded as the main window or the editor shows it.
QString numberText(const uint8_t* packed8, Decoding how);

// Applies the repairs on display to a copy first, so what is described is what the desktop shows.
ConfigView describe(const ConfigImage& img);

// The repairs on display touch only the bytes before the telephone tables. This copies those and
// the identity into a scratch image of the calling thread and repairs them there; the tables of
// the scratch are not filled (read them from the original). Valid until the thread's next call.
const ConfigImage& repairedHead(const ConfigImage& original);
// The same without the expanders: no telephone list decoded.
ConfigView describeSettings(const ConfigImage& img);

// List texts of the settings panel; an empty text for a value the list has no item for.
QString receiverNumberText(int v);
QString pcFormatText(int v);
QString handshakeText(int v);
QString ringsText(int v);
QString ackWaitText(int v);

}  // namespace orbisk
