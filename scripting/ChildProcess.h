// A program started through /bin/sh for WScript.Shell's Run and Exec. With
// capture on, its standard output and error are drained by background
// threads into buffers, so a chatty child never blocks on a full pipe while
// the script waits for it to end.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "PipeBuffer.h"

namespace scripting {

class ChildProcess {
  public:
    ~ChildProcess();
    // Runs the command through /bin/sh after translatePaths. Raises the
    // "file not found" error when the program named first cannot be found,
    // before anything is started.
    static std::unique_ptr<ChildProcess> start(const std::u16string& command, bool capture);

    bool finished();  // without waiting
    int wait();       // exit code; 128 + signal for a killed child
    int exitCode() const { return exitCode_; }
    pid_t pid() const { return pid_; }
    void terminate();

    // Capture only: the write end of the child's standard input (-1 once
    // handed out) and the collected output.
    int takeStdin();
    std::shared_ptr<PipeBuffer> out() const { return out_; }
    std::shared_ptr<PipeBuffer> err() const { return err_; }

    // Windows paths in a command line, such as scripts build them with "\\",
    // turned into Linux paths where they name an existing place.
    static std::string translatePaths(const std::string& command);
    // Run opens documents and addresses as the desktop does: a command whose
    // first word is an existing file that is no program, or a URL, becomes
    // "xdg-open <word>" (our wscript for .vbs files). Others stay as given.
    static std::u16string documentCommand(const std::u16string& command);
    // Whether the program a command starts with can be found.
    static bool programExists(const std::u16string& command);

  private:
    ChildProcess() = default;
    void reap(int status);

    pid_t pid_ = -1;
    bool done_ = false;
    int exitCode_ = 0;
    int stdin_ = -1;
    std::shared_ptr<PipeBuffer> out_, err_;
};

}  // namespace scripting
