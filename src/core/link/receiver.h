// The conversations with the receiver: whole-configuration read and write, the clock, the event
// buffer and the memory test. The main window and the command-line tool each own one.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/state/document.h"
#include "core/state/link_session.h"
#include "core/state/prompter.h"
#include "core/link/audit_event.h"
#include "core/link/link_ui.h"
#include "core/link/port_link.h"

namespace orbisk {

using ChannelTypes = std::array<uint8_t, kSlotCount>;

enum class MemoryTestResult {
  NotStarted,  // another conversation was running
  Done,        // "шаг N выполнен"
  NoAnswer,    // port not opened, silence or refusal: the step can be repeated
  Faulty,      // step 2 refused: LinkOutcome::FaultyMemory
};

// What the last whole read saw beyond the bytes it stored, for the checks that follow it.
struct ReadFacts {
  std::array<int, kSlotCount> claimedCounts{};  // each slot header's count, also above 200
  int trailingBytes = 0;                        // arrived after the identity block
};

class Receiver {
 public:
  // The document is what a read fills and a write sends; the session names the port.
  Receiver(Document& doc, LinkSession& session, Prompter& prompter, LinkUi& ui, PortFactory ports, Clock& clock,
           EventPump pump = {});

  // Reads the whole configuration. The image, channel types and model text change only when
  // everything has arrived; on success the views are refreshed. False also when busy.
  bool rddump2();
  // The same read into the caller's image; the configuration and the views stay as they are.
  bool readInto(ConfigImage& out, ChannelTypes& types);
  // Writes the image to the receiver; its clock stamp becomes the PC clock.
  bool wrdump2();
  // The "Запись" button: with no expanders it asks first; Cancel sends nothing.
  bool guardedWrite();
  // The question guardedWrite asks: true when there are expanders or the answer was Yes.
  bool emptyWriteConfirmed();
  // Whether the receiver answered the greeting of the last conversation.
  bool answered() const { return answered_; }
  // How the last conversation ended (Ok after a success).
  LinkOutcome outcome() const { return link_.outcome(); }
  bool rddump1();            // compare the clocks
  bool wrdump1();            // set the receiver's clock from the PC's
  bool clearEventBuffer();   // "очистить буфер событий"
  void showFirmwareVersion();
  MemoryTestResult memoryTestStep1();
  MemoryTestResult memoryTestStep2();

  const ReadFacts& lastRead() const { return facts_; }
  // The transfer about to start is this part of a longer one (a write and its read-back): the
  // progress shown runs over the whole, and a step's bytes start where the earlier parts ended.
  void setProgressSpan(long before, long after) {
    spanBefore_ = before;
    spanAfter_ = after;
  }

  // Telephone counts a read expects until the slot headers give the true ones, so its total and
  // time left are near the truth from the start; they are shown as an estimate until then.
  void setReadEstimate(const ConfigImage& likely);

  // Progress bar position, ignored while the bar is hidden.
  void progrbar(int v);
  // Makes the running conversation fail at its next wait (window closing, Ctrl+C).
  void requestAbort() { link_.requestAbort(); }
  PortLink& link() { return link_; }
  const Document& document() const { return doc_; }
  const LinkSession& session() const { return session_; }
  // Told of every clock setting, event-buffer clearing, memory-test step and (through the
  // transfer pipeline) whole transfer; unset: nothing is recorded.
  void setAuditHook(AuditHook hook) { audit_ = std::move(hook); }
  void audit(const AuditEvent& e) const {
    if (audit_) audit_(e);
  }
  const PortLink& link() const { return link_; }

 private:
  struct Conversation {
    uint8_t greeting;
    QString opening;
    QString success;
    bool isRead;  // NoReceiver, and a failure text even when the port did not open
    QString (*failureText)(LinkOutcome outcome);
  };
  bool converse(const Conversation& c, const std::function<bool()>& body);
  // The whole read into scratch_; true when everything arrived.
  bool readScratch(ChannelTypes& types);
  bool greet(uint8_t greeting);
  void showProgress(bool visible);
  bool block(int n, int timeout, LinkOutcome failure);
  void moved(int n);
  bool readBody(ConfigImage& fresh, ChannelTypes& types);
  bool readSlot(ConfigImage& fresh, int slot);
  bool writeBody(const std::array<uint8_t, kSlotCount>& counts);
  bool writeSlot(int slot, int count);
  void showSameTime();
  MemoryTestResult memoryTest(int step);
  void auditCommand(AuditAction action, bool ok) const;

  Document& doc_;
  LinkSession& session_;
  Prompter& prompter_;
  LinkUi& ui_;
  PortLink link_;
  bool progressVisible_ = false;
  long done_ = 0;
  long total_ = 0;
  long spanBefore_ = 0;
  long spanAfter_ = 0;
  std::array<int, kSlotCount> estimate_{};
  bool estimating_ = false;  // a read whose slot headers have not all come
  ReadFacts facts_;
  bool answered_ = false;
  AuditHook audit_;
  // Where a read lands before it is known whole: made once, not per read.
  std::unique_ptr<ConfigImage> scratch_ = std::make_unique<ConfigImage>();
};

QString firmwareVersionText(const ConfigImage& img);
// The tree's root label for what a read brought.
QString modelTextFor(const ChannelTypes& types, const ConfigImage& img);

}  // namespace orbisk
