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

struct LinkRig {
  explicit LinkRig(std::vector<QByteArray> r) : replies(std::move(r)) {
    receiver = std::make_unique<Receiver>(*state, prompter, ui, [this] { return std::make_unique<ScriptedPort>(replies, clock); },
                                          clock);
  }
  std::vector<QByteArray> replies;
  test::FakeClock clock{1000};
  std::unique_ptr<MainState> state = std::make_unique<MainState>();
  QuietPrompter prompter;
  NullLinkUi ui;
  std::unique_ptr<Receiver> receiver;
};

}  // namespace orbisk::fuzz
