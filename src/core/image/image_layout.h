// Byte layout of the configuration image: every offset and limit has its name here.
#pragma once

#include <cstdint>

namespace orbisk {

constexpr int kImageSize = 0x20010;  // 131,088 bytes, also the size of a .rcf file

constexpr int kSlotCount = 16;
constexpr int kMaxPhones = 200;
constexpr int kRecordSize = 32;
constexpr int kTableSize = kMaxPhones * kRecordSize;  // 6,400 bytes per slot
constexpr int kPackedNumberSize = 8;
constexpr int kMaxExpanders = 16;
constexpr int kReceiverNode = 16;  // "current expander" value meaning the receiver itself

namespace off {
constexpr int kClock = 0;          // 6 bytes packed BCD: s, m, h, day, month, year
constexpr int kClockSize = 6;
constexpr int kLastNode = 2;       // low byte of the selected tree node
constexpr int kSig1 = 3;           // '$'
constexpr int kSig2 = 4;           // '5'
constexpr int kSig3 = 6;           // 'x'
constexpr int kExpanderCount = 7;
constexpr int kReceiverNumber = 8;
constexpr int kPcFormat = 9;
constexpr int kOptions = 10;
constexpr int kDisplay = 11;
constexpr int kHandshake = 12;
constexpr int kAckWait = 13;
constexpr int kMaskHigh = 14;
constexpr int kMaskLow = 15;
constexpr int kSettings = 8;       // settings block moved to and from the receiver
constexpr int kSettingsSize = 8;
constexpr int kCounts = 16;
constexpr int kSims = 32;
constexpr int kSimsSize = kSlotCount * kPackedNumberSize;  // 128
constexpr int kTables = 176;
constexpr int kIdentity = 0x20000;  // model digits, one byte, firmware version
constexpr int kIdentitySize = 9;
constexpr int kModel = 0x20000;
constexpr int kModelSize = 4;
constexpr int kFirmware = 0x20005;
constexpr int kFirmwareSize = 4;
}  // namespace off

// Option flags (byte 10)
namespace opt {
constexpr uint8_t kHeartbeatOff = 0x01;
constexpr uint8_t kSpamData = 0x02;
constexpr uint8_t kSpeaker = 0x04;
constexpr uint8_t kRussianOff = 0x08;
constexpr uint8_t kSmsOff = 0x10;
constexpr uint8_t kSpamSms = 0x20;
}  // namespace opt

// Display flags (byte 11)
namespace disp {
constexpr uint8_t kBacklightOff = 0x10;
constexpr uint8_t kComments = 0x20;
}  // namespace disp

// The 32-byte telephone record, one line per field (offsets into the record).
namespace recfield {
constexpr int kNumber = 0;      // packed number, 8 bytes of two symbols each
constexpr int kObject = 8;      // 4 digits in 2 bytes
constexpr int kEvent = 10;      // qualifier in the high nibble (1 = "E", else "R"), then 3 digits
constexpr int kZone = 12;       // 3 digits: the low nibble of byte 12, then byte 13
constexpr int kPartition = 14;  // 2 digits
constexpr int kReserved = 15;   // always zero
constexpr int kComment = 16;    // code page 1251, zero-padded
}  // namespace recfield
constexpr int kCommentSize = kRecordSize - recfield::kComment;  // 16
// Packed numbers: a nibble of 0xB ends a number shorter than 16 symbols; D, E and F never occur.
constexpr uint8_t kNumberEnd = 0xB;
constexpr uint8_t kFirstUnusedNibble = 0xD;

constexpr int recordOffset(int slot, int index) { return off::kTables + kTableSize * slot + kRecordSize * index; }
constexpr int simOffset(int slot) { return off::kSims + kPackedNumberSize * slot; }
constexpr int countOffset(int slot) { return off::kCounts + slot; }

// Channel type bytes reported by the receiver: "6" and above is a telephone line.
constexpr uint8_t kLineChannelType = 0x36;
inline bool isLineChannel(uint8_t type) { return type >= kLineChannelType; }

}  // namespace orbisk
