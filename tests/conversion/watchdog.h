// Ends the test program with a message when a test has not finished in time, so that a runner that never
// returns fails the run instead of hanging it.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

class Watchdog {
public:
    explicit Watchdog(int seconds);
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;
    ~Watchdog();

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};
