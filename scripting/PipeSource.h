// A reading TextStream over a PipeBuffer (a child's output).
#pragma once

#include <memory>

#include "ByteSource.h"
#include "PipeBuffer.h"

namespace scripting {

class PipeSource : public ByteSource {
  public:
    explicit PipeSource(std::shared_ptr<PipeBuffer> buffer) : buffer_(std::move(buffer)) {}
    bool read(std::string& out) override { return buffer_->take(out); }

  private:
    std::shared_ptr<PipeBuffer> buffer_;
};

}  // namespace scripting
