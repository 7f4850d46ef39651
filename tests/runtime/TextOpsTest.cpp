#include <gtest/gtest.h>

#include "vbscript/runtime/TextOps.h"

using namespace vbs::runtime;

TEST(TextOps, CompareBinaryAndText) {
    EXPECT_EQ(TextOps::compare(u"a", u"B", false), 1);  // 'a' is 97, 'B' is 66
    EXPECT_EQ(TextOps::compare(u"a", u"B", true), -1);
    EXPECT_EQ(TextOps::compare(u"ÄBC", u"äbc", true), 0);
    EXPECT_EQ(TextOps::compare(u"ab", u"abc", false), -1);
    EXPECT_EQ(TextOps::compare(u"", u"", false), 0);
}

TEST(TextOps, FindAndReplace) {
    EXPECT_EQ(TextOps::find(u"Hello World", u"o", 5, false), 7u);
    EXPECT_EQ(TextOps::find(u"Hello World", u"WORLD", 0, true), 6u);
    EXPECT_EQ(TextOps::find(u"Hello World", u"WORLD", 0, false), TextOps::npos);
    EXPECT_EQ(TextOps::findLast(u"a.b.c", u".", TextOps::npos, false), 3u);
    EXPECT_EQ(TextOps::replace(u"abcabc", u"b", u"X", 0, -1, false), u"aXcaXc");
    EXPECT_EQ(TextOps::replace(u"abcabc", u"B", u"X", 2, 1, true), u"caXc");
    EXPECT_EQ(TextOps::replace(u"aaa", u"a", u"aa", 0, -1, false), u"aaaaaa");
    EXPECT_EQ(TextOps::replace(u"abc", u"", u"x", 0, -1, false), u"abc");
}

TEST(TextOps, SplitKeepsEmptyPartsAndHonoursTheLimit) {
    auto parts = TextOps::split(u"a,,b", u",", -1, false);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1], u"");
    parts = TextOps::split(u"a,b,c", u",", 2, false);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[1], u"b,c");
    EXPECT_TRUE(TextOps::split(u"", u",", -1, false).empty());
    parts = TextOps::split(u"aXbxc", u"x", -1, true);
    EXPECT_EQ(parts.size(), 3u);
}

TEST(TextOps, EscapeRoundTrips) {
    std::u16string s = u"a b&c=中文/@*_+-.";
    EXPECT_EQ(TextOps::escape(s), u"a%20b%26c%3D%u4E2D%u6587/@*_+-.");
    EXPECT_EQ(TextOps::unescape(TextOps::escape(s)), s);
    EXPECT_EQ(TextOps::unescape(u"100%"), u"100%");
    EXPECT_EQ(TextOps::unescape(u"%zz%4"), u"%zz%4");
    EXPECT_EQ(TextOps::unescape(u"%u00e9%41"), u"éA");
}

TEST(TextOps, HexAndOctUseTwosComplement) {
    EXPECT_EQ(TextOps::hex(255, false), u"FF");
    EXPECT_EQ(TextOps::hex(-1, true), u"FFFF");
    EXPECT_EQ(TextOps::hex(-1, false), u"FFFFFFFF");
    EXPECT_EQ(TextOps::hex(0, false), u"0");
    EXPECT_EQ(TextOps::oct(8, false), u"10");
    EXPECT_EQ(TextOps::oct(-1, true), u"177777");
    EXPECT_EQ(TextOps::upper(u"straße é"), u"STRAßE É");
    EXPECT_EQ(TextOps::lower(u"ÀB"), u"àb");
}

TEST(TextOps, LongSearchesAgreeWithAPlainScan) {
    // Units that share a low byte (U+0061 'a' and U+4E61) must not make the search skip a match.
    std::u16string hay;
    for (int i = 0; i < 500; ++i) hay += (i % 7 == 0) ? u"\u4E61ba" : u"xab";
    for (std::u16string needle : {u"aba", u"ab\u4E61", u"\u4E61ba", u"bax", u"zzz", u"b"}) {
        for (size_t from : {size_t{0}, size_t{5}, size_t{700}, hay.size()}) {
            EXPECT_EQ(TextOps::find(hay, needle, from, false), hay.find(needle, from))
                << "from " << from;
        }
        size_t occurrences = 0;
        for (size_t at = hay.find(needle); at != std::u16string::npos;
             at = hay.find(needle, at + needle.size())) {
            ++occurrences;
        }
        EXPECT_EQ(TextOps::split(hay, needle, -1, false).size(), occurrences + 1);
    }
    std::u16string replaced = TextOps::replace(hay, u"\u4E61ba", u"-", 0, -1, false);
    EXPECT_EQ(replaced.find(u"\u4E61"), std::u16string::npos);
    EXPECT_EQ(replaced.size(), hay.size() - 2 * 72);
}

TEST(TextOps, SingleUnitSearchFindsEveryPosition) {
    // Every alignment of the unit within a word, and units that differ only in the high byte.
    for (size_t len = 1; len < 12; ++len) {
        for (size_t at = 0; at < len; ++at) {
            std::u16string hay(len, u'\u0161');
            hay[at] = u'a';
            EXPECT_EQ(TextOps::find(hay, u"a", 0, false), at);
            EXPECT_EQ(TextOps::find(hay, u"a", at + 1, false), TextOps::npos);
            EXPECT_EQ(TextOps::find(hay, u"\u0261", 0, false), TextOps::npos);
        }
    }
}
