// Typed views over the image's bytes. A view holds a pointer into the image, never a copy; each
// field is one line that says where it lies and how its value is coded. Byte is const uint8_t
// for a view that only reads, uint8_t for one that writes too.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/image/image_layout.h"

namespace orbisk {

// The settings block (bytes 8 to 15) with the expander count before it.
template <typename Byte>
class SettingsBlock {
  static constexpr bool kWritable = !std::is_const_v<Byte>;

 public:
  explicit SettingsBlock(Byte* image) : p_(image) {}

  int receiverNumber() const { return p_[off::kReceiverNumber]; }  // list position, 0..15
  int pcFormat() const { return p_[off::kPcFormat]; }              // list position
  uint8_t options() const { return p_[off::kOptions]; }            // opt:: bits
  uint8_t display() const { return p_[off::kDisplay]; }            // disp:: bits
  int handshake() const { return p_[off::kHandshake] & 0x0F; }     // low nibble: list position
  int rings() const { return p_[off::kHandshake] >> 4; }           // high nibble: 0 = "1" ring
  int ackWait() const { return p_[off::kAckWait]; }                // 1..5 = "1".."5"

  // The 8 bits of each field are stored as given: -1 for no choice becomes 0xFF, which the next
  // repair mends.
  void setReceiverNumber(int v) requires kWritable { p_[off::kReceiverNumber] = static_cast<uint8_t>(v); }
  void setPcFormat(int v) requires kWritable { p_[off::kPcFormat] = static_cast<uint8_t>(v); }
  void setOptions(uint8_t v) requires kWritable { p_[off::kOptions] = v; }
  void setDisplay(uint8_t v) requires kWritable { p_[off::kDisplay] = v; }
  void setHandshake(int handshake, int rings) requires kWritable {
    p_[off::kHandshake] = static_cast<uint8_t>((handshake & 0x0F) + 16 * rings);
  }
  void setAckWait(int v) requires kWritable { p_[off::kAckWait] = static_cast<uint8_t>(v); }

 private:
  Byte* p_;
};

// One 32-byte telephone record.
template <typename Byte>
class PhoneRecord {
 public:
  explicit PhoneRecord(Byte* rec) : p_(rec) {}

  Byte* number() const { return p_ + recfield::kNumber; }       // packed, kPackedNumberSize bytes
  Byte* object() const { return p_ + recfield::kObject; }       // 4 digits in 2 bytes
  Byte* event() const { return p_ + recfield::kEvent; }         // qualifier nibble, then 3 digits
  bool eventQualifierE() const { return (p_[recfield::kEvent] >> 4) == 1; }  // else "R"
  Byte* zone() const { return p_ + recfield::kZone; }           // low nibble, then a byte: 3 digits
  Byte& partition() const { return p_[recfield::kPartition]; }  // 2 digits
  Byte& reserved() const { return p_[recfield::kReserved]; }    // always zero
  Byte* comment() const { return p_ + recfield::kComment; }     // kCommentSize bytes, zero-padded

 private:
  Byte* p_;
};

}  // namespace orbisk
