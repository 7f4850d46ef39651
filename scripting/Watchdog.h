// Ends the host when a script runs longer than //T:nn allows. It counts
// wall-clock time, so a script asleep or waiting for a program is stopped
// too, which the engine's own limit (script time only) would not do.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace scripting {

class Watchdog {
  public:
    // `expire` runs on the watchdog's thread and must not return.
    explicit Watchdog(std::function<void()> expire);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts counting `seconds` from now again; 0 switches the limit off.
    void arm(int seconds);

  private:
    void loop();

    std::function<void()> expire_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::chrono::steady_clock::time_point deadline_;
    bool armed_ = false;
    bool stop_ = false;
    std::thread thread_;
};

}  // namespace scripting
