#include "cli/interrupt.h"

#include "core/link/receiver.h"

#include <atomic>
#include <csignal>

#ifndef _WIN32
#include <signal.h>
#endif

namespace orbisk::cli {
namespace {

std::atomic<bool> g_interrupted{false};
std::atomic<Receiver*> g_target{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");
static_assert(std::atomic<Receiver*>::is_always_lock_free, "the target is read in a signal handler");

// Only lock-free atomic stores happen here: requestAbort() sets the link's atomic flag.
extern "C" void onInterrupt(int) {
  g_interrupted.store(true);
  if (Receiver* r = g_target.load()) r->requestAbort();
}

}  // namespace

void installInterruptHandler() {
#ifdef _WIN32
  std::signal(SIGINT, onInterrupt);
#else
  // No SA_RESTART: a question waiting for its answer must return when Ctrl+C is pressed.
  struct sigaction sa {};
  sa.sa_handler = onInterrupt;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;
  sigaction(SIGINT, &sa, nullptr);
#endif
}

void setInterruptTarget(Receiver* receiver) { g_target.store(receiver); }

bool interruptRequested() { return g_interrupted.load(); }

void exitAsInterrupted() {
  std::signal(SIGINT, SIG_DFL);
  std::raise(SIGINT);
}

}  // namespace orbisk::cli
