// A receiver conversation with halvorn-sim over a real line: a pseudo-terminal through Qt
// SerialPort, or on Windows its TCP port through tcp://.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/link/any_port.h"
#include "core/link/link_clock.h"
#include "core/link/receiver.h"
#include "support/conversation_state.h"
#include "support/recording_link_ui.h"
#include "support/scripted_prompter.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty()) GTEST_SKIP() << "halvorn-sim not found (ORBISK_TEST_BIN_DIR)";
  }
  Receiver& receiverOn(const QString& device) {
    state.portName = device;
    receiver = std::make_unique<Receiver>(state, state, prompter, ui, anyPortFactory(), clock);
    return *receiver;
  }
  static bool sameBytes(const ConfigImage& a, const ConfigImage& b, int from, int to) {
    return std::memcmp(a.data() + from, b.data() + from, static_cast<size_t>(to - from)) == 0;
  }

  TempCwd dir;
  ConversationState state;
  ScriptedPrompter prompter;
  RecordingLinkUi ui;
  SteadyClock clock;
  std::unique_ptr<Receiver> receiver;
};

}  // namespace orbisk::test
