// Byte <-> text conversions for script files, text streams and child
// process output: UTF-8, UTF-16 and the Chinese ANSI code page (GBK, handled
// as its superset GB18030 so that nothing written is ever lost).
#pragma once

#include <string>
#include <string_view>

namespace scripting {

enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Ansi };

class TextCodec {
  public:
    // A byte-order mark wins; otherwise valid UTF-8 is UTF-8; anything else
    // is the ANSI code page.
    static TextEncoding detect(std::string_view bytes);
    // Decodes with detection and drops the byte-order mark.
    static std::u16string decode(std::string_view bytes, TextEncoding* detected = nullptr);
    static std::u16string decodeAs(std::string_view bytes, TextEncoding encoding);
    // Encodes without a byte-order mark.
    static std::string encode(std::u16string_view text, TextEncoding encoding);
    static std::string_view bom(TextEncoding encoding);
    static bool isValidUtf8(std::string_view bytes);
    static bool isAscii(std::string_view bytes);
    // Length of the longest prefix that does not end inside a character, for
    // text read in pieces.
    static std::size_t completeUtf8Prefix(std::string_view bytes);
    static std::size_t completeAnsiPrefix(std::string_view bytes);
};

}  // namespace scripting
