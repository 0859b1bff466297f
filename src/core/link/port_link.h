// The exchange primitives every conversation with the receiver is built from.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "core/image/config_image.h"
#include "core/state/link_session.h"
#include "core/state/prompter.h"
#include "core/link/link_clock.h"
#include "core/link/link_outcome.h"
#include "core/link/serial_port.h"
#include "core/link/serial_trace.h"

namespace orbisk {

using TransferBuffer = std::array<uint8_t, kImageSize>;

// 0 when the first n bytes of a and b are equal, else the 1-based position of the first difference.
int strncmp1(const uint8_t* a, const uint8_t* b, int n);

class PortLink {
 public:
  PortLink(LinkSession& session, Prompter& prompter, PortFactory ports, Clock& clock, EventPump pump);
  ~PortLink();

  // Opens state.portName; a port that cannot be had shows "Порт занят".
  bool setdcb();
  // Purge, then send; nothing is awaited.
  bool wrport(const uint8_t* bytes, int n);
  // Acknowledged exchange: true when an "OK" line came back; false on time-out (NoAnswer) or a zero
  // byte (Refused). timeout is in tenths of a second and runs from the write.
  bool vvod(const uint8_t* bytes, int n, int timeout);
  // Block read of n bytes into the receive buffer's start: n, or 0 and NoAnswer on time-out.
  int report(int n, int timeout);
  // Counts the bytes that arrive within timeout (tenths of a second) and throws them away;
  // the outcome stays as it was. A quiet line gives 0.
  int drain(int timeout);
  // Sleeps a little more than n x 10 ms; the window is not pumped meanwhile.
  void delay1(int n);
  void closePort();
  bool isOpen() const { return port_ != nullptr; }

  // Ends the running conversation at its next wait, as if the receiver had gone silent.
  // Safe to call from a signal handler or another thread.
  void requestAbort() { abort_.store(true); }
  void clearAbort() { abort_.store(false); }
  bool abortRequested() const { return abort_.load(); }

  // Every conversation from now on is traced into path (appended); empty turns tracing off.
  void setTraceFile(const QString& path);
  const SerialTrace* trace() const { return trace_.get(); }
  // Called between the short sleeps of a pause: a repaint, never input.
  void setPausePump(EventPump pump) { pausePump_ = std::move(pump); }

  const uint8_t* received() const { return receive_->data(); }
  // Scratch for the bytes a conversation sends.
  uint8_t* transmit() { return transmit_->data(); }
  // How the last primitive ended; a conversation may name its stage instead.
  LinkOutcome outcome() const { return outcome_; }
  void setOutcome(LinkOutcome o) { outcome_ = o; }
  Clock& clock() { return clock_; }

 private:
  // Aborted, or the device went away: every wait ends and nothing more is sent.
  bool stopped() const;
  bool expired(uint32_t start, int timeout) const;
  // One wait of the port; the bytes it brought are traced, then the window may repaint.
  int readSome(uint8_t* into, int max);
  // On a line at 1200 baud a block read rests while the bytes it still needs cannot have come:
  // one wake-up for many bytes instead of one a byte, which cost more processor than the read.
  void restForBytes(int bytes);
  bool readOne(uint8_t& byte);
  // A wait that ran out, was aborted or lost its device: NoAnswer, and the trace says which.
  void endedWaiting();

  LinkSession& session_;
  Prompter& prompter_;
  PortFactory ports_;
  Clock& clock_;
  EventPump pump_;
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<SerialTrace> trace_;
  EventPump pausePump_;
  std::atomic<bool> abort_{false};
  // Heap-held: together with the image these are ~400 KB, too much for a stack.
  std::unique_ptr<TransferBuffer> transmit_ = std::make_unique<TransferBuffer>();
  std::unique_ptr<TransferBuffer> receive_ = std::make_unique<TransferBuffer>();
  LinkOutcome outcome_ = LinkOutcome::Ok;
  bool slowLine_ = false;  // the last block judged came at the line's speed
};

}  // namespace orbisk
