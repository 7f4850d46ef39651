#include "vbscript/runtime/CodePage.h"

#include <array>
#include <memory>

namespace vbs::runtime {

namespace {

constexpr int kFirstLead = 0x81, kLastLead = 0xFE;
constexpr int kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr int kTrails = kLastTrail - kFirstTrail + 1;

const uint16_t kGbk[(kLastLead - kFirstLead + 1) * kTrails] = {
#include "GbkTable.inc"
};

// Chinese characters in pinyin order (those with a Mandarin reading).
const char16_t kPinyinOrder[] = {
#include "PinyinOrder.inc"
};

// Code page 936 keeps two single bytes beyond ASCII: the euro sign and a private-use character.
constexpr uint16_t kEuroByte = 0x80, kLastByte = 0xFF;
constexpr char16_t kEuro = 0x20AC, kLastByteChar = 0xF8F5;
constexpr uint16_t kQuestionMark = 63;

// Windows-1252 from 0x80 to 0x9F; the five codes it leaves open pass through as C1 controls.
constexpr char16_t kWestern80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint16_t gbkAt(int lead, int trail) {
    if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) return 0;
    return kGbk[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)];
}

bool isHanzi(char16_t c) {
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

// The reverse of the double-byte table and the Chinese sort ranks, built once on first use.
struct Tables {
    std::array<uint16_t, 0x10000> codeOf{};
    std::array<uint16_t, 0x10000> rankOf{};

    Tables() {
        for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                char16_t c = gbkAt(lead, trail);
                if (c && !codeOf[c]) codeOf[c] = static_cast<uint16_t>(lead << 8 | trail);
            }
        }
        // Characters with a reading in pinyin order, then those without one in code order.
        uint16_t next = 1;
        for (char16_t c : kPinyinOrder) {
            if (!rankOf[c]) rankOf[c] = next++;
        }
        for (uint32_t c = 0x3400; c <= 0xFAFF; ++c) {
            if (isHanzi(static_cast<char16_t>(c)) && !rankOf[c]) rankOf[c] = next++;
        }
    }
};

const Tables& tables() {
    static const auto built = std::make_unique<Tables>();
    return *built;
}

}  // namespace

uint16_t CodePage::encode(int codePage, char16_t c) {
    if (c < 0x80) return c;
    if (codePage == kChinese) {
        if (c == kEuro) return kEuroByte;
        if (c == kLastByteChar) return kLastByte;
        uint16_t code = tables().codeOf[c];
        return code ? code : kQuestionMark;
    }
    if (c >= 0xA0 && c <= 0xFF) return c;
    for (uint16_t i = 0; i < 32; ++i) {
        if (kWestern80[i] == c) return static_cast<uint16_t>(0x80 + i);
    }
    return kQuestionMark;
}

bool CodePage::decode(int codePage, uint32_t code, char16_t& out) {
    if (code < 0x80) {
        out = static_cast<char16_t>(code);
        return true;
    }
    if (codePage == kChinese) {
        if (code == kEuroByte) return out = kEuro, true;
        if (code == kLastByte) return out = kLastByteChar, true;
        // Any other single byte is a lead byte, which alone names no character.
        char16_t c = code > 0xFF ? gbkAt(static_cast<int>(code >> 8), code & 0xFF) : 0;
        if (!c) return false;
        out = c;
        return true;
    }
    if (code > 0xFF) return false;
    out = code < 0xA0 ? kWestern80[code - 0x80] : static_cast<char16_t>(code);
    return true;
}

uint16_t CodePage::hanziRank(char16_t c) { return isHanzi(c) ? tables().rankOf[c] : 0; }

}  // namespace vbs::runtime
