#include "fake_port.h"

#include <algorithm>
#include <memory>

namespace orbisk::test {
namespace {

// Wrap-safe "at or before": the fake tick may start just short of wrapping round.
bool due(uint32_t at, uint32_t now) { return static_cast<int32_t>(at - now) <= 0; }

}  // namespace

void FakeLine::arrive(const QByteArray& bytes, uint32_t atMs) {
  for (char c : bytes) incoming_.push_back({atMs, static_cast<uint8_t>(c)});
}

PortFactory FakeLine::factory() {
  return [this] { return std::make_unique<FakePort>(*this); };
}

QByteArray FakeLine::allWritten() const {
  QByteArray all;
  for (const QByteArray& w : writes) all += w;
  return all;
}

PortOpen FakePort::open(const QString& name) {
  ++line_.opens;
  line_.openedName = name;
  line_.open = line_.openResult != PortOpen::Busy;
  return line_.openResult;
}

// Only what has arrived by now is thrown away; later replies are still on their way.
void FakePort::purge() {
  ++line_.purges;
  while (!line_.incoming_.empty() && due(line_.incoming_.front().at, line_.clock.now)) {
    line_.incoming_.pop_front();
    ++line_.purgedBytes;
  }
}

bool FakePort::write(const uint8_t* bytes, int n) {
  const QByteArray data(reinterpret_cast<const char*>(bytes), n);
  line_.writes.push_back(data);
  if (line_.engine) line_.arriveNow(line_.engine->feed(data, line_.clock.now));
  return true;
}

int FakePort::readSome(uint8_t* into, int max) {
  int n = 0;
  while (n < std::min(max, line_.readRun) && !line_.incoming_.empty() && due(line_.incoming_.front().at, line_.clock.now)) {
    into[n++] = line_.incoming_.front().byte;
    line_.incoming_.pop_front();
  }
  if (n == 0) line_.clock.advance(static_cast<uint32_t>(line_.emptyReadMs));
  return n;
}

bool FakePort::readByte(uint8_t& byte) {
  if (!line_.incoming_.empty() && due(line_.incoming_.front().at, line_.clock.now)) {
    byte = line_.incoming_.front().byte;
    line_.incoming_.pop_front();
    return true;
  }
  line_.clock.advance(static_cast<uint32_t>(line_.emptyReadMs));
  return false;
}

// Like the simulator's pseudo-terminal: closing the port ends whatever the receiver was doing.
void FakePort::close() {
  ++line_.closes;
  line_.open = false;
  if (line_.engine) line_.engine->reset();
}

}  // namespace orbisk::test
