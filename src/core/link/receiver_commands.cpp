// The short receiver commands: the clock, the event buffer and the firmware version.
#include <algorithm>

#include "core/image/cp1251.h"
#include "core/link/clock_text.h"
#include "core/link/link_texts.h"
#include "core/link/receiver.h"

namespace orbisk {
namespace {

constexpr int kPause = 50;

QString clockReadFailureText(int code) {
  if (code == code::kNoAnswer) return text::kNotConnected;
  if (code == code::kRefused) return text::kClockReadFailed;
  return {};
}

QString commandFailureText(int code) {
  if (code == code::kNoAnswer) return text::kNotConnected;
  if (code == code::kRefused) return text::kReceiverWriteFailed;
  return {};
}

}  // namespace

bool Receiver::rddump1() {
  const Conversation c{'R', text::kReadOpening, text::kClockReadDone, false, clockReadFailureText};
  return converse(c, [this] {
    uint8_t* tx = state_.transmit->data();
    link_.delay1(kPause);
    tx[0] = 'T';
    link_.wrport(tx, 1);
    if (link_.report(off::kClockSize, 10) != off::kClockSize) {
      state_.resultCode = code::kClockMissing;
      return false;
    }
    ui_.setTimeLabels(receiverClockText(link_.received()) + text::kReceiverSuffix,
                      pcClockText(link_.clock().pcNow()) + text::kComputerSuffix);
    return true;
  });
}

void Receiver::auditCommand(AuditAction action, bool ok) const {
  AuditEvent e{action, ok, ok ? QStringLiteral("ok") : QStringLiteral("failed"), {}, {}};
  if (!ok && state_.resultCode != 0) e.detail = QStringLiteral("result code %1").arg(state_.resultCode);
  audit(e);
}

bool Receiver::wrdump1() {
  if (state_.busy) return false;  // nothing was tried: nothing to record
  const Conversation c{'P', text::kWriteOpening, text::kClockSetDone, false, commandFailureText};
  const bool ok = converse(c, [this] {
    uint8_t* stamp = state_.image.data() + off::kClock;
    const ClockBytes now = packClock(link_.clock().pcNow());
    std::copy(now.begin(), now.end(), stamp);
    uint8_t* tx = state_.transmit->data();
    link_.delay1(kPause);
    tx[0] = 'T';
    link_.wrport(tx, 1);
    if (link_.vvod(stamp, off::kClockSize, 20) != 3) return false;
    showSameTime();
    return true;
  });
  auditCommand(AuditAction::Clock, ok);
  return ok;
}

bool Receiver::clearEventBuffer() {
  if (state_.busy) return false;
  const Conversation c{'P', QString(""), text::kEventsCleared, false, commandFailureText};
  const bool ok = converse(c, [this] {
    uint8_t* tx = state_.transmit->data();
    link_.delay1(kPause);
    tx[0] = 'D';
    return link_.vvod(tx, 1, 10) == 3;
  });
  auditCommand(AuditAction::ClearEvents, ok);
  return ok;
}

QString firmwareVersionText(const ConfigImage& img) {
  if (img[off::kFirmware] == 0) return text::kFirmwareUnknown;
  int n = 0;
  while (n < off::kFirmwareSize && img[off::kFirmware + n] != 0) ++n;
  return text::kFirmwarePrefix + fromCp1251(reinterpret_cast<const char*>(img.data() + off::kFirmware), n);
}

void Receiver::showFirmwareVersion() { prompter_.message(firmwareVersionText(state_.image)); }

}  // namespace orbisk
