// The receiver's line protocol: command bytes, block sizes and time-outs. Both ends use these,
// the conversations in core/link and the simulated receiver in sim/.
#pragma once

#include <cstdint>

#include "core/image/image_layout.h"

namespace orbisk::proto {

// The greeting opens a conversation; the receiver answers "OK\r\n".
constexpr uint8_t kGreetRead = 'R';
constexpr uint8_t kGreetWrite = 'P';
constexpr char kAckLine[] = "OK\r\n";
constexpr int kAckLineSize = 4;
constexpr uint8_t kRefusal = 0;  // a zero byte in place of "OK" ends the conversation

// The command after the greeting.
constexpr uint8_t kWholeImage = 'A';
constexpr uint8_t kClock = 'T';
constexpr uint8_t kClearEvents = 'D';
constexpr uint8_t kCommit = 'K';  // the write's last byte: keep what was sent

// The memory test: "AT#X" then the step's digit and a carriage return, all in one piece.
constexpr char kMemoryFill[] = "AT#X1\r";
constexpr char kMemoryCheck[] = "AT#X2\r";
constexpr char kMemoryPrefix[] = "AT#X";
constexpr int kMemoryCommandSize = 6;

// A slot's header in both directions: slot number, telephone count.
constexpr int kHeaderSize = 2;

// Time-outs, in tenths of a second from the write.
constexpr int kGreetingTries = 5;
constexpr int kGreetingTimeout = 10;
constexpr int kBlockTimeout = 10;
constexpr int kLongBlockTimeout = 100;  // the 128-byte SIM block takes about a second on the line
constexpr int kAckTimeout = 20;
// After the identity block the line must stay quiet: a byte then means the stream was shifted.
constexpr int kListenTimeout = 3;
// Pauses, in tens of milliseconds: half a second before a command and between unacknowledged pieces.
constexpr int kPause = 50;

// Everything a whole read sends but the records: clock, settings, 16 headers, SIM numbers, channel
// types, identity.
constexpr long kFixedReadBytes =
    off::kClockSize + off::kSettingsSize + kSlotCount * kHeaderSize + off::kSimsSize + kSlotCount + off::kIdentitySize;

}  // namespace orbisk::proto
