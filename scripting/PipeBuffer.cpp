#include "PipeBuffer.h"

namespace scripting {

void PipeBuffer::add(const char* data, size_t size) {
    std::lock_guard lock(mutex_);
    data_.append(data, size);
    ready_.notify_all();
}

void PipeBuffer::finish() {
    std::lock_guard lock(mutex_);
    done_ = true;
    ready_.notify_all();
}

bool PipeBuffer::take(std::string& out) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !data_.empty() || done_; });
    if (data_.empty()) return false;
    out += data_;
    data_.clear();
    return true;
}

}  // namespace scripting
