#include "vbscript/runtime/TextOps.h"

#include <algorithm>
#include <cstring>

#include "vbscript/runtime/CaseFold.h"
#include "vbscript/runtime/CodePage.h"
#include "vbscript/runtime/Locale.h"
#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

// Each unit through Fold: foldCase for LCase, textFold for text as vbTextCompare sees it.
template <char16_t (*Fold)(char16_t)>
std::u16string mapped(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) c = Fold(c);
    return out;
}

std::u16string textFolded(std::u16string_view s) { return mapped<textFold>(s); }

int hexValue(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `count` hex digits at `at`, -1 when they are not all there.
int readHex(std::u16string_view s, size_t at, int count) {
    if (at + count > s.size()) return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        int d = hexValue(s[at + i]);
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

std::u16string inBase(uint64_t value, int shift) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    uint64_t mask = (uint64_t{1} << shift) - 1;
    do {
        out.insert(out.begin(), kDigits[value & mask]);
        value >>= shift;
    } while (value);
    return out;
}

uint64_t twosComplement(int64_t value, bool sixteenBits) {
    if (value >= 0) return static_cast<uint64_t>(value);
    return static_cast<uint64_t>(value) & (sixteenBits ? 0xFFFFu : 0xFFFFFFFFu);
}

// Finds one code unit, four at a time: a word holds four units, and a unit equal to `c`
// becomes a zero lane that the subtraction trick below detects.
size_t findUnit(std::u16string_view hay, char16_t c, size_t from) {
    constexpr uint64_t kOnes = 0x0001000100010001ULL;
    constexpr uint64_t kHighs = 0x8000800080008000ULL;
    const uint64_t pattern = kOnes * c;
    const char16_t* p = hay.data();
    size_t i = from;
    for (; i + 4 <= hay.size(); i += 4) {
        uint64_t word;
        std::memcpy(&word, p + i, sizeof word);
        uint64_t x = word ^ pattern;
        if (((x - kOnes) & ~x & kHighs) != 0) break;  // a candidate among these four
    }
    for (; i < hay.size(); ++i) {
        if (p[i] == c) return i;
    }
    return TextOps::npos;
}

// Finds `needle` in `hay`: a plain scan near the start (most InStr loops find the next hit
// within a few characters), then Horspool. The skip table is indexed by the low byte of each
// code unit and keeps the smallest shift among the units that share it, so it never skips a
// match; shifts are capped at 255 to keep the table one small block.
size_t findText(std::u16string_view hay, std::u16string_view needle, size_t from) {
    using Traits = std::u16string_view::traits_type;
    const size_t n = hay.size(), m = needle.size();
    if (m == 0) return from <= n ? from : TextOps::npos;
    if (from > n || n - from < m) return TextOps::npos;
    if (m == 1) return findUnit(hay, needle[0], from);
    const size_t lastStart = n - m;  // the last position a match can start at
    const char16_t first = needle[0];
    size_t pos = from;
    for (const size_t plainEnd = std::min(lastStart, from + 256); pos <= plainEnd; ++pos) {
        if (hay[pos] == first && Traits::compare(hay.data() + pos, needle.data(), m) == 0)
            return pos;
    }
    if (pos > lastStart) return TextOps::npos;
    uint8_t skip[256];
    std::memset(skip, static_cast<int>(std::min<size_t>(m, 255)), sizeof skip);
    for (size_t i = m > 256 ? m - 256 : 0; i + 1 < m; ++i)
        skip[needle[i] & 0xFF] = static_cast<uint8_t>(m - 1 - i);
    const char16_t last = needle[m - 1];
    while (pos <= lastStart) {
        char16_t c = hay[pos + m - 1];
        if (c == last && Traits::compare(hay.data() + pos, needle.data(), m - 1) == 0) return pos;
        pos += skip[c & 0xFF];
    }
    return TextOps::npos;
}

}  // namespace

namespace {

// Text order in the Chinese locale: Chinese characters by their rank (pinyin first), all of
// them where the ideographs begin; any other code unit by its code. Distinct units keep
// distinct weights, so equality is still equality of the folded text.
uint32_t chineseWeight(char16_t c) {
    constexpr uint32_t kIdeographs = 0x4E00;
    uint16_t rank = CodePage::hanziRank(c);
    return rank ? (kIdeographs << 16 | rank) : static_cast<uint32_t>(c) << 16;
}

}  // namespace

int TextOps::compare(std::u16string_view a, std::u16string_view b, bool text) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    const bool chinese = text && Locale::current().codePage == CodePage::kChinese;
    for (size_t i = 0; i < n; ++i) {
        char16_t x = text ? textFold(a[i]) : a[i];
        char16_t y = text ? textFold(b[i]) : b[i];
        if (x == y) continue;
        if (chinese) return chineseWeight(x) < chineseWeight(y) ? -1 : 1;
        return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

size_t TextOps::find(std::u16string_view in, std::u16string_view what, size_t from, bool text) {
    if (from > in.size()) return npos;
    if (!text) return findText(in, what, from);
    std::u16string a = textFolded(in), b = textFolded(what);
    return findText(a, b, from);
}

size_t TextOps::findLast(std::u16string_view in, std::u16string_view what, size_t from, bool text) {
    if (!text) return in.rfind(what, from);
    std::u16string a = textFolded(in), b = textFolded(what);
    return std::u16string_view(a).rfind(b, from);
}

std::u16string TextOps::replace(std::u16string_view in, std::u16string_view what,
                                std::u16string_view with, size_t from, int64_t count, bool text) {
    if (from >= in.size()) return {};
    std::u16string_view rest = in.substr(from);
    if (what.empty() || count == 0) return std::u16string(rest);
    std::u16string foldedRest, foldedWhat;
    std::u16string_view haystack = rest, needle = what;
    if (text) {
        foldedRest = textFolded(rest);
        foldedWhat = textFolded(what);
        haystack = foldedRest;
        needle = foldedWhat;
    }
    std::u16string out;
    out.reserve(rest.size());
    size_t pos = 0;
    for (int64_t done = 0; count < 0 || done < count; ++done) {
        size_t hit = findText(haystack, needle, pos);
        if (hit == npos) break;
        out.append(rest.substr(pos, hit - pos));
        out.append(with);
        if (out.size() > kMaxTextLength) throw RuntimeFault(kOutOfStringSpace);
        pos = hit + needle.size();
    }
    out.append(rest.substr(pos));
    return out;
}

std::vector<std::u16string> TextOps::split(std::u16string_view in, std::u16string_view delimiter,
                                           int64_t limit, bool text) {
    std::vector<std::u16string> parts;
    if (in.empty() || limit == 0) return parts;
    if (delimiter.empty()) return {std::u16string(in)};
    std::u16string foldedIn, foldedDelim;
    std::u16string_view haystack = in, needle = delimiter;
    if (text) {
        foldedIn = textFolded(in);
        foldedDelim = textFolded(delimiter);
        haystack = foldedIn;
        needle = foldedDelim;
    }
    size_t pos = 0;
    while (limit < 0 || static_cast<int64_t>(parts.size()) < limit - 1) {
        size_t hit = findText(haystack, needle, pos);
        if (hit == npos) break;
        parts.emplace_back(in.substr(pos, hit - pos));
        pos = hit + needle.size();
    }
    parts.emplace_back(in.substr(pos));
    return parts;
}

std::u16string TextOps::lower(std::u16string_view s) { return mapped<foldCase>(s); }

std::u16string TextOps::upper(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) c = upperCase(c);
    return out;
}

std::u16string TextOps::escape(std::u16string_view s) {
    static const char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string out;
    out.reserve(s.size());
    for (char16_t c : s) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '@' || c == '*' || c == '_' || c == '+' || c == '-' || c == '.' ||
                     c == '/';
        if (plain) {
            out += c;
        } else if (c < 256) {
            out += u'%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += u"%u";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 15];
        }
    }
    return out;
}

std::u16string TextOps::unescape(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%') {
            int v;
            if (i + 1 < s.size() && s[i + 1] == 'u' && (v = readHex(s, i + 2, 4)) >= 0) {
                out += static_cast<char16_t>(v);
                i += 5;
                continue;
            }
            if ((v = readHex(s, i + 1, 2)) >= 0) {
                out += static_cast<char16_t>(v);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::u16string TextOps::hex(int64_t value, bool sixteenBits) {
    return inBase(twosComplement(value, sixteenBits), 4);
}

std::u16string TextOps::oct(int64_t value, bool sixteenBits) {
    return inBase(twosComplement(value, sixteenBits), 3);
}

}  // namespace vbs::runtime
