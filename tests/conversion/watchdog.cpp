#include "watchdog.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

Watchdog::Watchdog(int seconds)
    : thread_([this, seconds] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!finished_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) {
              std::fprintf(stderr, "test still running after %d s: ended by the watchdog\n", seconds);
              std::fflush(stderr);
              TerminateProcess(GetCurrentProcess(), 3);
          }
      }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    thread_.join();
}
