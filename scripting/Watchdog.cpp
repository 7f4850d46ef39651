#include "Watchdog.h"

namespace scripting {

Watchdog::Watchdog(std::function<void()> expire) : expire_(std::move(expire)) {
    thread_ = std::thread([this] { loop(); });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Watchdog::arm(int seconds) {
    {
        std::lock_guard lock(mutex_);
        armed_ = seconds > 0;
        deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    }
    changed_.notify_all();
}

void Watchdog::loop() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
        if (!armed_) {
            changed_.wait(lock);
            continue;
        }
        if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ && !stop_ &&
            std::chrono::steady_clock::now() >= deadline_) {
            expire_();
        }
    }
}

}  // namespace scripting
