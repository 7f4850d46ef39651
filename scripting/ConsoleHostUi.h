// The console host's side of the user interface: output to standard output,
// errors to standard error. Questions are answered at the terminal; when
// standard input is not a terminal they take their default answers at once.
#pragma once

#include <unistd.h>

#include <cstdio>

#include "HostUi.h"

namespace scripting {

class ConsoleHostUi : public HostUi {
  public:
    ConsoleHostUi(std::FILE* in = stdin, std::FILE* out = stdout, std::FILE* err = stderr)
        : in_(in), out_(out), err_(err) {
        // Unbuffered, so waiting for an answer sees exactly what is unread.
        std::setvbuf(in_, nullptr, _IONBF, 0);
        interactive_ = ::isatty(::fileno(in_)) != 0;
    }

    void echo(const std::u16string& text) override;
    void error(const std::u16string& title, const std::u16string& text) override;
    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override;
    vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                        const std::u16string& defaultText) override;
    int popup(const std::u16string& text, int seconds, const std::u16string& title,
              int buttons) override;

  private:
    void print(std::FILE* f, const std::u16string& text);
    // One line from the input without its line end; false at the end.
    bool readLine(std::u16string& line);
    // Whether an answer arrives on the input within `seconds`.
    bool inputWithin(int seconds);

    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
    bool interactive_ = false;  // questions are asked only at a terminal
};

}  // namespace scripting
