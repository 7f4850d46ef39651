#pragma once

#include <cstdint>

namespace vbs::runtime {

// The two ANSI code pages of the supported locales: 936 (GBK, Chinese) and 1252 (Western).
// Asc and Chr convert through the one of the locale in force, as the language does.
class CodePage {
  public:
    static constexpr int kChinese = 936;
    static constexpr int kWestern = 1252;

    // The code of one UTF-16 code unit in the code page: 0-255 for a single byte, lead * 256 +
    // trail for a double-byte character, 63 ('?') when the code page has no such character.
    static uint16_t encode(int codePage, char16_t c);
    // The character of a code (0-65535); false when the code names no character of the page.
    static bool decode(int codePage, uint32_t code, char16_t& out);

    // Sort position of a Chinese character in the Chinese locale's text order, 1-based; 0 for
    // any other code unit. Characters with a Mandarin reading come in pinyin order (syllable,
    // tone, the common GB2312 characters first), then the others in code order.
    static uint16_t hanziRank(char16_t c);
};

}  // namespace vbs::runtime
