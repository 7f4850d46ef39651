#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace vbs::runtime {

// Raised by the runtime's pure modules; the glue that registers built-ins turns it into the
// engine's script error with the same number, so the modules stay free of engine types.
class RuntimeFault : public std::runtime_error {
  public:
    explicit RuntimeFault(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "runtime error " + std::to_string(number) : what),
          number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

// Error numbers the runtime raises.
enum FaultNumber : int {
    kInvalidCall = 5,
    kOverflow = 6,
    kOutOfMemory = 7,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kOutOfStringSpace = 14,
    kOutOfStack = 28,
    kKeyExists = 457,
    kRegexObjectExpected = 5016,
    kRegexSyntax = 5017,
    kRegexUnexpectedQuantifier = 5018,
    kRegexExpectedBracket = 5019,
    kRegexExpectedParen = 5020,
    kRegexInvalidRange = 5021,
};

// The longest text a built-in makes (512 MB of UTF-16): past it, error 14 instead of letting a
// mistyped count exhaust the editor's memory.
constexpr size_t kMaxTextLength = size_t{1} << 28;

}  // namespace vbs::runtime
