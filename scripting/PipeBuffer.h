// Bytes collected from one pipe by a reader thread, handed to the script's
// thread as it asks for them.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>

namespace scripting {

class PipeBuffer {
  public:
    void add(const char* data, size_t size);
    void finish();
    // Waits for bytes or the end; false at the end with nothing left.
    bool take(std::string& out);

  private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::string data_;
    bool done_ = false;
};

}  // namespace scripting
