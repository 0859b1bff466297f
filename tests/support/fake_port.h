// A serial line in memory: what the link writes goes to a simulated receiver (or nowhere),
// and replies become readable at the fake time they are scheduled for.
#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <vector>

#include "fake_clock.h"
#include "core/link/serial_port.h"
#include "sim/receiver_engine.h"

namespace orbisk::test {

class FakeLine {
 public:
  explicit FakeLine(FakeClock& clock, sim::ReceiverEngine* engine = nullptr) : clock(clock), engine(engine) {}

  // Bytes that become readable at the given fake time (or at once).
  void arrive(const QByteArray& bytes, uint32_t atMs);
  void arriveNow(const QByteArray& bytes) { arrive(bytes, clock.now); }
  PortFactory factory();
  // Everything written, in order, and the bytes of the n-th write.
  QByteArray allWritten() const;

  FakeClock& clock;
  sim::ReceiverEngine* engine;
  PortOpen openResult = PortOpen::Ok;
  QString openedName;
  std::vector<QByteArray> writes;
  int opens = 0;
  int closes = 0;
  int purges = 0;
  int purgedBytes = 0;
  bool open = false;
  bool gone = false;     // the device went away: the port reports it vanished
  int emptyReadMs = 10;  // one empty read waits this long
  int readRun = 1;       // the most bytes one read takes of those due (a real port takes them all)

 private:
  friend class FakePort;
  struct Pending {
    uint32_t at;
    uint8_t byte;
  };
  std::deque<Pending> incoming_;
};

class FakePort : public SerialPort {
 public:
  explicit FakePort(FakeLine& line) : line_(line) {}
  PortOpen open(const QString& name) override;
  void purge() override;
  bool write(const uint8_t* bytes, int n) override;
  bool readByte(uint8_t& byte) override;
  // Every byte due by now, as a real port's buffer holds them.
  int readSome(uint8_t* into, int max) override;
  void close() override;
  bool vanished() const override { return line_.gone; }

 private:
  FakeLine& line_;
};

}  // namespace orbisk::test
