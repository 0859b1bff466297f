// A configuration file as the desktop program shows it: settings by their list positions and
// check marks, and the expanders in use with their decoded telephone lists.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

#include "core/image/config_image.h"
#include "core/image/settings_flags.h"
#include "core/records/phone_codec.h"

namespace orbisk {

// One telephone record as the telephone list shows it. Every character, the comment's too, is
// kept in the row itself: a list of thousands of telephones makes no string at all.
class PhoneRow {
 public:
  static constexpr int kCells = 6;  // number, object, event, zone, partition, comment
  PhoneRow() = default;
  explicit PhoneRow(const uint8_t* rec, Decoding how = Decoding::MainWindow);

  QStringView number() const { return {chars_.data(), numberLength_}; }
  QStringView object() const { return field(kObjectChars); }
  QStringView event() const { return field(kEventChars); }
  QStringView zone() const { return field(kZoneChars); }
  QStringView partition() const { return field(kPartitionChars); }
  QStringView comment() const { return {comment_.data(), commentLength_}; }
  // The list's columns in order.
  std::array<QStringView, kCells> cells() const { return {number(), object(), event(), zone(), partition(), comment()}; }
  bool operator==(const PhoneRow& o) const { return cells() == o.cells(); }

 private:
  QStringView field(FieldChars part) const { return {chars_.data() + 2 * kPackedNumberSize + part.from, part.length}; }

  std::array<char16_t, 2 * kPackedNumberSize + kFieldStringLength> chars_{};
  std::array<char16_t, kCommentSize> comment_{};
  qsizetype numberLength_ = 0;
  qsizetype commentLength_ = 0;
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
