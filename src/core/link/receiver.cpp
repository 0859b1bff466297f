#include "core/link/receiver.h"

#include "core/link/link_texts.h"
#include "core/link/protocol.h"

#include <algorithm>

namespace orbisk {
namespace {

using proto::kGreetingTimeout;
using proto::kGreetingTries;

}  // namespace

Receiver::Receiver(Document& doc, LinkSession& session, Prompter& prompter, LinkUi& ui, PortFactory ports,
                   Clock& clock, EventPump pump)
    : doc_(doc), session_(session), prompter_(prompter), ui_(ui), link_(session, prompter, std::move(ports), clock, std::move(pump)) {}

void Receiver::progrbar(int v) {
  if (progressVisible_) ui_.setProgress(v);
}

void Receiver::showProgress(bool visible) {
  progressVisible_ = visible;
  ui_.setProgressVisible(visible);
}

bool Receiver::greet(uint8_t greeting) {
  uint8_t* tx = link_.transmit();
  for (int attempt = 0; attempt < kGreetingTries; ++attempt) {
    tx[0] = greeting;
    const bool answered = link_.vvod(tx, 1, kGreetingTimeout);
    progrbar(attempt * 25);
    if (answered) return true;
  }
  return false;
}

bool Receiver::converse(const Conversation& c, const std::function<bool()>& body) {
  if (session_.busy) return false;
  session_.busy = true;
  estimating_ = false;
  link_.clearAbort();
  bool ok = false;
  answered_ = false;
  const bool opened = link_.setdcb();
  if (opened) {
    showProgress(true);
    ui_.setProgress(0);
    ui_.setStatusText(c.opening);
    if (greet(c.greeting)) {
      answered_ = true;
      progrbar(50);
      ok = body();
    } else if (c.isRead) {
      link_.setOutcome(LinkOutcome::NoReceiver);
    }
  } else if (c.isRead) {
    link_.setOutcome(LinkOutcome::NoReceiver);
  }
  if (ok) {
    progrbar(100);
    ui_.repaintNow();
    ui_.setStatusText(c.success);
  } else if (opened || c.isRead) {
    const QString failure = c.failureText(link_.outcome());
    if (!failure.isNull()) ui_.setStatusText(failure);
  }
  link_.closePort();
  showProgress(false);
  session_.busy = false;
  link_.clearAbort();
  return ok;
}

void Receiver::moved(int n) {
  done_ += n;
  const long done = spanBefore_ + done_, total = spanBefore_ + total_ + spanAfter_;
  if (estimating_) ui_.bytesMovedEstimate(done, total);
  else ui_.bytesMoved(done, total);
}

void Receiver::setReadEstimate(const ConfigImage& likely) {
  for (int s = 0; s < kSlotCount; ++s) estimate_[static_cast<size_t>(s)] = std::min(likely.phoneCount(s), kMaxPhones);
}

bool Receiver::block(int n, int timeout, LinkOutcome failure) {
  if (link_.report(n, timeout) != n) {
    link_.setOutcome(failure);
    return false;
  }
  moved(n);
  return true;
}

}  // namespace orbisk
