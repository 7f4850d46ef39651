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
