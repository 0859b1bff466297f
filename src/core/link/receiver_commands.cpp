// The short receiver commands: the clock, the event buffer and the firmware version.
#include <algorithm>

#include "core/image/cp1251.h"
#include "core/link/clock_text.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/link/protocol.h"

namespace orbisk {
namespace {

using namespace proto;

QString clockReadFailureText(LinkOutcome o) {
  if (o == LinkOutcome::NoAnswer) return text::LinkTexts::notConnected();
  if (o == LinkOutcome::Refused || o == LinkOutcome::ClockMissing) return text::LinkTexts::clockReadFailed();
  return {};
}

QString commandFailureText(LinkOutcome o) {
  if (o == LinkOutcome::NoAnswer) return text::LinkTexts::notConnected();
  if (o == LinkOutcome::Refused) return text::LinkTexts::receiverWriteFailed();
  return {};
}

}  // namespace

bool Receiver::rddump1() {
  const Conversation c{kGreetRead, text::LinkTexts::readOpening(), text::LinkTexts::clockReadDone(), false,
                       clockReadFailureText};
  return converse(c, [this] {
    uint8_t* tx = link_.transmit();
    link_.delay1(kPause);
    tx[0] = kClock;
    link_.wrport(tx, 1);
    if (link_.report(off::kClockSize, kBlockTimeout) != off::kClockSize) {
      link_.setOutcome(LinkOutcome::ClockMissing);
      return false;
    }
    ui_.setTimeLabels(receiverClockText(link_.received()) + text::LinkTexts::receiverSuffix(),
                      pcClockText(link_.clock().pcNow()) + text::LinkTexts::computerSuffix());
    return true;
  });
}

void Receiver::auditCommand(AuditAction action, bool ok) const {
  AuditEvent e{action, ok, ok ? QStringLiteral("ok") : QStringLiteral("failed"), {}, {}};
  if (!ok && outcome() != LinkOutcome::Ok) e.detail = resultCodeText(outcome());
  audit(e);
}

bool Receiver::wrdump1() {
  if (session_.busy) return false;  // nothing was tried: nothing to record
  const Conversation c{kGreetWrite, text::LinkTexts::writeOpening(), text::LinkTexts::clockSetDone(), false,
                       commandFailureText};
  const bool ok = converse(c, [this] {
    uint8_t* stamp = doc_.image.data() + off::kClock;
    const ClockBytes now = packClock(link_.clock().pcNow());
    std::copy(now.begin(), now.end(), stamp);
    uint8_t* tx = link_.transmit();
    link_.delay1(kPause);
    tx[0] = kClock;
    link_.wrport(tx, 1);
    if (!link_.vvod(stamp, off::kClockSize, kAckTimeout)) return false;
    showSameTime();
    return true;
  });
  auditCommand(AuditAction::Clock, ok);
  return ok;
}

bool Receiver::clearEventBuffer() {
  if (session_.busy) return false;
  const Conversation c{kGreetWrite, QString(""), text::LinkTexts::eventsCleared(), false, commandFailureText};
  const bool ok = converse(c, [this] {
    uint8_t* tx = link_.transmit();
    link_.delay1(kPause);
    tx[0] = kClearEvents;
    return link_.vvod(tx, 1, kBlockTimeout);
  });
  auditCommand(AuditAction::ClearEvents, ok);
  return ok;
}

QString firmwareVersionText(const ConfigImage& img) {
  if (img[off::kFirmware] == 0) return text::LinkTexts::firmwareUnknown();
  return text::LinkTexts::firmwarePrefix() + zeroEndedText(img.data() + off::kFirmware, off::kFirmwareSize);
}

void Receiver::showFirmwareVersion() { prompter_.message(firmwareVersionText(doc_.image)); }

}  // namespace orbisk
