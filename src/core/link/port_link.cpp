#include "core/link/port_link.h"

#include <algorithm>
#include <cstring>

#include "core/link/link_texts.h"
#include "core/link/protocol.h"

namespace orbisk {
namespace {

constexpr int kPauseStepMs = 10;
// A byte at 1200 baud takes 8.3 ms: resting 8 ms a missing byte never waits past its arrival.
constexpr int kLineByteMs = 8;
// The longest rest inside a block read: the window still repaints ten times a second.
constexpr int kLongestRestMs = 64;
// A block of this many bytes or more tells a line at 1200 baud from a faster one.
constexpr int kJudgedBlock = 6;

}  // namespace

int strncmp1(const uint8_t* a, const uint8_t* b, int n) {
  for (int i = 0; i < n; ++i)
    if (a[i] != b[i]) return i + 1;
  return 0;
}

PortLink::PortLink(LinkSession& session, Prompter& prompter, PortFactory ports, Clock& clock, EventPump pump)
    : session_(session), prompter_(prompter), ports_(std::move(ports)), clock_(clock), pump_(std::move(pump)) {}

PortLink::~PortLink() { closePort(); }

bool PortLink::setdcb() {
  closePort();
  slowLine_ = false;
  port_ = ports_ ? ports_() : nullptr;
  const PortOpen result = port_ ? port_->open(session_.portName) : PortOpen::Busy;
  if (trace_) trace_->opened(session_.portName, result != PortOpen::Busy, clock_.nowMs(), clock_.pcNow().toString(Qt::ISODate));
  if (result == PortOpen::Busy) {
    port_.reset();
    prompter_.messageCaptioned(text::LinkTexts::portBusyCaption(), text::LinkTexts::portBusyText());
    return false;
  }
  // Settings refused: the port stays open for the caller's closing step, as always.
  return result == PortOpen::Ok;
}

bool PortLink::wrport(const uint8_t* bytes, int n) {
  // After an abort nothing more goes to the receiver, not even the next piece of the conversation.
  if (!port_ || stopped()) return false;
  port_->purge();
  if (trace_) {
    trace_->purged(clock_.nowMs());
    trace_->sent(bytes, n, clock_.nowMs());
  }
  return port_->write(bytes, n);
}

bool PortLink::stopped() const { return abort_.load() || (port_ && port_->vanished()); }

bool PortLink::expired(uint32_t start, int timeout) const {
  return stopped() || clock_.nowMs() - start > static_cast<uint32_t>(timeout) * 100u;
}

int PortLink::readSome(uint8_t* into, int max) {
  const int got = port_ ? port_->readSome(into, max) : 0;
  if (trace_) {
    const uint32_t now = clock_.nowMs();
    for (int i = 0; i < got; ++i) trace_->received(into[i], now);
    if (got == 0) trace_->quiet();
  }
  if (pump_) pump_();
  return got;
}

bool PortLink::readOne(uint8_t& byte) { return readSome(&byte, 1) == 1; }

void PortLink::endedWaiting() {
  outcome_ = LinkOutcome::NoAnswer;
  if (!trace_) return;
  if (abort_.load()) trace_->note(QStringLiteral("abort"), clock_.nowMs());
  else if (port_ && port_->vanished()) trace_->note(QStringLiteral("device gone"), clock_.nowMs());
  else trace_->timedOut(clock_.nowMs());
}

bool PortLink::vvod(const uint8_t* bytes, int n, int timeout) {
  outcome_ = LinkOutcome::Ok;
  if (stopped()) {
    endedWaiting();
    return false;
  }
  wrport(bytes, n);
  const uint32_t start = clock_.nowMs();
  uint8_t* buf = receive_->data();
  const int size = static_cast<int>(receive_->size());
  int pos = 0;
  int lineStart = 0;
  for (;;) {
    if (expired(start, timeout)) {
      endedWaiting();
      return false;
    }
    uint8_t b = 0;
    if (!readOne(b)) continue;
    if (pos == size) {
      // A receiver that never stops talking must not run past the buffer: only the first two
      // bytes of the current line still matter, so move them to the front and go on there.
      const int keep = std::min(pos - lineStart, 2);
      std::memmove(buf, buf + lineStart, static_cast<size_t>(keep));
      lineStart = 0;
      pos = keep;
    }
    buf[pos++] = b;
    if (b == 0x00) {
      outcome_ = LinkOutcome::Refused;
      return false;
    }
    if (b != 0x0A) continue;
    if (pos - lineStart >= 3 && strncmp1(buf + lineStart, reinterpret_cast<const uint8_t*>(proto::kAckLine), 2) == 0) return true;
    lineStart = pos;
  }
}

int PortLink::report(int n, int timeout) {
  n = std::clamp(n, 0, static_cast<int>(receive_->size()));
  uint8_t* buf = receive_->data();
  const uint32_t start = clock_.nowMs();
  uint32_t first = start;
  int count = 0;
  while (count < n) {
    if (expired(start, timeout)) {
      endedWaiting();
      return 0;
    }
    const int got = readSome(buf + count, n - count);
    if (count == 0 && got > 0) first = clock_.nowMs();
    count += got;
    if (got > 0 && count < n) restForBytes(n - count - 1);
  }
  // Bytes that came about a byte's time apart came at the line's own speed.
  if (n >= kJudgedBlock) slowLine_ = clock_.nowMs() - first >= static_cast<uint32_t>((n - 1) * kLineByteMs * 3 / 4);
  return n;
}

void PortLink::restForBytes(int bytes) {
  if (!slowLine_ || bytes <= 0 || stopped()) return;
  clock_.sleepMs(std::min(bytes * kLineByteMs, kLongestRestMs));
}

int PortLink::drain(int timeout) {
  const uint32_t start = clock_.nowMs();
  int count = 0;
  uint8_t scrap[64];
  while (!expired(start, timeout)) count += readSome(scrap, static_cast<int>(sizeof scrap));
  return count;
}

void PortLink::delay1(int n) {
  const uint32_t start = clock_.nowMs();
  const uint32_t span = static_cast<uint32_t>(std::max(n, 0)) * 10u;
  if (trace_ && !stopped()) trace_->pause(static_cast<int>(span), start);
  for (;;) {
    const uint32_t elapsed = clock_.nowMs() - start;
    if (elapsed > span || stopped()) return;
    // Short steps, so an abort (Ctrl+C, a closing window) is seen within a few milliseconds.
    clock_.sleepMs(std::min(static_cast<int>(span - elapsed) + 1, kPauseStepMs));
    // The window may repaint meanwhile; input waits until the pause is over.
    if (pausePump_) pausePump_();
  }
}

void PortLink::closePort() {
  if (!port_) return;
  port_->close();
  port_.reset();
  if (trace_) trace_->closed(clock_.nowMs());
}

void PortLink::setTraceFile(const QString& path) {
  trace_ = path.isEmpty() ? nullptr : std::make_unique<SerialTrace>(path);
}

}  // namespace orbisk
