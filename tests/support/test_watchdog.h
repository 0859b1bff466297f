// A time limit for each test of a program: one that runs longer ends the whole program with its
// name on standard output. Under Wine one process runs all of a program's tests, and a hang must
// name its test instead of leaving only the program's outer time limit to say "too long".
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace orbisk::test {

class TestWatchdog : public ::testing::EmptyTestEventListener {
 public:
  explicit TestWatchdog(std::chrono::seconds limit);
  ~TestWatchdog() override;
  void OnTestStart(const ::testing::TestInfo& info) override;
  void OnTestEnd(const ::testing::TestInfo& info) override;

  // From ORBISK_TEST_TIMEOUT (whole seconds); none when it is unset or not a positive number.
  static void installFromEnvironment();

 private:
  void watch();

  const std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string running_;  // empty between tests
  std::chrono::steady_clock::time_point deadline_;
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace orbisk::test
