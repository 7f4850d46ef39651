// The whole content of a file, read at open time.
#pragma once

#include <string>

#include "ByteSource.h"

namespace scripting {

class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    bool read(std::string& out) override;

  private:
    std::string bytes_;
    bool done_ = false;
};

}  // namespace scripting
