// The simulated receiver's protocol engine: bytes from the PC in, the receiver's replies out.
// It does no I/O and keeps no time of its own: callers pass the milliseconds of each arrival.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/image/config_image.h"
#include "core/link/clock_text.h"
#include "sim/sim_faults.h"

namespace orbisk::sim {

using SlotTypes = std::array<uint8_t, kSlotCount>;

class ReceiverEngine {
 public:
  ReceiverEngine();
  ~ReceiverEngine();
  ReceiverEngine& operator=(ReceiverEngine&&) noexcept;

  // As a fresh engine in all but its memory, which stays as it is: for a caller that runs
  // many short lives on one engine without making and clearing two images each time.
  void restart();

  // The receiver's memory in the image layout: settings, counts, SIM numbers, tables, identity.
  ConfigImage& memory() { return *memory_; }
  const ConfigImage& memory() const { return *memory_; }
  void setModel(const QByteArray& digits);     // four characters
  void setFirmware(const QByteArray& version); // four characters
  void setChannelTypes(const SlotTypes& types) { types_ = types; }
  const SlotTypes& channelTypes() const { return types_; }
  void setClock(const ClockBytes& clock, uint32_t nowMs);
  // The clock as it reads now: a valid clock runs on, an invalid one stands still.
  ClockBytes clockAt(uint32_t nowMs) const;
  int eventCount() const { return events_; }
  void setEventCount(int n) { events_ = n; }
  bool testValuesStored() const { return testValues_; }
  int writesTaken() const { return writesTaken_; }

  SimFaults& faults() { return faults_; }
  // Called once a write has been closed with "K" and taken over.
  void setOnCommit(std::function<void()> f) { onCommit_ = std::move(f); }
  // A pause longer than this inside a block means the PC gave up on it. 0 = never.
  void setResyncGapMs(uint32_t ms) { resyncGapMs_ = ms; }

  QByteArray feed(const uint8_t* bytes, int n, uint32_t nowMs);
  QByteArray feed(const QByteArray& bytes, uint32_t nowMs);
  // The line was dropped: forget any conversation under way, greetings tried included.
  void reset();

 private:
  ReceiverEngine(std::unique_ptr<ConfigImage> memory, std::unique_ptr<ConfigImage> pending);

  enum class State { Idle, AtLine, GreetedR, GreetedP, Incoming, AwaitK };
  enum class Part { Clock, Settings, Header, Record, Sims, SetClock };

  // Drops a half-done block or conversation; the greeting count runs on.
  void resync();
  void onByte(uint8_t b);
  bool onGreeting(uint8_t b);
  void onIdle(uint8_t b);
  void onAtLine(uint8_t b);
  void onGreetedR(uint8_t b);
  void onGreetedP(uint8_t b);
  void onIncoming(uint8_t b);
  void onAwaitK(uint8_t b);
  void expect(Part part, int size);
  void finishPart();
  void finishHeader();
  void finishRecord();
  void nextSlot();
  void runAtCommand();
  bool ack();
  void commit();
  QByteArray readStream();  // counts down the reads a flip applies to
  QByteArray clockReply() const;

  std::unique_ptr<ConfigImage> memory_;
  std::unique_ptr<ConfigImage> pending_;
  SlotTypes types_{};
  ClockBytes clock_{};
  uint32_t clockSetAt_ = 0;
  int events_ = 0;
  bool testValues_ = false;
  int writesTaken_ = 0;
  SimFaults faults_;
  std::function<void()> onCommit_;
  uint32_t resyncGapMs_ = 300;

  State state_ = State::Idle;
  Part part_ = Part::Clock;
  QByteArray acc_;
  int need_ = 0;
  int slot_ = 0;
  int count_ = 0;
  int record_ = 0;
  ClockBytes pendingClock_{};
  int greetingTries_ = 0;
  int acks_ = 0;
  uint32_t now_ = 0;
  uint32_t lastByteAt_ = 0;
  QByteArray out_;
};

}  // namespace orbisk::sim
