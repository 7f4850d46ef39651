// Where a reading TextStream's bytes come from.
#pragma once

#include <string>

namespace scripting {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Appends what is available, waiting for at least one byte; false at the
    // end of the data.
    virtual bool read(std::string& out) = 0;
};

}  // namespace scripting
