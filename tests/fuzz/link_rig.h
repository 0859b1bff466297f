// A receiver conversation whose receiver is the fuzzer's input: every write the link makes
// releases the next reply, a fake clock makes each empty read and pause cost nothing.
#pragma once

#include <QByteArray>
#include <deque>
#include <memory>
#include <vector>

#include "core/link/receiver.h"
#include "core/state/main_state.h"
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

class ScriptedPort : public SerialPort {
 public:
  ScriptedPort(std::vector<QByteArray>& replies, test::FakeClock& clock) : replies_(replies), clock_(clock) {}
  PortOpen open(const QString&) override { return PortOpen::Ok; }
  void purge() override { pending_.clear(); }
  bool write(const uint8_t*, int) override {
    if (next_ < replies_.size()) pending_.insert(pending_.end(), replies_[next_].begin(), replies_[next_].end());
    ++next_;
    return true;
  }
  bool readByte(uint8_t& byte) override {
    if (pending_.empty()) {
      clock_.advance(10);
      return false;
    }
    byte = static_cast<uint8_t>(pending_.front());
    pending_.pop_front();
    return true;
  }
  void close() override {}

 private:
  std::vector<QByteArray>& replies_;
  test::FakeClock& clock_;
  std::deque<char> pending_;
  size_t next_ = 0;
};

// Made once per process: a fresh MainState is some 400 KB of buffers, which cost more to
// allocate and clear than most conversations take. Each input starts from the same state.
class LinkRig {
 public:
  static LinkRig& get() {
    static LinkRig rig;
    return rig;
  }

  // The state as a fresh one holds it, with base for the image, and these replies to come.
  MainState& start(std::vector<QByteArray> r, const ConfigImage& base) {
    replies = std::move(r);
    clock.now = kStart;  // the same times and PC clock for every input
    clock.sleeps.clear();
    MainState& st = *state;
    st.image = base;
    st.expanderPresent = {};
    st.channelTypes = {};
    st.expanderMask = 0;
    st.expanderCount = 0;
    st.currentExpander = kReceiverNode;
    st.currentPhoneIndex = st.currentRecordOffset = st.treeSelectionIndex = st.editorMode = 0;
    st.modelText = kDefaultModelText;
    st.modified = st.busy = st.refreshing = st.activated = false;
    receiver->link().setOutcome(LinkOutcome::Ok);
    return st;
  }

  std::vector<QByteArray> replies;
  static constexpr uint32_t kStart = 1000;
  test::FakeClock clock{kStart};
  std::unique_ptr<MainState> state = std::make_unique<MainState>();
  QuietPrompter prompter;
  NullLinkUi ui;
  std::unique_ptr<Receiver> receiver = std::make_unique<Receiver>(
      *state, prompter, ui, [this] { return std::make_unique<ScriptedPort>(replies, clock); }, clock);

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
