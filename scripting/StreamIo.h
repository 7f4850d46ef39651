// Byte sources and sinks behind TextStream: a file read whole, a file
// descriptor (standard input), a FILE* for writing (files, standard output,
// a child's standard input).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace scripting {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Appends what is available, waiting for at least one byte; false at the
    // end of the data.
    virtual bool read(std::string& out) = 0;
};

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual bool write(std::string_view bytes) = 0;
    // Flushes and releases; false when the data could not be written.
    virtual bool close() = 0;
};

// The whole content of a file, read at open time.
class MemorySource : public ByteSource {
  public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    bool read(std::string& out) override;

  private:
    std::string bytes_;
    bool done_ = false;
};

class FdSource : public ByteSource {
  public:
    explicit FdSource(int fd) : fd_(fd) {}
    bool read(std::string& out) override;

  private:
    int fd_;
};

// Writes through a FILE*. `owned` streams are closed by close(); standard
// output and error are only flushed.
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
