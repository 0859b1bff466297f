#include "support/test_watchdog.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace orbisk::test {

TestWatchdog::TestWatchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}

TestWatchdog::~TestWatchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void TestWatchdog::OnTestStart(const ::testing::TestInfo& info) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = std::string(info.test_suite_name()) + "." + info.name();
    deadline_ = std::chrono::steady_clock::now() + limit_;
  }
  changed_.notify_all();
}

void TestWatchdog::OnTestEnd(const ::testing::TestInfo&) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_.clear();
  }
  changed_.notify_all();
}

// Sleeps until a test starts, ends or outlives its limit; never polls.
void TestWatchdog::watch() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!quit_) {
    if (running_.empty()) {
      changed_.wait(lock);
      continue;
    }
    const std::string test = running_;
    const auto deadline = deadline_;
    if (changed_.wait_until(lock, deadline) != std::cv_status::timeout || running_ != test || deadline_ != deadline)
      continue;
    std::printf("[ TIMEOUT  ] %s still running after %lld s\n", test.c_str(), static_cast<long long>(limit_.count()));
    std::fflush(stdout);
    std::_Exit(124);  // a hung test cannot be unwound; its program ends here
  }
}

void TestWatchdog::installFromEnvironment() {
  bool ok = false;
  const int seconds = qEnvironmentVariableIntValue("ORBISK_TEST_TIMEOUT", &ok);
  if (!ok || seconds <= 0) return;
  ::testing::UnitTest::GetInstance()->listeners().Append(new TestWatchdog(std::chrono::seconds(seconds)));
}

}  // namespace orbisk::test
