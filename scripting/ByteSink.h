// Where a writing TextStream's bytes go.
#pragma once

#include <string_view>

namespace scripting {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual bool write(std::string_view bytes) = 0;
    // Flushes and releases; false when the data could not be written.
    virtual bool close() = 0;
};

}  // namespace scripting
