// Bytes from a file descriptor as they arrive (standard input).
#pragma once

#include "ByteSource.h"

namespace scripting {

class FdSource : public ByteSource {
  public:
    explicit FdSource(int fd) : fd_(fd) {}
    bool read(std::string& out) override;

  private:
    int fd_;
};

}  // namespace scripting
