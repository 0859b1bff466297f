// The service memory test: step 1 fills the receiver's memory with test values, step 2 checks
// them after the receiver has been switched off and on. Each step is one acknowledged command.
#include <cstring>

#include "core/link/link_texts.h"
#include "core/link/receiver.h"
#include "core/link/protocol.h"

namespace orbisk {
namespace {

using namespace proto;

}  // namespace

MemoryTestResult Receiver::memoryTestStep1() { return memoryTest(1); }
MemoryTestResult Receiver::memoryTestStep2() { return memoryTest(2); }

MemoryTestResult Receiver::memoryTest(int step) {
  if (session_.busy) return MemoryTestResult::NotStarted;
  session_.busy = true;
  link_.clearAbort();
  showProgress(true);  // its position stays where it was
  ui_.setStatusText(text::LinkTexts::memTestOpening());

  MemoryTestResult result = MemoryTestResult::NoAnswer;
  if (link_.setdcb()) {
    uint8_t* tx = link_.transmit();
    std::memcpy(tx, step == 1 ? kMemoryFill : kMemoryCheck, kMemoryCommandSize);
    if (link_.vvod(tx, kMemoryCommandSize, kAckTimeout))
      result = MemoryTestResult::Done;
    else if (step == 2 && link_.outcome() == LinkOutcome::Refused)
      link_.setOutcome(LinkOutcome::FaultyMemory);  // the receiver found its test values spoilt
  }
  if (result == MemoryTestResult::Done) {
    ui_.setStatusText(step == 1 ? text::LinkTexts::memTestStep1Done() : text::LinkTexts::memTestStep2Done());
  } else {
    ui_.setStatusText(text::LinkTexts::memTestFailed());
    // Result code 4 may also be left over from an earlier read whose slot header never came:
    // the dialog has always shown the fault text then.
    const LinkOutcome o = link_.outcome();
    if (step == 2 && (o == LinkOutcome::FaultyMemory || o == LinkOutcome::HeaderMissing)) result = MemoryTestResult::Faulty;
  }
  link_.closePort();
  showProgress(false);
  session_.busy = false;
  link_.clearAbort();
  AuditEvent e{AuditAction::MemoryTest, result == MemoryTestResult::Done, {}, QStringLiteral("step %1").arg(step), {}};
  e.result = e.ok ? QStringLiteral("ok") : result == MemoryTestResult::Faulty ? QStringLiteral("faulty") : QStringLiteral("failed");
  audit(e);
  return result;
}

}  // namespace orbisk
