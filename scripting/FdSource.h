// Bytes from a file descriptor as they arrive: standard input, or a file
// read piece by piece so that large files need little memory.
#pragma once

#include "ByteSource.h"

namespace scripting {

class FdSource : public ByteSource {
  public:
    // An `owned` descriptor (an opened file) is closed with the source.
    explicit FdSource(int fd, bool owned = false) : fd_(fd), owned_(owned) {}
    ~FdSource() override;
    FdSource(const FdSource&) = delete;
    FdSource& operator=(const FdSource&) = delete;
    bool read(std::string& out) override;

  private:
    int fd_;
    bool owned_;
};

}  // namespace scripting
