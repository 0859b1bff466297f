// A receiver conversation wired to a simulated receiver through a fake line and a fake clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/conversation_state.h"
#include "fake_clock.h"
#include "fake_port.h"
#include "core/link/receiver.h"
#include "recording_link_ui.h"
#include "scripted_prompter.h"
#include "sim/receiver_engine.h"

namespace orbisk::test {

class LinkFixture : public ::testing::Test {
 protected:
  LinkFixture();
  // A line with nothing on the other end: the test schedules every reply itself.
  void detachEngine() { line.engine = nullptr; }
  // The sample receiver: slots 0, 1, 2 and 4, telephones in 0 to 2.
  void loadSample();

  FakeClock clock;
  sim::ReceiverEngine engine;
  FakeLine line{clock, &engine};
  ConversationState state;
  ScriptedPrompter prompter;
  RecordingLinkUi ui;
  int pumps = 0;
  std::function<void()> onPump;
  std::unique_ptr<Receiver> receiver;
};

}  // namespace orbisk::test
