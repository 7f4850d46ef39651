#include "TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "vbscript/value.h"

namespace scripting {

namespace {

// One conversion through iconv; bytes it cannot convert become U+FFFD (or
// '?' on the way out) instead of stopping the conversion.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view bad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    std::vector<char> buf(4096);
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buf.data();
        size_t room = buf.size();
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf.data(), static_cast<size_t>(dst - buf.data()));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out.append(bad);
            size_t skip = (errno == EILSEQ && std::string_view(from) == "UTF-16LE") ? 2 : 1;
            skip = std::min(skip, left);
            src += skip;
            left -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

std::u16string fromUtf16Bytes(std::string_view b, bool bigEndian) {
    std::u16string s;
    s.reserve(b.size() / 2);
    for (size_t i = 0; i + 1 < b.size(); i += 2) {
        auto hi = static_cast<unsigned char>(b[bigEndian ? i : i + 1]);
        auto lo = static_cast<unsigned char>(b[bigEndian ? i + 1 : i]);
        s.push_back(static_cast<char16_t>((hi << 8) | lo));
    }
    return s;
}

std::string toUtf16Bytes(std::u16string_view s, bool bigEndian) {
    std::string b;
    b.reserve(s.size() * 2);
    for (char16_t c : s) {
        char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        b.push_back(bigEndian ? hi : lo);
        b.push_back(bigEndian ? lo : hi);
    }
    return b;
}

std::u16string fromUtf8Lenient(std::string_view b) {
    std::string utf16 = convert("UTF-16LE", "UTF-8", b, "\xFD\xFF");
    return fromUtf16Bytes(utf16, false);
}

}  // namespace

bool TextCodec::isValidUtf8(std::string_view b) {
    size_t i = 0;
    while (i < b.size()) {
        auto c = static_cast<unsigned char>(b[i]);
        size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if ((c & 0xF0) == 0xE0)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= b.size() || (static_cast<unsigned char>(b[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

std::size_t TextCodec::completeUtf8Prefix(std::string_view b) {
    size_t end = b.size();
    // Look back over at most three continuation bytes for a lead byte.
    for (size_t k = 1; k <= 4 && k <= b.size(); ++k) {
        auto c = static_cast<unsigned char>(b[b.size() - k]);
        if ((c & 0xC0) == 0x80) continue;
        size_t need = c < 0x80         ? 1
                      : (c >> 5) == 6  ? 2
                      : (c >> 4) == 14 ? 3
                      : (c >> 3) == 30 ? 4
                                       : 1;
        if (need > k) end = b.size() - k;
        break;
    }
    return end;
}

bool TextCodec::isAscii(std::string_view b) {
    for (char c : b) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::size_t TextCodec::completeAnsiPrefix(std::string_view b) {
    // GB18030: ASCII, two-byte characters, and four-byte ones whose second
    // byte is a digit.
    size_t i = 0;
    while (i < b.size()) {
        if (static_cast<unsigned char>(b[i]) < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= b.size()) return i;
        auto second = static_cast<unsigned char>(b[i + 1]);
        size_t len = second >= 0x30 && second <= 0x39 ? 4 : 2;
        if (i + len > b.size()) return i;
        i += len;
    }
    return i;
}

TextEncoding TextCodec::detect(std::string_view b) {
    if (b.starts_with("\xEF\xBB\xBF")) return TextEncoding::Utf8Bom;
    if (b.starts_with("\xFF\xFE")) return TextEncoding::Utf16LE;
    if (b.starts_with("\xFE\xFF")) return TextEncoding::Utf16BE;
    return isValidUtf8(b) ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

std::string_view TextCodec::bom(TextEncoding e) {
    switch (e) {
        case TextEncoding::Utf8Bom:
            return "\xEF\xBB\xBF";
        case TextEncoding::Utf16LE:
            return "\xFF\xFE";
        case TextEncoding::Utf16BE:
            return "\xFE\xFF";
        default:
            return {};
    }
}

std::u16string TextCodec::decode(std::string_view b, TextEncoding* detected) {
    TextEncoding e = detect(b);
    if (detected) *detected = e;
    b.remove_prefix(bom(e).size());
    return decodeAs(b, e);
}

std::u16string TextCodec::decodeAs(std::string_view b, TextEncoding e) {
    switch (e) {
        case TextEncoding::Utf16LE:
            return fromUtf16Bytes(b, false);
        case TextEncoding::Utf16BE:
            return fromUtf16Bytes(b, true);
        case TextEncoding::Ansi:
            return fromUtf16Bytes(convert("UTF-16LE", "GB18030", b, "\xFD\xFF"), false);
        default:
            // The common case, valid UTF-8, skips the converter.
            return isValidUtf8(b) ? vbs::fromUtf8(b) : fromUtf8Lenient(b);
    }
}

std::string TextCodec::encode(std::u16string_view s, TextEncoding e) {
    switch (e) {
        case TextEncoding::Utf16LE:
            return toUtf16Bytes(s, false);
        case TextEncoding::Utf16BE:
            return toUtf16Bytes(s, true);
        case TextEncoding::Ansi:
            return convert("GB18030", "UTF-16LE", toUtf16Bytes(s, false), "?");
        default:
            return vbs::toUtf8(s);
    }
}

}  // namespace scripting
