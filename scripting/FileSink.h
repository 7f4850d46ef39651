// Writes through a FILE*: files, standard output and error, a child's
// standard input. `owned` streams are closed by close(); standard output
// and error are only flushed.
#pragma once

#include <cstdio>

#include "ByteSink.h"

namespace scripting {

class FileSink : public ByteSink {
  public:
    FileSink(std::FILE* file, bool owned) : file_(file), owned_(owned) {}
    ~FileSink() override { close(); }
    bool write(std::string_view bytes) override;
    bool close() override;

  private:
    std::FILE* file_;
    bool owned_;
};

}  // namespace scripting
