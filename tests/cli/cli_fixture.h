// orbisk-cli run in-process: captured streams, scripted answers, and a fake line to the
// simulated receiver's engine on a fake clock, so whole transfers take milliseconds.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>

#include "cli/cli_env.h"
#include "sim/receiver_engine.h"
#include "support/fake_clock.h"
#include "support/fake_port.h"
#include "support/temp_dir.h"

namespace orbisk::test {

class CliFixture : public ::testing::Test {
 protected:
  CliFixture();
  int run(const QStringList& args);
  // A configuration file as the desktop would save it.
  void saveConfig(const QString& path, ConfigImage& img);
  QStringList filesInDir() const;

  TempCwd dir;
  FakeClock clock;
  sim::ReceiverEngine engine;
  FakeLine line{clock, &engine};
  cli::CliEnv env;
  QString out;
  QString err;
  std::deque<QString> input;  // lines typed at the terminal
  int interruptAfterPolls = -1;  // Ctrl+C once the link has polled this often; -1 = never
  int polls = 0;
};

}  // namespace orbisk::test
