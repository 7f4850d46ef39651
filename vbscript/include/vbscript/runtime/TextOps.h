#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vbs::runtime {

// String work behind the text built-ins; `text` selects vbTextCompare (case-insensitive).
class TextOps {
  public:
    static constexpr size_t npos = std::u16string_view::npos;

    static int compare(std::u16string_view a, std::u16string_view b, bool text);
    // First occurrence of `what` at or after `from` (0-based), npos when absent.
    static size_t find(std::u16string_view in, std::u16string_view what, size_t from, bool text);
    // Last occurrence that starts at or before `from`.
    static size_t findLast(std::u16string_view in, std::u16string_view what, size_t from,
                           bool text);
    // Replace: the result starts at `from` (0-based) as the language's Replace returns it;
    // count -1 replaces every occurrence.
    static std::u16string replace(std::u16string_view in, std::u16string_view what,
                                  std::u16string_view with, size_t from, int64_t count, bool text);
    // Split: limit -1 for all parts; an empty input gives no parts.
    static std::vector<std::u16string> split(std::u16string_view in, std::u16string_view delimiter,
                                             int64_t limit, bool text);
    static std::u16string lower(std::u16string_view s);
    static std::u16string upper(std::u16string_view s);

    // Escape leaves letters, digits and @*_+-./ alone; other text becomes %XX or %uXXXX.
    static std::u16string escape(std::u16string_view s);
    // Unescape reads %XX and %uXXXX; any other % stays as it is.
    static std::u16string unescape(std::u16string_view s);
    // Hex and Oct: negative values in two's complement of 16 bits (Integer, Byte) or 32 bits.
    static std::u16string hex(int64_t value, bool sixteenBits);
    static std::u16string oct(int64_t value, bool sixteenBits);
};

}  // namespace vbs::runtime
