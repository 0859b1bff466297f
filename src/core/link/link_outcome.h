// How a conversation with the receiver ended. Each outcome keeps the receiver program's numeric
// result code, which the command-line tool prints and the backup summary records: the codes of
// different stages overlap (2 is a refusal and a missing clock), the outcomes do not.
#pragma once

#include <QString>

namespace orbisk {

enum class LinkOutcome {
  Ok,
  NoAnswer,             // time-out, abort or a vanished device
  Refused,              // a zero byte in place of "OK"
  ClockMissing,         // the read's stages, in the order they come
  SettingsMissing,
  HeaderMissing,
  WrongSlot,
  RecordMissing,
  IdentityMissing,
  SimsMissing,
  ChannelTypesMissing,
  NoReceiver,           // the port did not open, or five greetings went unanswered
  FaultyMemory,         // memory test step 2 refused: the test values were spoilt
};

constexpr int resultCode(LinkOutcome o) {
  switch (o) {
    case LinkOutcome::Ok: return 0;
    case LinkOutcome::NoAnswer: return 1;
    case LinkOutcome::Refused: return 2;
    case LinkOutcome::ClockMissing: return 2;
    case LinkOutcome::SettingsMissing: return 3;
    case LinkOutcome::HeaderMissing: return 4;
    case LinkOutcome::WrongSlot: return 5;
    case LinkOutcome::RecordMissing: return 6;
    case LinkOutcome::IdentityMissing: return 7;
    case LinkOutcome::SimsMissing: return 8;
    case LinkOutcome::ChannelTypesMissing: return 9;
    case LinkOutcome::NoReceiver: return 20;
    case LinkOutcome::FaultyMemory: return 4;
  }
  return -1;
}

// "result code N", as the command-line tool and the audit trail name a failed conversation.
inline QString resultCodeText(LinkOutcome o) { return QStringLiteral("result code %1").arg(resultCode(o)); }

// The read's stages failed: the receiver answered but the configuration did not arrive whole.
constexpr bool isReadStageFailure(LinkOutcome o) {
  return o >= LinkOutcome::ClockMissing && o <= LinkOutcome::ChannelTypesMissing;
}

}  // namespace orbisk
