// Tests of the built orbisk-cli against halvorn-sim: skipped where the programs are not built;
// the sample configuration is made in a fresh working folder first.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "support/cli_binary.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace orbisk::test {

class SampleSimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (SimProcess::binary().isEmpty() || cliBinary().isEmpty())
      GTEST_SKIP() << "halvorn-sim or orbisk-cli not found (ORBISK_TEST_BIN_DIR)";
    sample = dir.path("sample.rcf");
    ASSERT_EQ(SimProcess::run({"--sample", sample}), 0);
  }

  TempCwd dir;
  QString sample;
};

}  // namespace orbisk::test
