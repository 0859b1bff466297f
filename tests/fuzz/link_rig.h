// A receiver conversation whose receiver is the fuzzer's input: every write the link makes
// releases the next reply, a fake clock makes each empty read and pause cost nothing.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/link/receiver.h"
#include "support/conversation_state.h"
#include "core/state/prompter.h"
#include "support/fake_clock.h"

namespace orbisk::fuzz {

class QuietPrompter : public Prompter {
 public:
  void message(const QString&) override {}
  void messageCaptioned(const QString&, const QString&) override {}
  Answer ask(const QString&, bool) override { return Answer::Yes; }
  QString openFile(const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&) override { return {}; }
  QString savePdfFile(const QString&, const QString&) override { return {}; }
};

// Replies are views of the fuzzer's input: nothing is copied per byte or per input.
class ScriptedPort : public SerialPort {
 public:
  ScriptedPort(std::vector<QByteArray>& replies, test::FakeClock& clock) : replies_(replies), clock_(clock) {}
  PortOpen open(const QString&) override { return PortOpen::Ok; }
  void purge() override { at_ = reply_.size(); }
  bool write(const uint8_t*, int) override {
    const QByteArray next = next_ < replies_.size() ? replies_[next_] : QByteArray();
    ++next_;
    // What was not read of the last reply stays ahead of the next one, as on a line.
    reply_ = at_ < reply_.size() ? reply_.mid(at_) + next : next;
    at_ = 0;
    return true;
  }
  bool readByte(uint8_t& byte) override { return readSome(&byte, 1) == 1; }
  int readSome(uint8_t* into, int max) override {
    if (at_ >= reply_.size() || max <= 0) {
      clock_.advance(10);
      return 0;
    }
    const qsizetype n = std::min<qsizetype>(max, reply_.size() - at_);
    std::memcpy(into, reply_.constData() + at_, static_cast<size_t>(n));
    at_ += n;
    return static_cast<int>(n);
  }
  void close() override {}

 private:
  std::vector<QByteArray>& replies_;
  test::FakeClock& clock_;
  QByteArray reply_;  // what the receiver has sent and the link not yet read, from at_ on
  qsizetype at_ = 0;
  size_t next_ = 0;
};

// Made once per process: a fresh conversation state is some 400 KB of buffers, which cost more to
// allocate and clear than most conversations take. Each input starts from the same state.
class LinkRig {
 public:
  static LinkRig& get() {
    static LinkRig rig;
    return rig;
  }

  // The state as a fresh one holds it, with base for the image, and these replies to come.
  test::ConversationState& start(std::vector<QByteArray> r, const ConfigImage& base) {
    replies = std::move(r);
    clock.now = kStart;  // the same times and PC clock for every input
    clock.sleeps.clear();
    test::ConversationState& st = *state;
    st.image = base;
    st.expanderPresent = {};
    st.channelTypes = {};
    st.expanderMask = 0;
    st.expanderCount = 0;
    st.modelText = kDefaultModelText;
    st.modified = st.busy = false;
    receiver->link().setOutcome(LinkOutcome::Ok);
    return st;
  }

  std::vector<QByteArray> replies;
  static constexpr uint32_t kStart = 1000;
  test::FakeClock clock{kStart};
  std::unique_ptr<test::ConversationState> state = std::make_unique<test::ConversationState>();
  QuietPrompter prompter;
  NullLinkUi ui;
  std::unique_ptr<Receiver> receiver = std::make_unique<Receiver>(
      *state, *state, prompter, ui, [this] { return std::make_unique<ScriptedPort>(replies, clock); }, clock);

 private:
  LinkRig() = default;
};

// The image every input of a conversation target starts from, made once.
template <typename Build>
const ConfigImage& baseImage(Build build) {
  static const std::unique_ptr<ConfigImage> base = [&build] {
    auto img = std::make_unique<ConfigImage>();
    build(*img);
    return img;
  }();
  return *base;
}

}  // namespace orbisk::fuzz
