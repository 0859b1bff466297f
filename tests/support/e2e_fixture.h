// A receiver conversation over a real pseudo-terminal to halvorn-sim, through Qt SerialPort.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/link/link_clock.h"
#include "core/link/qt_serial_port.h"
#include "core/link/receiver.h"
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
    receiver = std::make_unique<Receiver>(state, prompter, ui, qtPortFactory(), clock);
    return *receiver;
  }
  static bool sameBytes(const ConfigImage& a, const ConfigImage& b, int from, int to) {
    return std::memcmp(a.data() + from, b.data() + from, static_cast<size_t>(to - from)) == 0;
  }

  TempCwd dir;
  MainState state;
  ScriptedPrompter prompter;
  RecordingLinkUi ui;
  SteadyClock clock;
  std::unique_ptr<Receiver> receiver;
};

}  // namespace orbisk::test
