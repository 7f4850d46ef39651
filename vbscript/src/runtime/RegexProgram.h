#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace vbs::runtime {

enum class RxOp : uint8_t {
    Char,   // a: the character (folded when ignoring case)
    Any,    // any character but a line terminator
    Class,  // a: index into classes
    Bol,
    Eol,
    WordB,
    NotWordB,
    Split,      // try a first, then b
    Jmp,        // a
    Save,       // a: capture slot
    Backref,    // a: group number
    Mark,       // a: loop register gets the position
    Check,      // a: fail when the loop body matched nothing
    LookStart,  // a: where to go on, flag: negative
    LookEnd,    // flag: negative
    Match,
};

struct RxInst {
    RxOp op;
    bool flag = false;
    int32_t a = 0;
    int32_t b = 0;
};

struct RxClass {
    std::vector<std::pair<char16_t, char16_t>> ranges;  // sorted, merged
    bool negated = false;
    bool ignoreCase = false;
    uint64_t ascii[2] = {0, 0};  // the answer for characters below 128, negation applied

    bool inRanges(char16_t c) const;
    bool matches(char16_t c) const;
};

struct RegexProgram {
    std::vector<RxInst> code;
    std::vector<RxClass> classes;
    int groups = 0;
    int registers = 0;
    bool ignoreCase = false;
    bool multiline = false;
    bool anchored = false;           // starts with ^ outside multiline mode
    std::vector<uint64_t> firstSet;  // 65536 bits of possible first characters; empty: any
};

}  // namespace vbs::runtime
